#include "ClockUnit.h"
#include "ErrorUnit.h"
#include "ScriptedPrompt.h"
#include "TestFiles.h"
#include "ValueConversionUnit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Doubles compared by all their digits: QCOMPARE on doubles forgives the last
// cent of a large amount.
QString Exact(double x)
{
    return QString::number(x, 'g', 17);
}

// Runs programs from one folder only for as long as it lives.
class TSearchPath {
public:
    explicit TSearchPath(const QString& folder) : m_saved(qgetenv("PATH")) { qputenv("PATH", folder.toLocal8Bit()); }
    ~TSearchPath() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

} // namespace

class TestValueConversion : public QObject {
    Q_OBJECT

private slots:
    void parseDateEntry_data();
    void parseDateEntry();
    void parseDateEntryImpossibleDayRaises_data();
    void parseDateEntryImpossibleDayRaises();
    void todayFollowsClock();
    void isNoDate_data();
    void isNoDate();
    void dateTimeToText_data();
    void dateTimeToText();
    void dateTimeRoundTrip_data();
    void dateTimeRoundTrip();
    void textToDate_data();
    void textToDate();
    void textToDateInvalidRaises_data();
    void textToDateInvalidRaises();
    void textToFloat_data();
    void textToFloat();
    void isFloatText_data();
    void isFloatText();
    void digitsToInt_data();
    void digitsToInt();
    void digitsToIntOverflowRaises();
    void digitsOnly_data();
    void digitsOnly();
    void roundTo2_data();
    void roundTo2();
    void roundToDecimals_data();
    void roundToDecimals();
    void formatAmountText_data();
    void formatAmountText();
    void formatRateText_data();
    void formatRateText();
    void formatAmountReport_data();
    void formatAmountReport();
    void formatEdit_data();
    void formatEdit();
    void filterDigitKey_data();
    void filterDigitKey();
    void filterAmountKey_data();
    void filterAmountKey();
    void quoteSQLText_data();
    void quoteSQLText();
    void copyFileCreatesAndReplaces();
    void copyFileFailureRaises();
    void openFailureShowsMessage_data();
    void openFailureShowsMessage();
    void openMailToPassesMailtoAddress();
};

void TestValueConversion::parseDateEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected"); // invalid = no date

    QTest::newRow("one digit is a day") << "5" << QDate(2012, 2, 5);
    QTest::newRow("two digits are a day") << "13" << QDate(2012, 2, 13);
    QTest::newRow("leap day of this February") << "29" << QDate(2012, 2, 29);
    QTest::newRow("day this February lacks") << "30" << QDate();
    QTest::newRow("day zero") << "00" << QDate();
    QTest::newRow("single zero") << "0" << QDate();
    QTest::newRow("four digits are month and day") << "0309" << QDate(2012, 3, 9);
    QTest::newRow("yymmdd") << "120309" << QDate(2012, 3, 9);
    QTest::newRow("yymmdd 97 is 1997") << "970309" << QDate(1997, 3, 9);
    QTest::newRow("yymmdd 96 is 1996") << "960101" << QDate(1996, 1, 1);
    QTest::newRow("yymmdd 95 is 2095") << "950101" << QDate(2095, 1, 1);
    QTest::newRow("yyyy-mm-dd") << "2012-03-09" << QDate(2012, 3, 9);
    QTest::newRow("separators dropped") << "12.03.09" << QDate(2012, 3, 9);
    QTest::newRow("month 13") << "1309" << QDate();
    QTest::newRow("day 32") << "0332" << QDate();
    QTest::newRow("month 0 of yyyymmdd") << "20120009" << QDate();
    QTest::newRow("three digits") << "123" << QDate();
    QTest::newRow("five digits") << "12345" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("no digits") << "abc" << QDate();
}

void TestValueConversion::parseDateEntry()
{
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    const TFixedClock february2012(QDate(2012, 2, 15));
    QCOMPARE(DateToText(ParseDateEntry(typed)), DateToText(DateFromQDate(expected)));
    QCOMPARE(ParseDateEntry(typed), DateFromQDate(expected));
}

void TestValueConversion::parseDateEntryImpossibleDayRaises_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("30 February, four digits") << "0230";
    QTest::newRow("30 February, yymmdd") << "120230";
    QTest::newRow("31 April, yyyymmdd") << "20120431";
    QTest::newRow("29 February of a common year") << "2011-02-29";
}

