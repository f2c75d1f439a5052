#pragma once

#include "PrintListUnit.h"

#include <QHash>
#include <QString>
#include <array>

class TInvoice;

// What the voucher builders read that cannot change while one voucher print or
// one export runs: the company settings they use and the accounts, persons and
// cards they look up. Each is read from the database once per run.
class TVoucherSource {
public:
    // Reads the settings; needs a connection.
    TVoucherSource();

    struct TAccount {
        int Id = 0;                 // 0 when the key names no account
        QString AccountNumber;      // decimal text
        QString AccountName;
        bool Found() const { return Id > 0; }
    };

    // The account with the key ChartOfAccount_ID.
    const TAccount& Account(int key);
    // The account's number and name, or the fallback label and no name when it does not exist.
    TVoucherLineAccount LineAccount(int key, const QString& fallbackLabel);

    // The InternalAccount_ID of INTERNALACCOUNTID1..3 (index 0..2), 0 when unset.
    const std::array<int, 3>& InternalAccountIds() const { return m_internalAccountIds; }
    int IncomingVatKey() const { return m_incomingVat; }
    int PurchaseDifferenceKey() const { return m_purchaseDifference; }
    int InvoiceDifferenceKey() const { return m_invoiceDifference; }
    int RoundingKey() const { return m_rounding; }
    bool RoundAmounts() const { return m_roundAmounts; }

    // TInvoice::OwnerName and IsPrivateCard, remembered per person and card.
    QString OwnerName(TInvoice& invoice);
    bool IsPrivateCard(TInvoice& invoice);

private:
    std::array<int, 3> m_internalAccountIds{};
    int m_incomingVat = 0;
    int m_purchaseDifference = 0;
    int m_invoiceDifference = 0;
    int m_rounding = 0;
    bool m_roundAmounts = false;
    QHash<int, TAccount> m_accounts;
    QHash<int, QString> m_ownerNames;
    QHash<int, bool> m_privateCards;
};
