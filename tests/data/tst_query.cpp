// The query object: SQL literals, the statements it builds, placeholders,
// the existence check and the field readers, on a small company file.
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "QueryUnit.h"
#include "TestCompany.h"

#include <QLocale>
#include <QTest>

class TestQuery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void formatValue_data();
    void formatValue();
    void updateStatementText();
    void deleteStatementText();
    void insertStatementText_data();
    void insertStatementText();
    void executeUnknownKind();
    void placeholders();
    void anyRowExistsStopsAtFirstTable();
    void fieldReaders();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void noConnection();
};

void TestQuery::initTestCase()
{
    // The literals must not follow the desktop's number format.
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
}

void TestQuery::formatValue_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("raw");
    QTest::addColumn<QString>("literal");

    const auto date = [](int y, int m, int d, int h = 0, int n = 0) {
        return DateParam(DateTimeFromQDateTime(QDateTime(QDate(y, m, d), QTime(h, n))));
    };
    QTest::newRow("null") << QVariant() << false << "NULL";
    QTest::newRow("typed null") << QVariant(QMetaType::fromType<int>()) << false << "NULL";
    QTest::newRow("integer") << QVariant(42) << false << "42";
    QTest::newRow("negative integer") << QVariant(-7) << false << "-7";
    QTest::newRow("64-bit integer") << QVariant(qint64(5000000000)) << false << "5000000000";
    QTest::newRow("0.1") << QVariant(0.1) << false << "0.1";
    QTest::newRow("-2.5") << QVariant(-2.5) << false << "-2.5";
    QTest::newRow("12.5") << QVariant(12.5) << false << "12.5";
    QTest::newRow("ten") << QVariant(10.0) << false << "10";
    QTest::newRow("zero") << QVariant(0.0) << false << "0";
    QTest::newRow("15 significant digits") << QVariant(0.1 + 0.2) << false << "0.3";
    QTest::newRow("15 digits before the point") << QVariant(123456789012345.0) << false << "123456789012345";
    QTest::newRow("16 digits before the point") << QVariant(1234567890123456.0) << false << "1.23456789012346E15";
    QTest::newRow("1E20") << QVariant(1e20) << false << "1E20";
    QTest::newRow("0.00001") << QVariant(0.00001) << false << "0.00001";
    QTest::newRow("below 0.00001") << QVariant(0.0000015) << false << "1.5E-6";
    QTest::newRow("no date") << DateParam(0) << false << "NULL";
    QTest::newRow("1901-01-01") << date(1901, 1, 1) << false << "NULL";
    QTest::newRow("1901-01-02") << date(1901, 1, 2) << false << "'1901-01-02'";
    QTest::newRow("time is dropped") << date(2012, 2, 9, 14, 30) << false << "'2012-02-09'";
    QTest::newRow("QDate") << QVariant(QDate(2024, 1, 31)) << false << "'2024-01-31'";
    QTest::newRow("true") << QVariant(true) << false << "true";
    QTest::newRow("false") << QVariant(false) << false << "false";
    QTest::newRow("O'Brien") << QVariant(QStringLiteral("O'Brien")) << false << "'O''Brien'";
    QTest::newRow("empty text") << QVariant(QString()) << false << "''";
    QTest::newRow("raw text") << QVariant(QStringLiteral("O'Brien")) << true << "O''Brien";
}

void TestQuery::formatValue()
{
    QFETCH(QVariant, value);
    QFETCH(bool, raw);
    QFETCH(QString, literal);
    QCOMPARE(TValdrona_ADOQuery::FormatValue(value, raw), literal);
}