void TestValueConversion::parseDateEntryImpossibleDayRaises()
{
    QFETCH(QString, typed);
    const TFixedClock february2012(QDate(2012, 2, 15));
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseDateEntry(typed));
}

void TestValueConversion::todayFollowsClock()
{
    const TFixedClock clock(QDateTime(QDate(2012, 2, 9), QTime(15, 30)));
    QCOMPARE(DateTimeToText(Today()), QStringLiteral("2012-02-09 "));
}

void TestValueConversion::isNoDate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("noDate");
    QTest::newRow("zero") << 0.0 << true;
    QTest::newRow("before day zero") << -5.0 << true;
    QTest::newRow("1900-06-01") << DateFromQDate(QDate(1900, 6, 1)) << true;
    QTest::newRow("1901-01-01") << DateFromQDate(QDate(1901, 1, 1)) << true;
    QTest::newRow("1901-01-01 12:00") << DateFromQDate(QDate(1901, 1, 1)) + 0.5 << false;
    QTest::newRow("1901-01-02") << DateFromQDate(QDate(1901, 1, 2)) << false;
}

void TestValueConversion::isNoDate()
{
    QFETCH(double, value);
    QFETCH(bool, noDate);
    QCOMPARE(NoDate(), 367.0);
    QCOMPARE(IsNoDate(value), noDate);
    QCOMPARE(DateToText(value).isEmpty(), noDate);
}

void TestValueConversion::dateTimeToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const QDate day(2012, 2, 9);
    QTest::newRow("morning") << DateTimeFromQDateTime(QDateTime(day, QTime(8, 5))) << "2012-02-09 08:05";
    QTest::newRow("afternoon, seconds dropped")
        << DateTimeFromQDateTime(QDateTime(day, QTime(13, 45, 30))) << "2012-02-09 13:45";
    QTest::newRow("midnight ends with the blank") << DateFromQDate(day) << "2012-02-09 ";
    QTest::newRow("no date") << 0.0 << "";
}

void TestValueConversion::dateTimeToText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(DateTimeToText(value), expected);
}

void TestValueConversion::dateTimeRoundTrip_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("value");
    QTest::newRow("noon") << QDateTime(QDate(2012, 2, 9), QTime(12, 0)) << 40948.5;
    QTest::newRow("six in the morning") << QDateTime(QDate(1901, 1, 2), QTime(6, 0)) << 368.25;
    QTest::newRow("midnight") << QDateTime(QDate(2000, 1, 1), QTime(0, 0)) << 36526.0;
}

void TestValueConversion::dateTimeRoundTrip()
{
    QFETCH(QDateTime, moment);
    QFETCH(double, value);
    QCOMPARE(Exact(DateTimeFromQDateTime(moment)), Exact(value));
    QCOMPARE(QDateTimeFromDateTime(value), moment);
    QCOMPARE(QDateFromDateTime(value), moment.date());
}

void TestValueConversion::textToDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("yyyy-mm-dd") << "2012-03-09" << QDate(2012, 3, 9);
    QTest::newRow("no date") << "1901-01-01" << QDate(1901, 1, 1);
    QTest::newRow("leap day") << "2012-02-29" << QDate(2012, 2, 29);
    QTest::newRow("empty") << "" << QDate();
}

void TestValueConversion::textToDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(TextToDate(text), DateFromQDate(expected));
}

void TestValueConversion::textToDateInvalidRaises_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("30 February") << "2012-02-30";
    QTest::newRow("month 13") << "2012-13-01";
    QTest::newRow("other separator") << "09.03.2012";
    QTest::newRow("no day") << "2012-03";
    QTest::newRow("time after the date") << "2012-03-09 10:00";
    QTest::newRow("letters") << "abc";
}

void TestValueConversion::textToDateInvalidRaises()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(EConvertError, TextToDate(text));
}

void TestValueConversion::textToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("point") << "12.5" << 12.5;
    QTest::newRow("comma") << "12,5" << 12.5;
    QTest::newRow("thousands separator") << "1.234,50" << 0.0;
    QTest::newRow("negative with blanks") << " -3,25 " << -3.25;
    QTest::newRow("whole") << "7" << 7.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("infinity") << "inf" << 0.0;
}

