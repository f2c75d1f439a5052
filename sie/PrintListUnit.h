#pragma once

#include <QString>
#include <vector>

// The record lists of the printed vouchers: voucher lines and the accounts they used.

// One voucher line; debit positive, credit negative.
struct TAccountCodeRecord {
    QString AccountNumber;      // decimal text, or the fallback label of a missing account
    QString AccountName;
    QString InternalAccount1;
    QString InternalAccount2;
    QString InternalAccount3;
    double Amount = 0;
    QString ExtraText;
};
using TAccountCodeList = std::vector<TAccountCodeRecord>;

// One account that appears on a printed voucher.
struct TChartOfAccountRecord {
    QString AccountNumber;
    QString AccountName;
};
using TChartOfAccountList = std::vector<TChartOfAccountRecord>;

// The account a line is posted to: its number and name, or a fallback label and no name.
struct TVoucherLineAccount {
    QString AccountNumber;
    QString AccountName;
};

// Adds the amount to the line of the same account, internal accounts and text
// (compared exactly), or appends a new line.
void AddVoucherLine(TAccountCodeList& list, const QString& accountNumber, const QString& accountName,
                    const QString& internalAccount1, const QString& internalAccount2,
                    const QString& internalAccount3, const QString& extraText, double amount);
// The index of the line with that key, or -1.
int FindVoucherLine(const TAccountCodeList& list, const QString& accountNumber, const QString& internalAccount1,
                    const QString& internalAccount2, const QString& internalAccount3, const QString& extraText);
// Whole kronor; the unrounded sum of the fractions goes to the rounding account
// through AddVoucherLine, unless it rounds to 0.00.
void RoundVoucherLines(TAccountCodeList& list, const TVoucherLineAccount& roundingAccount);
// Drops every line whose amount rounds to 0.00.
void RemoveZeroVoucherLines(TAccountCodeList& list);
// Ascending by account number text, code unit by code unit; equal numbers keep their order.
void SortVoucherLines(TAccountCodeList& list);
// Appends the account unless its number is listed already; the list stays sorted like the lines.
void AddUsedAccount(TChartOfAccountList& list, const QString& accountNumber, const QString& accountName);
// A positive amount adds to the debit total, any other to the credit total.
void AddDebitCredit(double& debit, double& credit, double amount);

template <typename TRecord>
void ClearRecordList(std::vector<TRecord>& list)
{
    list.clear();
}
