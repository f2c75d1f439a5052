#include "AccountCode_Class.h"

#include "InternalAccountValueUnit.h"

TAccountCode::TAccountCode(QObject* owner)
    : TValdrona(QStringLiteral("AccountCodes"), QStringLiteral("AccountCode_ID"), owner)
{
}

bool TAccountCode::CanDelete()
{
    return true;
}

void TAccountCode::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    Amount = query.FieldAsRoundedFloat(QStringLiteral("Amount"), AmountDecimals);
    ForeignAmount = query.FieldAsRoundedFloat(QStringLiteral("ForeignAmount"), AmountDecimals);
    fkAccountNumber = query.FieldAsInteger(QStringLiteral("fkAccountNumber"));
    fkPurchaseRegistrationID = query.FieldAsInteger(QStringLiteral("fkPurchaseRegistrationID"));
    Type = query.FieldAsInteger(QStringLiteral("Type"));
    VatAmount = query.FieldAsRoundedFloat(QStringLiteral("VatAmount"), AmountDecimals);
    ExtraText = query.FieldAsText(QStringLiteral("ExtraText"));
    DateCreated = query.FieldAsDate(QStringLiteral("DateCreated"));
}

int TAccountCode::Delete()
{
    if (Id > 0) {
        DeleteInternalAccountValues(AccountCodeInternalAccounts(), Id);
        TValdrona_ADOQuery query;
        const QString texts = TablePrefix + QStringLiteral("AccountCodeTextAccountCodesRelation");
        query.AddCondition(texts, QStringLiteral("fkAccountCodeID"), Id);
        query.Execute(texts, skDelete);
    }
    return TValdrona::Delete();
}

void TAccountCode::AddFieldValues()
{
    DateCreated = Today();
    const QString table = PrefixedTableName();
    TValdrona_ADOQuery& query = Query();
    query.AddValue(table, QStringLiteral("Amount"), Amount);
    query.AddValue(table, QStringLiteral("ForeignAmount"), ForeignAmount);
    query.AddValue(table, QStringLiteral("fkAccountNumber"), fkAccountNumber);
    query.AddValue(table, QStringLiteral("fkPurchaseRegistrationID"), fkPurchaseRegistrationID);
    query.AddValue(table, QStringLiteral("Type"), Type);
    query.AddValue(table, QStringLiteral("VatAmount"), VatAmount);
    query.AddValue(table, QStringLiteral("ExtraText"), ExtraText);
    query.AddValue(table, QStringLiteral("DateCreated"), DateParam(DateCreated));
}

QString TAccountCode::GetDisplayText()
{
    return QString();
}

QString TAccountCode::InternalAccountValue(int internalAccountId)
{
    return ReadInternalAccountValue(AccountCodeInternalAccounts(), Id, internalAccountId);
}

void TAccountCode::SetInternalAccountValue(int internalAccountId, const QString& value)
{
    WriteInternalAccountValue(AccountCodeInternalAccounts(), Id, internalAccountId, value);
}