void TestValueConversion::textToFloat()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Exact(TextToFloat(text)), Exact(expected));
}

void TestValueConversion::isFloatText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("comma") << "12,5" << true;
    QTest::newRow("point") << "12.5" << false;
    QTest::newRow("negative") << "-0,5" << true;
    QTest::newRow("whole") << "12" << true;
    QTest::newRow("thousands separator") << "1.234,50" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "12a" << false;
}

void TestValueConversion::isFloatText()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(IsFloatText(text), expected);
}

void TestValueConversion::digitsToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("minus and letter dropped") << "  -12a3  " << 123;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("no digits") << "yes" << 0;
    QTest::newRow("letter before digit") << "x1" << 1;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("largest") << "2147483647" << 2147483647;
}

void TestValueConversion::digitsToInt()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(DigitsToInt(text), expected);
}

void TestValueConversion::digitsToIntOverflowRaises()
{
    QVERIFY_THROWS_EXCEPTION(EConvertError, DigitsToInt(QStringLiteral("2147483648")));
    QVERIFY_THROWS_EXCEPTION(EConvertError, DigitsToInt(QStringLiteral("-99 999 999 999")));
}

void TestValueConversion::digitsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mixed") << "a1b2-3 " << "123";
    QTest::newRow("digits of other scripts dropped") << QStringLiteral("4\u0661\uFF125") << "45";
    QTest::newRow("none") << "abc" << "";
}

void TestValueConversion::digitsOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(DigitsOnly(text), expected);
}

void TestValueConversion::roundTo2_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.675 is held below the half") << 2.675 << 2.67;
    QTest::newRow("0.125 half to even") << 0.125 << 0.12;
    QTest::newRow("0.375 half to even") << 0.375 << 0.38;
    QTest::newRow("0.135 is held above the half") << 0.135 << 0.14;
    QTest::newRow("negative half to even") << -0.125 << -0.12;
    QTest::newRow("negative below the half") << -2.675 << -2.67;
    QTest::newRow("already rounded") << 1234.56 << 1234.56;
    QTest::newRow("32-bit limit") << 21474836.48 << 21474836.48;
    QTest::newRow("just above 32-bit limit") << 21474836.485 << 21474836.48;
    QTest::newRow("negative above 32-bit limit") << -21474836.49 << -21474836.49;
    QTest::newRow("hundreds of millions, half to even") << 123456789.125 << 123456789.12;
    QTest::newRow("hundreds of millions, odd half") << 123456789.375 << 123456789.38;
    QTest::newRow("a thousand billion") << 1000000000000.005 << 1000000000000.01;
}

void TestValueConversion::roundTo2()
{
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(Exact(RoundTo2(x)), Exact(expected));
}

void TestValueConversion::roundToDecimals_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("12.5 to even") << 0 << 12.5 << 12.0;
    QTest::newRow("13.5 to even") << 0 << 13.5 << 14.0;
    QTest::newRow("-12.5 to even") << 0 << -12.5 << -12.0;
    QTest::newRow("beyond 32 bits") << 0 << 3000000001.5 << 3000000002.0;
    QTest::newRow("three decimals") << 3 << 1.2345 << 1.234;
    QTest::newRow("four decimals") << 4 << 10.123456 << 10.1235;
    QTest::newRow("tens") << -1 << 125.0 << 120.0;
}

void TestValueConversion::roundToDecimals()
{
    QFETCH(int, decimals);
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(Exact(RoundToDecimals(decimals, x)), Exact(expected));
}

void TestValueConversion::formatAmountText_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2.675 shown rounded up") << 2.675 << "2,68";
    QTest::newRow("0.125 away from zero") << 0.125 << "0,13";
    QTest::newRow("-0.125 away from zero") << -0.125 << "-0,13";
    QTest::newRow("0.005 rounds into the cents") << 0.005 << "0,01";
    QTest::newRow("carry into the integer part") << 9.995 << "10,00";
    QTest::newRow("negative carry") << -9.995 << "-10,00";
    QTest::newRow("negative zero has no sign") << -0.001 << "0,00";
    QTest::newRow("zero") << 0.0 << "0,00";
    QTest::newRow("one decimal padded") << 12.5 << "12,50";
    QTest::newRow("no thousands separator") << 1234567.891 << "1234567,89";
    QTest::newRow("above 32-bit limit") << 21474836.485 << "21474836,49";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0,30";
}

