#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

// A date is a count of days since 1899-12-30 00:00; the fraction is the time of day.
using TDateTime = double;

// A date handed to the query object, so that it is written as a date literal
// and not as a number.
struct TDateValue {
    TDateTime Value = 0;
};
Q_DECLARE_METATYPE(TDateValue)

constexpr int AmountDecimals = 2;

// Process-wide formats (fixed once at start-up; this platform has no regional settings).
struct TFormatSettings {
    QChar DecimalSeparator = u',';
    QChar ThousandSeparator = u'.';
    QChar DateSeparator = u'-';
    QString ShortDateFormat = QStringLiteral("yyyy-mm-dd");
    QString LongDateFormat = QStringLiteral("yyyy-mm-dd hh:nn:ss");
};
const TFormatSettings& FormatSettings();
void SetProcessFormats();

// Dates
TDateTime EncodeDate(int year, int month, int day);          // raises EConvertError for an impossible day
TDateTime DateTimeFromQDateTime(const QDateTime& moment);
TDateTime DateFromQDate(const QDate& day);
QDateTime QDateTimeFromDateTime(TDateTime value);
QDate QDateFromDateTime(TDateTime value);
TDateTime Today();                                           // from the replaceable clock
TDateTime NoDate();
bool IsNoDate(TDateTime value);
QString DateToText(TDateTime value);
QString DateTimeToText(TDateTime value);
TDateTime TextToDate(const QString& text);                   // raises EConvertError
TDateTime ParseDateEntry(const QString& text);               // 0 = no date; raises EConvertError for 30 February

// Numbers
double TextToFloat(const QString& text);
bool IsFloatText(const QString& text);
int DigitsToInt(const QString& text);
QString DigitsOnly(const QString& text);
double RoundTo2(double x);
double RoundToDecimals(int decimals, double x);

// Display masks
QString FormatAmountText(double x);                          // "#################0.00"
QString FormatRateText(double x);                            // "#################0.00########"
QString FormatAmountEdit(const QString& fieldText);          // the field's new text
QString FormatRateEdit(const QString& fieldText);
QString FormatAmountReport(double x);                        // "###,###,###,###,###,##0.00####"

// Key filters: true when the typed character reaches the field.
constexpr QChar BackspaceKey = u'\b';
bool IsDigitKey(QChar c);
bool FilterDigitKey(QChar c);
bool FilterAmountKey(const QString& fieldText, int caretPosition, QChar c, bool allowMinus);

// Text
QString QuoteSQLText(const QString& text);

// Desktop services
void CopyFile(const QString& source, const QString& target); // raises EError
void OpenInBrowser(const QString& url);
void OpenMailTo(const QString& address);
