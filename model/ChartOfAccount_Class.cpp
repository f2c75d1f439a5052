#include "ChartOfAccount_Class.h"

namespace {
const QString GroupRelationTable = TablePrefix + QStringLiteral("AccountGroupChartOfAccountRelation");
constexpr int OrdinaryChartGroup = 1;
}

TChartOfAccount::TChartOfAccount(QObject* owner)
    : TValdrona(QStringLiteral("ChartOfAccounts"), QStringLiteral("ChartOfAccount_ID"), owner)
{
}

TChartOfAccount::~TChartOfAccount() = default;

void TChartOfAccount::Clear()
{
    m_vat.reset();
}

bool TChartOfAccount::CanDelete()
{
    TValdrona_ADOQuery& query = Query();
    query.CloseAndClear();
    const QString types = TablePrefix + QStringLiteral("RepresentationTypes");
    query.AddCondition(TablePrefix + QStringLiteral("AccountCodes"), QStringLiteral("fkAccountNumber"), Id);
    query.AddCondition(types, QStringLiteral("fkDeductionAccountNumber"), Id);
    query.AddParam(types, QStringLiteral("fkNonDeductionAccountNumber"), pkOr, Id);
    const bool used = query.AnyRowExists();
    query.CloseAndClear();
    return !used;
}

void TChartOfAccount::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    AccountNumber = query.FieldAsInteger(QStringLiteral("AccountNumber"));
    AccountName = query.FieldAsText(QStringLiteral("AccountName"));
    SortOrder = query.FieldAsText(QStringLiteral("SortOrder"));
    fkVatID = query.FieldAsInteger(QStringLiteral("fkVatID"));
}

int TChartOfAccount::Save()
{
    const int result = TValdrona::Save();
    if (m_ownAccountChanged) {
        TValdrona_ADOQuery& query = Query();
        query.CloseAndClear();
        query.AddCondition(GroupRelationTable, QStringLiteral("fkAccountNumber"), Id);
        query.Execute(GroupRelationTable, skDelete);
        if (!m_ownAccount) {
            query.AddValue(GroupRelationTable, QStringLiteral("fkGroupID"), OrdinaryChartGroup);
            query.AddValue(GroupRelationTable, QStringLiteral("fkAccountNumber"), Id);
            query.Execute(GroupRelationTable, skInsert);
        }
    }
    return result;
}

int TChartOfAccount::Delete()
{
    if (!CanDelete())
        return -1;
    if (Id > 0) {
        TValdrona_ADOQuery& query = Query();
        query.CloseAndClear();
        query.AddCondition(GroupRelationTable, QStringLiteral("fkAccountNumber"), Id);
        query.Execute(GroupRelationTable, skDelete);
    }
    return TValdrona::Delete();
}

void TChartOfAccount::AddFieldValues()
{
    const QString table = PrefixedTableName();
    TValdrona_ADOQuery& query = Query();
    query.AddValue(table, QStringLiteral("AccountNumber"), AccountNumber);
    query.AddValue(table, QStringLiteral("AccountName"), AccountName);
    query.AddValue(table, QStringLiteral("SortOrder"), SortOrder);
    if (fkVatID > 0)
        query.AddValue(table, QStringLiteral("fkVatID"), fkVatID);
}

QString TChartOfAccount::GetDisplayText()
{
    return QString::number(AccountNumber);
}

int TChartOfAccount::FindByAccountNumber(const QString& accountNumber)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getChartOfAccountByAccountNumber.sql"));
    query.SetPlaceholder(QStringLiteral("{AccountNumber}"), accountNumber);
    query.OpenTemplate();
    // An empty result clears the entity: every field reads empty, the key 0.
    LoadFromQuery(query);
    return Id;
}

TVat& TChartOfAccount::Vat()
{
    if (!m_vat) {
        m_vat = std::make_unique<TVat>();
        m_vat->LoadById(fkVatID);
    }
    return *m_vat;
}

bool TChartOfAccount::IsOwnAccount()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getAccountGroupChartOfAccountRelation.sql"));
    query.SetPlaceholder(QStringLiteral("{fkAccountNumber}"), Id);
    query.OpenTemplate();
    m_ownAccount = query.IsEmpty();
    return m_ownAccount;
}

void TChartOfAccount::SetOwnAccount(bool ownAccount)
{
    m_ownAccount = ownAccount;
    m_ownAccountChanged = true;
}