void TestValueConversion::formatAmountText()
{
    QFETCH(double, x);
    QFETCH(QString, expected);
    QCOMPARE(FormatAmountText(x), expected);
}

void TestValueConversion::formatRateText_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");
    QTest::newRow("at least two decimals") << 10.5 << "10,50";
    QTest::newRow("whole") << 9.0 << "9,00";
    QTest::newRow("up to ten decimals") << 1.23456789012 << "1,2345678901";
    QTest::newRow("half at the eleventh decimal") << 8.12345678905 << "8,1234567891";
    QTest::newRow("trailing zeros dropped") << 0.1234 << "0,1234";
    QTest::newRow("smallest shown") << 0.00000000005 << "0,0000000001";
    QTest::newRow("too small to show") << -0.000000000004 << "0,00";
}

void TestValueConversion::formatRateText()
{
    QFETCH(double, x);
    QFETCH(QString, expected);
    QCOMPARE(FormatRateText(x), expected);
}

void TestValueConversion::formatAmountReport_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousands") << 1234.5 << "1.234,50";
    QTest::newRow("negative thousands") << -1234.5 << "-1.234,50";
    QTest::newRow("hundreds have no separator") << 100.0 << "100,00";
    QTest::newRow("up to six decimals") << 1234567.123456789 << "1.234.567,123457";
    QTest::newRow("carry across groups") << 999999.9999995 << "1.000.000,00";
    QTest::newRow("billions") << 123456789012.5 << "123.456.789.012,50";
    QTest::newRow("decimals beyond two kept") << 2.675 << "2,675";
    QTest::newRow("negative zero has no sign") << -0.0000001 << "0,00";
}

void TestValueConversion::formatAmountReport()
{
    QFETCH(double, x);
    QFETCH(QString, expected);
    QCOMPARE(FormatAmountReport(x), expected);
}

void TestValueConversion::formatEdit_data()
{
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::newRow("whole") << "7" << "7,00" << "7,00";
    QTest::newRow("comma") << "12,5" << "12,50" << "12,50";
    QTest::newRow("point") << "12.5" << "12,50" << "12,50";
    QTest::newRow("decimal half") << "2,675" << "2,68" << "2,675";
    QTest::newRow("many decimals") << "10,123456" << "10,12" << "10,123456";
    QTest::newRow("no digits") << "abc" << "0,00" << "0,00";
    QTest::newRow("empty") << "" << "0,00" << "0,00";
    QTest::newRow("thousands separator") << "1.234,50" << "0,00" << "0,00";
}

void TestValueConversion::formatEdit()
{
    QFETCH(QString, fieldText);
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QCOMPARE(FormatAmountEdit(fieldText), amount);
    QCOMPARE(FormatRateEdit(fieldText), rate);
}

void TestValueConversion::filterDigitKey_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("passes");
    QTest::newRow("digit") << QChar(u'5') << true;
    QTest::newRow("backspace") << BackspaceKey << true;
    QTest::newRow("letter") << QChar(u'a') << false;
    QTest::newRow("minus") << QChar(u'-') << false;
    QTest::newRow("comma") << QChar(u',') << false;
    QTest::newRow("digit of another script") << QChar(u'\u0661') << false;
}

void TestValueConversion::filterDigitKey()
{
    QFETCH(QChar, key);
    QFETCH(bool, passes);
    QCOMPARE(FilterDigitKey(key), passes);
}

void TestValueConversion::filterAmountKey_data()
{
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("allowMinus");
    QTest::addColumn<bool>("passes");
    QTest::newRow("digit") << "12" << 2 << QChar(u'3') << false << true;
    QTest::newRow("backspace") << "12" << 2 << BackspaceKey << false << true;
    QTest::newRow("first comma") << "12" << 2 << QChar(u',') << false << true;
    QTest::newRow("second comma") << "12,5" << 4 << QChar(u',') << false << false;
    QTest::newRow("point") << "12" << 2 << QChar(u'.') << true << false;
    QTest::newRow("letter") << "12" << 2 << QChar(u'a') << true << false;
    QTest::newRow("minus at start") << "12" << 0 << QChar(u'-') << true << true;
    QTest::newRow("minus in empty field") << "" << 0 << QChar(u'-') << true << true;
    QTest::newRow("second minus") << "-12" << 0 << QChar(u'-') << true << false;
    QTest::newRow("minus after a digit") << "12" << 2 << QChar(u'-') << true << false;
    QTest::newRow("minus not allowed") << "" << 0 << QChar(u'-') << false << false;
}

