#include "InternalAccountValueUnit.h"

#include "QueryUnit.h"
#include "Valdrona_Class.h"

namespace {

// Bracketed, as the value column is written in every statement built here.
const QString DataColumn = QStringLiteral("[Data]");

void OpenRow(TValdrona_ADOQuery& query, const QString& templateName, const TInternalAccountRelation& relation,
             int ownerId, int internalAccountId)
{
    query.LoadTemplate(templateName);
    query.SetPlaceholder(relation.OwnerPlaceholder, ownerId);
    query.SetPlaceholder(relation.DimensionPlaceholder, internalAccountId);
    query.OpenTemplate();
}

} // namespace

const TInternalAccountRelation& AccountCodeInternalAccounts()
{
    static const TInternalAccountRelation relation{
        TablePrefix + QStringLiteral("PREL"), QStringLiteral("fkAccountCode_ID"), QStringLiteral("fkInternalAccount_ID"),
        QStringLiteral("getPREL.sql"), QStringLiteral("getPREL.sql"),
        QStringLiteral("{fkAccountCode_ID}"), QStringLiteral("{fkInternalAccount_ID}")};
    return relation;
}

const TInternalAccountRelation& InvoiceInternalAccounts()
{
    static const TInternalAccountRelation relation{
        TablePrefix + QStringLiteral("InvoiceInternalAccountRelation"), QStringLiteral("fkInvoiceID"),
        QStringLiteral("fkInternalAccountID"), QStringLiteral("getInvoiceInternalAccountRelations.sql"),
        QStringLiteral("getInvoiceInternalAccountData.sql"), QStringLiteral("{fkInvoiceID}"),
        QStringLiteral("{fkInternalAccountID}")};
    return relation;
}

QString ReadInternalAccountValue(const TInternalAccountRelation& relation, int ownerId, int internalAccountId)
{
    TValdrona_ADOQuery query;
    OpenRow(query, relation.ValueTemplate, relation, ownerId, internalAccountId);
    if (query.IsEmpty())
        return QString();
    const QVariant value = query.Field(0);
    return value.isNull() ? QString() : value.toString();
}

void WriteInternalAccountValue(const TInternalAccountRelation& relation, int ownerId, int internalAccountId,
                               const QString& value)
{
    TValdrona_ADOQuery query;
    if (value.isEmpty()) {
        query.AddCondition(relation.Table, relation.OwnerColumn, ownerId);
        query.AddCondition(relation.Table, relation.DimensionColumn, internalAccountId);
        query.Execute(relation.Table, skDelete);
        return;
    }
    OpenRow(query, relation.ExistsTemplate, relation, ownerId, internalAccountId);
    const bool exists = !query.IsEmpty();
    query.CloseAndClear();
    if (exists) {
        query.AddValue(relation.Table, DataColumn, value);
        query.AddCondition(relation.Table, relation.OwnerColumn, ownerId);
        query.AddCondition(relation.Table, relation.DimensionColumn, internalAccountId);
        query.Execute(relation.Table, skUpdate);
    } else {
        query.AddValue(relation.Table, relation.OwnerColumn, ownerId);
        query.AddValue(relation.Table, relation.DimensionColumn, internalAccountId);
        query.AddValue(relation.Table, DataColumn, value);
        query.Execute(relation.Table, skInsert);
    }
}

void DeleteInternalAccountValues(const TInternalAccountRelation& relation, int ownerId)
{
    TValdrona_ADOQuery query;
    query.AddCondition(relation.Table, relation.OwnerColumn, ownerId);
    query.Execute(relation.Table, skDelete);
}
