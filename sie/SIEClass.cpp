#include "SIEClass.h"

#include "ClockUnit.h"
#include "ErrorUnit.h"
#include "QueryUnit.h"

#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <iconv.h>
#include <optional>

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QChar Tab = u'\t';

EError ListIndexError(int index)
{
    return EError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

template <typename T>
T& ItemAt(const std::vector<std::unique_ptr<T>>& items, int index)
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        throw ListIndexError(index);
    return *items[static_cast<size_t>(index)];
}

// Blanks and control characters off both ends, as every text of the file is trimmed.
QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

// Only 0 and 1901-01-01 itself are unset in the file; any earlier date is written.
bool IsUnsetDate(TDateTime date)
{
    return date == 0 || date == NoDate();
}

char32_t ASCIILower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c;
}

// The length of the UTF-8 sequence that starts with the byte.
size_t UTF8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

class TIconv {
public:
    TIconv(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw EError(QStringLiteral("Cannot convert text to %1: %2")
                             .arg(QString::fromLatin1(to), QString::fromLocal8Bit(std::strerror(errno))));
    }
    ~TIconv() { iconv_close(m_cd); }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;
    iconv_t Handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

// ---------------------------------------------------------------- TTrans

void TTrans::AddObject(int dimensionNumber, const QString& value)
{
    const bool present = std::any_of(Objects.cbegin(), Objects.cend(), [&](const TObjectList& object) {
        return object.DimensionNumber == dimensionNumber;
    });
    if (!present)
        Objects.push_back({dimensionNumber, value});
}

QString TTrans::ObjectValue(int dimensionNumber) const
{
    for (const TObjectList& object : Objects) {
        if (object.DimensionNumber == dimensionNumber)
            return object.ObjectValue;
    }
    return {};
}

QString TTrans::ObjectsText() const
{
    QString text;
    for (const TObjectList& object : Objects)
        text += u' ' + Quoted(QString::number(object.DimensionNumber)) + u' ' + Quoted(TrimBlanks(object.ObjectValue));
    return TrimBlanks(text);
}

// ---------------------------------------------------------------- TVer

TTrans& TVer::AddTransaction()
{
    return *m_transactions.emplace_back(std::make_unique<TTrans>());
}

TTrans& TVer::Transaction(int index) const
{
    return ItemAt(m_transactions, index);
}

void TVer::RoundTransactions(const QString& roundingAccountNumber)
{
    double fractions = 0;
    for (const auto& transaction : m_transactions) {
        // Rounded in floating point (ties to even), so no amount is too large for it.
        const double rounded = std::nearbyint(transaction->Amount);
        fractions += transaction->Amount - rounded;
        transaction->Amount = rounded;
    }
    const double rounding = RoundTo2(fractions);
    if (rounding != 0) {
        TTrans& transaction = AddTransaction();
        transaction.Account = roundingAccountNumber;
        transaction.Amount = rounding;
    }
    RemoveZeroTransactions();
}

void TVer::RemoveZeroTransactions()
{
    std::erase_if(m_transactions, [](const auto& transaction) { return RoundTo2(transaction->Amount) == 0; });
}

// ---------------------------------------------------------------- TDimensionList

TDimensionList::TDimensionList(const std::vector<TInternalAccountRow>& internalAccounts)
{
    // SIE reserves numbers for the well-known dimensions; every other one gets
    // the next free number from 20 in the order the rows come.
    static const std::vector<std::pair<QString, int>> fixedNumbers = {
        {QStringLiteral("projekt"), 6}, {QStringLiteral("anställd"), 7}, {QStringLiteral("kund"), 8},
        {QStringLiteral("leverantör"), 9}, {QStringLiteral("faktura"), 10}};
    int nextFree = 20;
    std::optional<TInternalAccountRow> costCentre;
    std::optional<TInternalAccountRow> resultUnit;
    std::optional<TInternalAccountRow> costUnit;
    const auto append = [this](const TInternalAccountRow& row, int number, int parent) {
        m_records.push_back({row.Name, row.InternalAccountId, number, parent});
    };

    for (const TInternalAccountRow& row : internalAccounts) {
        if (SameTextASCII(row.Name, QStringLiteral("kostnadsställe"))) {
            costCentre = row;
        } else if (SameTextASCII(row.Name, QStringLiteral("resultatenhet"))) {
            resultUnit = row;
        } else if (SameTextASCII(row.Name, QStringLiteral("kostnadsbärare"))) {
            costUnit = row;
        } else {
            const auto fixed = std::find_if(fixedNumbers.cbegin(), fixedNumbers.cend(),
                                            [&](const auto& entry) { return SameTextASCII(row.Name, entry.first); });
            append(row, fixed != fixedNumbers.cend() ? fixed->second : nextFree++, 0);
        }
    }

    if (costCentre && resultUnit) {
        append(*costCentre, 1, 0);
        append(*resultUnit, nextFree++, 0);
    } else if (costCentre || resultUnit) {
        append(costCentre ? *costCentre : *resultUnit, 1, 0);
    }
    // With both cost centre and result unit the cost unit is a sub-dimension of the cost centre.
    if (costUnit) {
        if (costCentre && resultUnit)
            append(*costUnit, 2, 1);
        else
            append(*costUnit, nextFree++, 0);
    }

    std::stable_sort(m_records.begin(), m_records.end(), [](const TDimensionRecord& a, const TDimensionRecord& b) {
        return a.DimensionNumber < b.DimensionNumber;
    });
}

TDimensionList TDimensionList::FromDatabase()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getInternalAccounts.sql"));
    query.OpenTemplate();
    std::vector<TInternalAccountRow> rows;
    for (; !query.Eof(); query.Next())
        rows.push_back({query.FieldAsInteger(QStringLiteral("InternalAccount_ID")),
                        query.FieldAsText(QStringLiteral("InternalAccountName"))});
    return TDimensionList(rows);
}