void TestValueConversion::filterAmountKey()
{
    QFETCH(QString, fieldText);
    QFETCH(int, caret);
    QFETCH(QChar, key);
    QFETCH(bool, allowMinus);
    QFETCH(bool, passes);
    QCOMPARE(FilterAmountKey(fieldText, caret, key, allowMinus), passes);
}

void TestValueConversion::quoteSQLText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("apostrophe") << "O'Brien" << "O''Brien";
    QTest::newRow("only apostrophes") << "''" << "''''";
    QTest::newRow("injection stays text") << "x'; DROP TABLE t; --" << "x''; DROP TABLE t; --";
    QTest::newRow("plain") << "Kaffe" << "Kaffe";
}

void TestValueConversion::quoteSQLText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(QuoteSQLText(text), expected);
}

void TestValueConversion::copyFileCreatesAndReplaces()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString source = dir.filePath(QStringLiteral("qvb.db"));
    const QString target = dir.filePath(QStringLiteral("Firma.db"));
    const QByteArray content("SQLite\0\r\n\x1a\xff", 12);
    WriteFile(source, content);

    CopyFile(source, target);
    QCOMPARE(ReadFile(target), content);

    // A longer file in the way must not leave its tail behind.
    WriteFile(target, QByteArray(1000, 'x'));
    CopyFile(source, target);
    QCOMPARE(ReadFile(target), content);
}

void TestValueConversion::copyFileFailureRaises()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    try {
        CopyFile(missing, dir.filePath(QStringLiteral("copy.db")));
        QFAIL("copying a missing file succeeded");
    } catch (const EError& e) {
        QVERIFY2(e.Message().contains(missing), qPrintable(e.Message()));
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("copy.db"))));

    const QString source = dir.filePath(QStringLiteral("qvb.db"));
    WriteFile(source, "data");
    QVERIFY_THROWS_EXCEPTION(EError, CopyFile(source, dir.filePath(QStringLiteral("no/such/folder.db"))));
}

void TestValueConversion::openFailureShowsMessage_data()
{
    QTest::addColumn<bool>("mail");
    QTest::addColumn<QString>("message");
    QTest::newRow("browser") << false << QStringLiteral("Ett fel uppstod när din webbläsare skulle öppnas.");
    QTest::newRow("mail") << true << QStringLiteral("Ett fel uppstod när din e-postläsare skulle öppnas.");
}

void TestValueConversion::openFailureShowsMessage()
{
    QFETCH(bool, mail);
    QFETCH(QString, message);
    QTemporaryDir emptyFolder;
    QVERIFY(emptyFolder.isValid());
    const TScriptedPrompt prompt;
    {
        const TSearchPath noDesktop(emptyFolder.path());
        if (mail)
            OpenMailTo(QStringLiteral("support@example.com"));
        else
            OpenInBrowser(QStringLiteral("https://example.com/download/"));
    }
    QCOMPARE(prompt.Texts(), QStringList{message});
    QCOMPARE(prompt.Asked().front().Kind, TMessageKind::Error);
}

void TestValueConversion::openMailToPassesMailtoAddress()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString record = dir.filePath(QStringLiteral("opened.txt"));
    const QString opener = dir.filePath(QStringLiteral("xdg-open"));
    // Writes the address in one step so that the test never reads half of it.
    WriteFile(opener, QStringLiteral("#!/bin/sh\nprintf %s \"$1\" > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(record).toUtf8());
    QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const TScriptedPrompt prompt;
    {
        const TSearchPath desktop(dir.path() + QStringLiteral(":/bin:/usr/bin"));
        OpenMailTo(QStringLiteral("support@example.com"));
    }
    QCOMPARE(prompt.Texts(), QStringList());
    QTRY_COMPARE(ReadFile(record), QByteArray("mailto:support@example.com"));
}

QTEST_GUILESS_MAIN(TestValueConversion)
#include "tst_valueconversion.moc"
