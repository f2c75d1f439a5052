#include "ValueConversionUnit.h"

#include "ClockUnit.h"
#include "ErrorUnit.h"
#include "PromptUnit.h"

#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStringList>

#include <cmath>
#include <optional>

namespace {

constexpr qint64 MSecsPerDay = 24LL * 60 * 60 * 1000;
constexpr QDate DayZero = QDate::fromJulianDay(2415019); // 1899-12-30, fixed before any static initialiser runs

// Day and time of day of a date value. The value is rounded to whole milliseconds
// first, so that 0.9999999999 is the next midnight and not 23:59:59.999. A value
// before day zero holds its time of day as a positive fraction (-1.25 is
// 1899-12-29 06:00), as dates have always been stored.
struct TDayAndTime {
    QDate Day;
    QTime Time;
};

TDayAndTime DecodeDateTime(TDateTime value)
{
    const qint64 msecs = std::llround(static_cast<long double>(value) * MSecsPerDay);
    return {DayZero.addDays(msecs / MSecsPerDay),
            QTime::fromMSecsSinceStartOfDay(static_cast<int>(std::abs(msecs) % MSecsPerDay))};
}

QString TwoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

// A date entry field: day and month must lie in their bounds before the day is
// checked against the month, so that 1309 is no date but 0230 an error.
TDateTime DateFromEntryDigits(int year, int month, int day)
{
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return 0;
    return EncodeDate(year, month, day);
}

// Reads a float written with "," as the decimal separator; a "." is no part of a number.
std::optional<double> ReadFloat(QString text)
{
    if (text.contains(u'.'))
        return std::nullopt;
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The display masks work on the decimal text of the value, not on its binary
// value: 2.675 is held as 2.67499999..., but is shown as 2,68 because its decimal
// text is 2.675. Fifteen significant digits are what a double holds reliably.
struct TFixedDigits {
    QString Integer;
    QString Fraction;
};

TFixedDigits FixedDigits(double magnitude)
{
    const QString scientific = QString::number(magnitude, 'e', 14); // "d.dddddddddddddde±XX"
    const qsizetype e = scientific.indexOf(u'e');
    const QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    const int integerLength = scientific.mid(e + 1).toInt() + 1;
    if (integerLength <= 0)
        return {QStringLiteral("0"), QString(-integerLength, u'0') + digits};
    return {digits.left(integerLength).leftJustified(integerLength, u'0'), digits.mid(integerLength)};
}

// The digits are those of the magnitude, so rounding them up is rounding away from zero.
void RoundHalfUp(TFixedDigits& fixed, int decimals)
{
    if (fixed.Fraction.size() <= decimals)
        return;
    const bool roundUp = fixed.Fraction[decimals] >= u'5';
    fixed.Fraction.truncate(decimals);
    if (!roundUp)
        return;
    QString digits = fixed.Integer + fixed.Fraction;
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits[i] == u'9')
        digits[i--] = u'0';
    if (i >= 0)
        digits[i] = QChar(digits[i].unicode() + 1);
    else
        digits.prepend(u'1');
    fixed = {digits.left(digits.size() - decimals), digits.right(decimals)};
}

struct TMaskFormat {
    int MinDecimals;
    int MaxDecimals;
    bool GroupThousands;
};

QString FormatWithMask(double x, const TMaskFormat& mask)
{
    if (!std::isfinite(x))
        return QString::number(x);
    const TFormatSettings& formats = FormatSettings();
    TFixedDigits fixed = FixedDigits(std::fabs(x));
    RoundHalfUp(fixed, mask.MaxDecimals);

    // A value that rounds to zero is shown without sign.
    const auto isZero = [](const QString& digits) { return digits.count(u'0') == digits.size(); };
    const bool negative = x < 0 && !(isZero(fixed.Integer) && isZero(fixed.Fraction));

    QString integerPart = fixed.Integer;
    if (mask.GroupThousands) {
        for (qsizetype i = integerPart.size() - 3; i > 0; i -= 3)
            integerPart.insert(i, formats.ThousandSeparator);
    }
    QString fraction = fixed.Fraction;
    while (fraction.size() > mask.MinDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    fraction = fraction.leftJustified(mask.MinDecimals, u'0');

    QString result = negative ? QStringLiteral("-") + integerPart : integerPart;
    if (!fraction.isEmpty())
        result += formats.DecimalSeparator + fraction;
    return result;
}

constexpr TMaskFormat AmountTextMask{2, 2, false};   // "#################0.00"
constexpr TMaskFormat RateTextMask{2, 10, false};    // "#################0.00########"
constexpr TMaskFormat AmountReportMask{2, 6, true};  // "###,###,###,###,###,##0.00####"

void OpenWithDesktop(const QString& address, const QString& failureMessage)
{
    // xdg-open hands the address to the desktop's default program and returns.
    if (!QProcess::startDetached(QStringLiteral("xdg-open"), {address}))
        ShowError(failureMessage);
}

} // namespace

const TFormatSettings& FormatSettings()
{
    static const TFormatSettings formats;
    return formats;
}

void SetProcessFormats()
{
    // Every conversion here is written against FormatSettings(), whose values are
    // fixed; this platform has no regional settings that could override them.
}

TDateTime EncodeDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        throw EConvertError(QStringLiteral("Invalid argument to date encode: %1-%2-%3")
                                .arg(year).arg(month).arg(day));
    return DateFromQDate(date);
}