const TDimensionRecord& TDimensionList::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw ListIndexError(index);
    return m_records[static_cast<size_t>(index)];
}

// ---------------------------------------------------------------- TSIE

TSIE::TSIE() : TSIE(TDimensionList::FromDatabase()) {}

TSIE::TSIE(TDimensionList dimensions) : m_dimensions(std::move(dimensions)) {}

TVer& TSIE::AddVoucher()
{
    return *m_vouchers.emplace_back(std::make_unique<TVer>());
}

TVer& TSIE::Voucher(int index) const
{
    return ItemAt(m_vouchers, index);
}

void TSIE::RoundVouchers(const QString& roundingAccountNumber)
{
    for (const auto& voucher : m_vouchers)
        voucher->RoundTransactions(roundingAccountNumber);
}

QByteArray TSIE::DocumentBytes() const
{
    QString text;
    const auto line = [&text](const QStringList& fields) { text += fields.join(Tab) + CRLF; };

    line({QStringLiteral("#FLAGGA"), QStringLiteral("0")});
    line({QStringLiteral("#PROGRAM"), Quoted(ProgramName), Quoted(ProgramVersion)});
    line({QStringLiteral("#FORMAT"), QStringLiteral("PC8")});
    line({QStringLiteral("#GEN"), FormatSIEDate(Today())});
    line({QStringLiteral("#SIETYP"), QStringLiteral("4")});
    line({QStringLiteral("#ORGNR"), OrganizationNumber});
    line({QStringLiteral("#FNAMN"), Quoted(CompanyName)});
    line({QStringLiteral("#RAR"), QStringLiteral("0"), FormatSIEDate(FiscalYearBegin), FormatSIEDate(FiscalYearEnd)});
    line({QStringLiteral("#RAR"), QStringLiteral("-1"), FormatSIEDate(PreviousFiscalYearBegin),
          FormatSIEDate(PreviousFiscalYearEnd)});

    for (int i = 0; i < m_dimensions.Count(); ++i) {
        const TDimensionRecord& dimension = m_dimensions.Item(i);
        if (dimension.ParentDimensionNumber == 0)
            line({QStringLiteral("#DIM"), QString::number(dimension.DimensionNumber), Quoted(dimension.Name)});
        else
            line({QStringLiteral("#UNDERDIM"), QString::number(dimension.DimensionNumber),
                  Quoted(dimension.Name) + u' ' + QString::number(dimension.ParentDimensionNumber)});
    }

    for (const auto& voucher : m_vouchers) {
        text += QStringLiteral("#VER\t") + Quoted(TrimBlanks(QString(voucher->Series))) + Tab + Quoted(voucher->Number)
                + Tab + FormatSIEDate(voucher->Date) + Tab;
        const bool hasRegistrationDate = !IsUnsetDate(voucher->RegistrationDate);
        if (!voucher->Text.isEmpty() || hasRegistrationDate)
            text += Quoted(voucher->Text) + Tab;
        if (hasRegistrationDate)
            text += FormatSIEDate(voucher->RegistrationDate) + Tab;
        text += CRLF;

        text += u'{' + CRLF;
        for (int i = 0; i < voucher->TransactionCount(); ++i) {
            const TTrans& transaction = voucher->Transaction(i);
            text += QStringLiteral("\t#TRANS\t") + transaction.Account + QStringLiteral("\t{") + transaction.ObjectsText()
                    + QStringLiteral("}\t") + FormatSIEAmount(transaction.Amount) + Tab;
            if (!transaction.Text.isEmpty() || transaction.Quantity != 0) {
                const TDateTime date =
                    IsUnsetDate(transaction.TransactionDate) ? voucher->Date : transaction.TransactionDate;
                text += FormatSIEDate(date) + Tab + Quoted(transaction.Text) + Tab;
            }
            if (transaction.Quantity != 0)
                text += QString::number(transaction.Quantity);
            text += CRLF;
        }
        text += u'}' + CRLF;
    }
    return ToPC8(text);
}

void TSIE::WriteDocument(QIODevice& stream) const
{
    const QByteArray bytes = DocumentBytes();
    if (stream.write(bytes) != bytes.size())
        throw EError(QStringLiteral("Cannot write the SIE file: ") + stream.errorString());
}

// ---------------------------------------------------------------- helpers

QString FormatSIEAmount(double amount)
{
    return FormatAmountText(amount).replace(u',', u'.');
}

QString FormatSIEDate(TDateTime date)
{
    return QDateFromDateTime(date).toString(QStringLiteral("yyyyMMdd"));
}

QByteArray ToPC8(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    // Every character takes at least one byte in UTF-8 and exactly one in PC8.
    QByteArray pc8(utf8.size(), Qt::Uninitialized);
    const TIconv converter("CP437", "UTF-8");
    char* in = utf8.data();
    size_t inLeft = static_cast<size_t>(utf8.size());
    char* out = pc8.data();
    size_t outLeft = static_cast<size_t>(pc8.size());
    while (inLeft > 0) {
        if (iconv(converter.Handle(), &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            throw EError(QStringLiteral("Cannot convert text to PC8: ") + QString::fromLocal8Bit(std::strerror(errno)));
        // A character that code page 437 lacks: one "?" in its place, and go on.
        const size_t length = std::min(UTF8SequenceLength(static_cast<unsigned char>(*in)), inLeft);
        in += length;
        inLeft -= length;
        *out++ = '?';
        --outLeft;
    }
    pc8.truncate(out - pc8.data());
    return pc8;
}

bool SameTextASCII(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (ASCIILower(a[i].unicode()) != ASCIILower(b[i].unicode()))
            return false;
    }
    return true;
}