void TestQuery::updateStatementText()
{
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    const QString table = QStringLiteral("expense_Settings");
    query.AddValue(table, QStringLiteral("SettingValue"), QStringLiteral("A'B"));
    query.AddValue(table, QStringLiteral("SettingType"), 1);
    query.AddCondition(table, QStringLiteral("SettingName"), QStringLiteral("COMPANYNAME"));
    query.Execute(table, skUpdate);
    QCOMPARE(query.SQL(), QStringLiteral("UPDATE expense_Settings\r\nSET\r\nSettingValue = 'A''B'\r\n"
                                         ", SettingType = 1\r\n WHERE\r\nSettingName = 'COMPANYNAME'\r\n"));
    QVERIFY(query.Params().empty());
}

void TestQuery::deleteStatementText()
{
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    const QString table = QStringLiteral("expense_Settings");
    query.AddParam(table, QStringLiteral("SettingName"), pkValue, QStringLiteral("A"));
    query.AddParam(table, QStringLiteral("SettingType"), pkOr, QVariant());
    query.AddParam(QStringLiteral("expense_Other"), QStringLiteral("Ignored"), pkAnd, 1);
    query.AddParam(table, QStringLiteral("SettingValue"), pkOr, QStringLiteral("C"));
    query.Execute(table, skDelete);
    QCOMPARE(query.SQL(), QStringLiteral("DELETE FROM expense_Settings\r\nWHERE\r\nSettingName = 'A'\r\n"
                                         " OR SettingType is NULL\r\n OR SettingValue = 'C'\r\n"));
}

void TestQuery::insertStatementText_data()
{
    QTest::addColumn<bool>("otherTableFollows");
    QTest::newRow("one table") << false;
    // A parameter of another table at the end must not leave a dangling comma.
    QTest::newRow("another table follows") << true;
}

void TestQuery::insertStatementText()
{
    QFETCH(bool, otherTableFollows);
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    const QString table = QStringLiteral("expense_Settings");
    query.AddValue(table, QStringLiteral("SettingValue"), QStringLiteral("x"));
    query.AddValue(table, QStringLiteral("SettingType"), 1);
    query.AddCondition(table, QStringLiteral("SettingName"), QStringLiteral("NEWSETTING"));
    if (otherTableFollows)
        query.AddValue(QStringLiteral("expense_Other"), QStringLiteral("Column"), 2);
    QCOMPARE(query.Execute(table, skInsert), 1);
    QCOMPARE(query.SQL(), QStringLiteral("INSERT INTO expense_Settings (\r\nSettingValue,\r\nSettingType,\r\nSettingName\r\n"
                                         " ) VALUES (\r\n'x',\r\n1,\r\n'NEWSETTING'\r\n)\r\n"));
}

void TestQuery::executeUnknownKind()
{
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    query.AddValue(QStringLiteral("expense_Settings"), QStringLiteral("SettingValue"), 1);
    QCOMPARE(query.Execute(QStringLiteral("expense_Settings"), 3), -1);
    QCOMPARE(query.Params().size(), size_t(1));
}

void TestQuery::placeholders()
{
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    query.SetSQL(QStringLiteral("select {A} as a, {A} as b, {B} as c, {a} as d, {Unset} as e"));
    // Values holding placeholder names, their own or a later one's, stay as typed.
    query.SetPlaceholder(QStringLiteral("{A}"), QStringLiteral("{A}'s {B}"));
    query.SetPlaceholder(QStringLiteral("{B}"), 3);
    query.AddValue(QStringLiteral("expense_Settings"), QStringLiteral("{a}"), 9);   // not a placeholder
    query.ApplyPlaceholders(false);
    QCOMPARE(query.SQL(), QStringLiteral("select '{A}''s {B}' as a, '{A}''s {B}' as b, 3 as c, {a} as d, {Unset} as e"));
}

