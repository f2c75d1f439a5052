#include "PrintListUnit.h"

#include "ValueConversionUnit.h"

#include <algorithm>
#include <cmath>

namespace {

// Account numbers are decimal text, so "10000" comes before "2640", and the
// fallback labels ("Öresavrundning") come after every number.
template <typename TRecord>
void SortByAccountNumber(std::vector<TRecord>& list)
{
    std::stable_sort(list.begin(), list.end(),
                     [](const TRecord& a, const TRecord& b) { return a.AccountNumber < b.AccountNumber; });
}

} // namespace

void AddVoucherLine(TAccountCodeList& list, const QString& accountNumber, const QString& accountName,
                    const QString& internalAccount1, const QString& internalAccount2,
                    const QString& internalAccount3, const QString& extraText, double amount)
{
    const int index = FindVoucherLine(list, accountNumber, internalAccount1, internalAccount2, internalAccount3,
                                      extraText);
    if (index >= 0)
        list[static_cast<size_t>(index)].Amount += amount;
    else
        list.push_back({accountNumber, accountName, internalAccount1, internalAccount2, internalAccount3, amount,
                        extraText});
}

int FindVoucherLine(const TAccountCodeList& list, const QString& accountNumber, const QString& internalAccount1,
                    const QString& internalAccount2, const QString& internalAccount3, const QString& extraText)
{
    const auto line = std::find_if(list.cbegin(), list.cend(), [&](const TAccountCodeRecord& record) {
        return record.AccountNumber == accountNumber && record.InternalAccount1 == internalAccount1
               && record.InternalAccount2 == internalAccount2 && record.InternalAccount3 == internalAccount3
               && record.ExtraText == extraText;
    });
    return line == list.cend() ? -1 : static_cast<int>(line - list.cbegin());
}

void RoundVoucherLines(TAccountCodeList& list, const TVoucherLineAccount& roundingAccount)
{
    double fractions = 0;
    for (TAccountCodeRecord& line : list) {
        // Rounded in floating point (ties to even), so no amount is too large for it.
        const double rounded = std::nearbyint(line.Amount);
        fractions += line.Amount - rounded;
        line.Amount = rounded;
    }
    if (RoundTo2(fractions) != 0)
        AddVoucherLine(list, roundingAccount.AccountNumber, roundingAccount.AccountName, {}, {}, {}, {}, fractions);
}

void RemoveZeroVoucherLines(TAccountCodeList& list)
{
    std::erase_if(list, [](const TAccountCodeRecord& line) { return RoundTo2(line.Amount) == 0; });
}

void SortVoucherLines(TAccountCodeList& list)
{
    SortByAccountNumber(list);
}

void AddUsedAccount(TChartOfAccountList& list, const QString& accountNumber, const QString& accountName)
{
    const bool listed = std::any_of(list.cbegin(), list.cend(), [&](const TChartOfAccountRecord& record) {
        return record.AccountNumber == accountNumber;
    });
    if (listed)
        return;
    list.push_back({accountNumber, accountName});
    SortByAccountNumber(list);
}

void AddDebitCredit(double& debit, double& credit, double amount)
{
    if (amount > 0)
        debit += amount;
    else
        credit += amount;
}