TDateTime DateTimeFromQDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        return 0;
    const double days = DateFromQDate(moment.date());
    const double fraction = static_cast<double>(moment.time().msecsSinceStartOfDay()) / MSecsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

TDateTime DateFromQDate(const QDate& day)
{
    return day.isValid() ? static_cast<TDateTime>(DayZero.daysTo(day)) : 0;
}

QDateTime QDateTimeFromDateTime(TDateTime value)
{
    const TDayAndTime decoded = DecodeDateTime(value);
    return QDateTime(decoded.Day, decoded.Time);
}

QDate QDateFromDateTime(TDateTime value)
{
    return DecodeDateTime(value).Day;
}

TDateTime Today()
{
    return DateFromQDate(CurrentDate());
}

TDateTime NoDate()
{
    static const TDateTime noDate = TextToDate(QStringLiteral("1901-01-01"));
    return noDate;
}

bool IsNoDate(TDateTime value)
{
    return value == 0 || value <= NoDate();
}

QString DateToText(TDateTime value)
{
    if (IsNoDate(value))
        return {};
    const QDate day = QDateFromDateTime(value);
    const QChar separator = FormatSettings().DateSeparator;
    return QString::number(day.year()).rightJustified(4, u'0') + separator + TwoDigits(day.month())
           + separator + TwoDigits(day.day());
}

QString DateTimeToText(TDateTime value)
{
    if (IsNoDate(value))
        return {};
    const QTime time = DecodeDateTime(value).Time;
    const QString timeText = time == QTime(0, 0) ? QString() : TwoDigits(time.hour()) + u':' + TwoDigits(time.minute());
    return DateToText(value) + u' ' + timeText;
}

TDateTime TextToDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    const QStringList parts = trimmed.split(FormatSettings().DateSeparator);
    const auto isNumber = [](const QString& part, int maxLength) {
        return !part.isEmpty() && part.size() <= maxLength && DigitsOnly(part) == part;
    };
    if (parts.size() != 3 || !isNumber(parts[0], 4) || !isNumber(parts[1], 2) || !isNumber(parts[2], 2))
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    const QDate date(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
    if (!date.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return DateFromQDate(date);
}

TDateTime ParseDateEntry(const QString& text)
{
    QString digits = DigitsOnly(text.size() == 1 ? QChar(u'0') + text : text);
    const QDate today = CurrentDate();
    TDateTime result = 0;
    if (digits.size() == 2) {
        const QDate day(today.year(), today.month(), digits.toInt());
        result = DateFromQDate(day);
    }
    if (digits.size() == 4)
        digits.prepend(QString::number(today.year()).rightJustified(4, u'0'));
    if (result == 0) {
        if (digits.size() == 6) {
            const int yy = digits.left(2).toInt();
            result = DateFromEntryDigits(yy >= 96 ? 1900 + yy : 2000 + yy, digits.mid(2, 2).toInt(),
                                         digits.mid(4, 2).toInt());
        } else if (digits.size() == 8) {
            result = DateFromEntryDigits(digits.left(4).toInt(), digits.mid(4, 2).toInt(),
                                         digits.mid(6, 2).toInt());
        }
    }
    return result;
}

double TextToFloat(const QString& text)
{
    QString normalized = text;
    normalized.replace(u'.', FormatSettings().DecimalSeparator);
    return ReadFloat(normalized).value_or(0);
}

bool IsFloatText(const QString& text)
{
    return ReadFloat(text).has_value();
}

int DigitsToInt(const QString& text)
{
    QString digits = DigitsOnly(text.trimmed());
    if (digits.isEmpty())
        digits = QStringLiteral("0");
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(digits));
    return value;
}

