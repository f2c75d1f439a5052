#include "Card_Class.h"

TCard::TCard(QObject* owner) : TValdrona(QStringLiteral("Cards"), QStringLiteral("Card_ID"), owner) {}

bool TCard::CanDelete()
{
    TValdrona_ADOQuery& query = Query();
    query.CloseAndClear();
    query.AddCondition(TablePrefix + QStringLiteral("Invoices"), QStringLiteral("fkCardID"), Id);
    const bool used = query.AnyRowExists();
    query.CloseAndClear();
    return !used;
}

void TCard::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    CardName = query.FieldAsText(QStringLiteral("CardName"));
    CardNumber = query.FieldAsText(QStringLiteral("CardNumber"));
    fkPersonID = query.FieldAsInteger(QStringLiteral("fkPersonID"));
    fkCardTypeID = query.FieldAsInteger(QStringLiteral("fkCardTypeID"));
}

void TCard::AddFieldValues()
{
    const QString table = PrefixedTableName();
    TValdrona_ADOQuery& query = Query();
    query.AddValue(table, QStringLiteral("CardName"), CardName);
    query.AddValue(table, QStringLiteral("CardNumber"), CardNumber);
    query.AddValue(table, QStringLiteral("fkPersonID"), fkPersonID);
    query.AddValue(table, QStringLiteral("fkCardTypeID"), fkCardTypeID);
}

QString TCard::GetDisplayText()
{
    return CardName + u' ' + CardNumber + (IsPrivate() ? QStringLiteral(" [PRIVAT]") : QString());
}
