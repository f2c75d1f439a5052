#include "RepresentationType_Class.h"

namespace {

// The cached account, loaded by key on first use.
TChartOfAccount& CachedAccount(std::unique_ptr<TChartOfAccount>& account, int key)
{
    if (!account) {
        account = std::make_unique<TChartOfAccount>();
        account->LoadById(key);
    }
    return *account;
}

// Replaces the cached account by the one with the typed number, unless it has it already.
void SetAccountNumber(std::unique_ptr<TChartOfAccount>& account, int& key, const QString& accountNumber)
{
    if (accountNumber == CachedAccount(account, key).GetDisplayText())
        return;
    account = std::make_unique<TChartOfAccount>();
    key = account->FindByAccountNumber(accountNumber);
}

} // namespace

TRepresentationType::TRepresentationType(QObject* owner)
    : TValdrona(QStringLiteral("RepresentationTypes"), QStringLiteral("RepresentationType_ID"), owner)
{
}

TRepresentationType::~TRepresentationType() = default;

void TRepresentationType::Clear()
{
    m_vat.reset();
    m_deductionAccount.reset();
    m_nonDeductionAccount.reset();
}

bool TRepresentationType::CanDelete()
{
    TValdrona_ADOQuery& query = Query();
    query.CloseAndClear();
    query.AddCondition(TablePrefix + QStringLiteral("PurchaseRegistrations"), QStringLiteral("fkRepresentationTypeID"), Id);
    const bool used = query.AnyRowExists();
    query.CloseAndClear();
    return !used;
}

void TRepresentationType::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    RepresentationTypeName = query.FieldAsText(QStringLiteral("RepresentationTypeName"));
    RepresentationTypeShortName = query.FieldAsText(QStringLiteral("RepresentationTypeShortName"));
    fkVatID = query.FieldAsInteger(QStringLiteral("fkVatID"));
    DeductionAmount = query.FieldAsRoundedFloat(QStringLiteral("DeductionAmount"), AmountDecimals);
    fkDeductionAccountNumber = query.FieldAsInteger(QStringLiteral("fkDeductionAccountNumber"));
    fkNonDeductionAccountNumber = query.FieldAsInteger(QStringLiteral("fkNonDeductionAccountNumber"));
}

void TRepresentationType::AddFieldValues()
{
    const QString table = PrefixedTableName();
    TValdrona_ADOQuery& query = Query();
    query.AddValue(table, QStringLiteral("RepresentationTypeName"), RepresentationTypeName);
    query.AddValue(table, QStringLiteral("RepresentationTypeShortName"), RepresentationTypeShortName);
    query.AddValue(table, QStringLiteral("fkVatID"), fkVatID);
    query.AddValue(table, QStringLiteral("DeductionAmount"), DeductionAmount);
    query.AddValue(table, QStringLiteral("fkDeductionAccountNumber"), fkDeductionAccountNumber);
    query.AddValue(table, QStringLiteral("fkNonDeductionAccountNumber"), fkNonDeductionAccountNumber);
}

QString TRepresentationType::GetDisplayText()
{
    return RepresentationTypeName;
}

TVat& TRepresentationType::Vat()
{
    if (!m_vat) {
        m_vat = std::make_unique<TVat>();
        m_vat->LoadById(fkVatID);
    }
    return *m_vat;
}

TChartOfAccount& TRepresentationType::DeductionAccount()
{
    return CachedAccount(m_deductionAccount, fkDeductionAccountNumber);
}

TChartOfAccount& TRepresentationType::NonDeductionAccount()
{
    return CachedAccount(m_nonDeductionAccount, fkNonDeductionAccountNumber);
}

void TRepresentationType::SetDeductionAccountNumber(const QString& accountNumber)
{
    SetAccountNumber(m_deductionAccount, fkDeductionAccountNumber, accountNumber);
}

void TRepresentationType::SetNonDeductionAccountNumber(const QString& accountNumber)
{
    SetAccountNumber(m_nonDeductionAccount, fkNonDeductionAccountNumber, accountNumber);
}