QString DigitsOnly(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (IsDigitKey(c))
            digits += c;
    }
    return digits;
}

double RoundTo2(double x)
{
    return RoundToDecimals(AmountDecimals, x);
}

double RoundToDecimals(int decimals, double x)
{
    // The product is formed in extended precision, where 0.135 × 100 stays just
    // above 13.5 and 2.675 × 100 just below 267.5, and rounded there with halves to
    // even. Nothing passes through an integer type, so no amount is too large.
    long double scale = 1;
    for (int i = 0; i < std::abs(decimals); ++i)
        scale *= 10;
    const long double value = x;
    if (decimals >= 0)
        return static_cast<double>(std::nearbyintl(value * scale) / scale);
    return static_cast<double>(std::nearbyintl(value / scale) * scale);
}

QString FormatAmountText(double x)
{
    return FormatWithMask(x, AmountTextMask);
}

QString FormatRateText(double x)
{
    return FormatWithMask(x, RateTextMask);
}

QString FormatAmountEdit(const QString& fieldText)
{
    return FormatAmountText(TextToFloat(fieldText));
}

QString FormatRateEdit(const QString& fieldText)
{
    return FormatRateText(TextToFloat(fieldText));
}

QString FormatAmountReport(double x)
{
    return FormatWithMask(x, AmountReportMask);
}

bool IsDigitKey(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool FilterDigitKey(QChar c)
{
    return IsDigitKey(c) || c == BackspaceKey;
}

bool FilterAmountKey(const QString& fieldText, int caretPosition, QChar c, bool allowMinus)
{
    const QChar decimalSeparator = FormatSettings().DecimalSeparator;
    if (c == decimalSeparator)
        return !fieldText.contains(decimalSeparator);
    if (allowMinus && c == u'-')
        return !fieldText.contains(u'-') && caretPosition == 0;
    return FilterDigitKey(c);
}

QString QuoteSQLText(const QString& text)
{
    QString quoted = text;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

void CopyFile(const QString& source, const QString& target)
{
    const auto fail = [&](const QString& reason) {
        return EError(QStringLiteral("Cannot copy file %1 to %2: %3").arg(source, target, reason));
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw fail(in.errorString());
    // The copy is written beside the target and renamed over it when complete, so a
    // failed copy never leaves half a database behind.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        throw fail(out.errorString());
    constexpr qint64 ChunkSize = 1 << 20;
    for (QByteArray chunk = in.read(ChunkSize); !chunk.isEmpty(); chunk = in.read(ChunkSize)) {
        if (out.write(chunk) != chunk.size())
            throw fail(out.errorString());
    }
    if (in.error() != QFileDevice::NoError)
        throw fail(in.errorString());
    if (!out.commit())
        throw fail(out.errorString());
}

void OpenInBrowser(const QString& url)
{
    OpenWithDesktop(url, QStringLiteral("Ett fel uppstod när din webbläsare skulle öppnas."));
}

void OpenMailTo(const QString& address)
{
    OpenWithDesktop(QStringLiteral("mailto:") + address,
                    QStringLiteral("Ett fel uppstod när din e-postläsare skulle öppnas."));
}
