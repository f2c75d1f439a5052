#pragma once

#include "ValueConversionUnit.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

// The SIE 4 document (file type 4, vouchers only) and its byte-exact writer.

// One SIE object of a transaction: a value of one dimension.
struct TObjectList {
    int DimensionNumber = 0;
    QString ObjectValue;
};

// One #TRANS line.
class TTrans {
public:
    QString Account;
    std::vector<TObjectList> Objects;
    double Amount = 0;              // debit positive, credit negative
    TDateTime TransactionDate = 0;  // 0 = none: the voucher's date is written
    QString Text;
    qint32 Quantity = 0;

    // Appends the object unless the transaction already has one of that dimension.
    void AddObject(int dimensionNumber, const QString& value);
    // The value of the dimension's object; empty when there is none.
    QString ObjectValue(int dimensionNumber) const;
    // The text between the braces: "1" "100" "6" "P1".
    QString ObjectsText() const;
};

// One #VER block; owns its transactions.
class TVer {
public:
    QChar Series = QChar(0);        // 0 = not set
    QString Number;
    TDateTime Date = 0;
    QString Text;
    TDateTime RegistrationDate = 0; // 0 = not set

    TTrans& AddTransaction();
    int TransactionCount() const { return static_cast<int>(m_transactions.size()); }
    TTrans& Transaction(int index) const;   // raises "List index out of bounds (%d)"

    // Whole kronor, the fractions summed into one transaction on the rounding
    // account; then zero transactions are dropped.
    void RoundTransactions(const QString& roundingAccountNumber);
    void RemoveZeroTransactions();

private:
    std::vector<std::unique_ptr<TTrans>> m_transactions;
};

// One dimension numbered from an internal account of the company.
struct TDimensionRecord {
    QString Name;                   // as stored
    int InternalAccountId = 0;
    int DimensionNumber = 0;
    int ParentDimensionNumber = 0;  // 0 = none; otherwise written as #UNDERDIM
};

// A row of the company's internal accounts, in the order the database gives them.
struct TInternalAccountRow {
    int InternalAccountId = 0;
    QString Name;
};

// The SIE dimensions of the company's internal accounts, sorted by number.
class TDimensionList {
public:
    TDimensionList() = default;
    explicit TDimensionList(const std::vector<TInternalAccountRow>& internalAccounts);
    // Numbers the internal accounts that "getInternalAccounts.sql" returns.
    static TDimensionList FromDatabase();

    int Count() const { return static_cast<int>(m_records.size()); }
    const TDimensionRecord& Item(int index) const;   // raises "List index out of bounds (%d)"

private:
    std::vector<TDimensionRecord> m_records;
};

// The document of one export; owns its vouchers and its dimension list.
class TSIE {
public:
    // Reads the internal accounts of the connected company and numbers them.
    TSIE();
    explicit TSIE(TDimensionList dimensions);

    QString ProgramName;
    QString ProgramVersion;
    QString CompanyName;
    QString OrganizationNumber;
    TDateTime FiscalYearBegin = 0;
    TDateTime FiscalYearEnd = 0;
    TDateTime PreviousFiscalYearBegin = 0;
    TDateTime PreviousFiscalYearEnd = 0;

    const TDimensionList& Dimensions() const { return m_dimensions; }

    TVer& AddVoucher();
    int VoucherCount() const { return static_cast<int>(m_vouchers.size()); }
    TVer& Voucher(int index) const;          // raises "List index out of bounds (%d)"
    void RoundVouchers(const QString& roundingAccountNumber);

    // The complete file in PC8; #GEN carries today's date from the clock.
    QByteArray DocumentBytes() const;
    // Writes DocumentBytes(); raises EError when the device takes fewer bytes.
    void WriteDocument(QIODevice& stream) const;

private:
    TDimensionList m_dimensions;
    std::vector<std::unique_ptr<TVer>> m_vouchers;
};

// "#################0.00" with a decimal point: -150.80, 1234.50.
QString FormatSIEAmount(double amount);
// YYYYMMDD; 0 is 18991230.
QString FormatSIEDate(TDateTime date);
// IBM code page 437, one byte per character; a character it lacks becomes "?".
QByteArray ToPC8(const QString& text);
// Case-insensitive on the ASCII letters only: "Ä" and "ä" stay different.
bool SameTextASCII(const QString& a, const QString& b);
