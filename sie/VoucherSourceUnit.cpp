#include "VoucherSourceUnit.h"

#include "ChartOfAccount_Class.h"
#include "Invoice_Class.h"
#include "SettingsUnit.h"

TVoucherSource::TVoucherSource()
    : m_internalAccountIds{GetSettingInt(QStringLiteral("INTERNALACCOUNTID1"), 0),
                           GetSettingInt(QStringLiteral("INTERNALACCOUNTID2"), 0),
                           GetSettingInt(QStringLiteral("INTERNALACCOUNTID3"), 0)},
      m_incomingVat(GetSettingInt(QStringLiteral("INCOMINGVAT"), 0)),
      m_purchaseDifference(GetSettingInt(QStringLiteral("PURCHASEDIFFERENCE"), 0)),
      m_invoiceDifference(GetSettingInt(QStringLiteral("INVOICEDIFFERENCE"), 0)),
      m_rounding(GetSettingInt(QStringLiteral("ACCOUNTCODEDIFFACCOUNT"), 0)),
      m_roundAmounts(GetSettingBool(QStringLiteral("ROUNDAMOUNT_SUMVER"), false))
{
}

const TVoucherSource::TAccount& TVoucherSource::Account(int key)
{
    auto cached = m_accounts.constFind(key);
    if (cached == m_accounts.cend()) {
        TChartOfAccount account;
        const int id = account.LoadById(key);
        cached = m_accounts.insert(key, {id, QString::number(account.AccountNumber), account.AccountName});
    }
    return *cached;
}

TVoucherLineAccount TVoucherSource::LineAccount(int key, const QString& fallbackLabel)
{
    const TAccount& account = Account(key);
    if (!account.Found())
        return {fallbackLabel, {}};
    return {account.AccountNumber, account.AccountName};
}

QString TVoucherSource::OwnerName(TInvoice& invoice)
{
    auto cached = m_ownerNames.constFind(invoice.fkPersonID);
    if (cached == m_ownerNames.cend())
        cached = m_ownerNames.insert(invoice.fkPersonID, invoice.OwnerName());
    return *cached;
}

bool TVoucherSource::IsPrivateCard(TInvoice& invoice)
{
    auto cached = m_privateCards.constFind(invoice.fkCardID);
    if (cached == m_privateCards.cend())
        cached = m_privateCards.insert(invoice.fkCardID, invoice.IsPrivateCard());
    return *cached;
}