void TestQuery::anyRowExistsStopsAtFirstTable()
{
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery setup;
    setup.ExecText(QStringLiteral("create table expense_A (x int)"));
    setup.ExecText(QStringLiteral("create table expense_B (x int)"));
    setup.ExecText(QStringLiteral("insert into expense_B values (5)"));

    TValdrona_ADOQuery query;
    query.AddCondition(QStringLiteral("expense_A"), QStringLiteral("x"), 5);
    query.AddCondition(QStringLiteral("expense_B"), QStringLiteral("x"), 5);
    // The third table does not exist: reaching it would raise.
    query.AddCondition(QStringLiteral("expense_Missing"), QStringLiteral("x"), 5);
    QVERIFY(query.AnyRowExists());
    QCOMPARE(query.Params().size(), size_t(3));

    TValdrona_ADOQuery none;
    none.AddCondition(QStringLiteral("expense_A"), QStringLiteral("x"), 5);
    none.AddCondition(QStringLiteral("EXPENSE_a"), QStringLiteral("x"), 6);
    QVERIFY(!none.AnyRowExists());
}

void TestQuery::fieldReaders()
{
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    query.OpenSQL(QStringLiteral("select null as n, 7 as i, 2.675 as f, '2,675' as t, 0.1 + 0.2 as s, '2012-03-09' as d"));
    QCOMPARE(query.RecordCount(), 1);
    QCOMPARE(query.FieldAsInteger(QStringLiteral("n")), 0);
    QCOMPARE(query.FieldAsFloat(QStringLiteral("n")), 0.0);
    QCOMPARE(query.FieldAsText(QStringLiteral("n")), QString());
    QCOMPARE(query.FieldAsDate(QStringLiteral("n")), 0.0);
    QCOMPARE(query.FieldAsInteger(QStringLiteral("I")), 7);
    QCOMPARE(query.FieldAsRoundedFloat(QStringLiteral("f"), 2), 2.67);
    QCOMPARE(query.FieldAsRoundedFloat(QStringLiteral("t"), 2), 2.67);
    QCOMPARE(query.FieldAsRoundedFloat(QStringLiteral("s"), 10), 0.3);
    QCOMPARE(query.FieldAsDate(QStringLiteral("d")), DateFromQDate(QDate(2012, 3, 9)));
    QVERIFY_THROWS_EXCEPTION(EError, query.FieldByName(QStringLiteral("nothing")));

    // An empty result still has its columns; they read as NULL.
    query.OpenSQL(QStringLiteral("select 1 as one where 0"));
    QVERIFY(query.IsEmpty());
    QVERIFY(query.Eof());
    QCOMPARE(query.FieldAsInteger(QStringLiteral("one")), 0);
    QVERIFY(!query.OpenScalar(QStringLiteral("select 1 where 0")).has_value());
}

void TestQuery::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes") << QStringLiteral("It's \"quoted\"");
    QTest::newRow("backslash and percent") << QStringLiteral("C:\\temp\\100% _x_");
    QTest::newRow("Swedish letters") << QStringLiteral("Räksmörgås på Café Åre, ÅÄÖ é");
    QTest::newRow("semicolon and comment") << QStringLiteral("a; -- b /* c */");
}

void TestQuery::valuesRoundTrip()
{
    QFETCH(QString, text);
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    const QString table = QStringLiteral("expense_Settings");
    query.AddValue(table, QStringLiteral("SettingValue"), text);
    query.AddValue(table, QStringLiteral("SettingType"), 1);
    query.AddValue(table, QStringLiteral("SettingName"), QStringLiteral("ROUNDTRIP"));
    query.Execute(table, skInsert);
    query.AddCondition(table, QStringLiteral("SettingName"), QStringLiteral("ROUNDTRIP"));
    query.Execute(table, skSelect);
    QCOMPARE(query.FieldAsText(QStringLiteral("SettingValue")), text);
}

void TestQuery::noConnection()
{
    QVERIFY(!IsConnected());
    try {
        TValdrona_ADOQuery query;
        QFAIL("a query object needs a connection");
    } catch (const EError& error) {
        QCOMPARE(error.Message(), QStringLiteral("No DB connected!"));
    }
}

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
