// Account codes: every column on every save, the delete of their dependent
// rows, and the internal-account values (demo code 1 has cost centre 100 and
// project P1).
#include "AccountCode_Class.h"
#include "ClockUnit.h"
#include "ModelFixture.h"
#include "TestCompany.h"

#include <QTest>

class TestAccountCode : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void saveWritesEveryColumn();
    void deleteTakesDependentRows_data();
    void deleteTakesDependentRows();
    void internalAccountValue_data();
    void internalAccountValue();

private:
    std::unique_ptr<TTestCompany> m_company;
};

void TestAccountCode::init()
{
    m_company = std::make_unique<TTestCompany>(TTestCompany::TSource::Demo);
}

void TestAccountCode::cleanup()
{
    m_company.reset();
}

void TestAccountCode::saveWritesEveryColumn()
{
    const QString row = QStringLiteral(
        "select count(*) from expense_AccountCodes where AccountCode_ID = 6 and Amount = 0 and ForeignAmount = 0 "
        "and fkAccountNumber = 0 and fkPurchaseRegistrationID = 0 and Type = 0 and VatAmount = 0 and ExtraText = '' "
        "and DateCreated = '%1'");
    {
        TFixedClock day(QDate(2026, 5, 3));
        TAccountCode code;
        QCOMPARE(code.Save(), 6);
    }
    QCOMPARE(Count(row.arg(u"2026-05-03")), 1);

    TFixedClock later(QDate(2026, 5, 9));
    TAccountCode code;
    code.LoadById(6);
    QCOMPARE(DateToText(code.DateCreated), QStringLiteral("2026-05-03"));
    code.Save();
    QCOMPARE(Count(row.arg(u"2026-05-09")), 1);
}

void TestAccountCode::deleteTakesDependentRows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("left");   // PREL and text rows left of the 2 + 1 that name the key
    QTest::newRow("saved code") << 1 << 0;
    QTest::newRow("unsaved code") << 0 << 3;
}

void TestAccountCode::deleteTakesDependentRows()
{
    QFETCH(int, key);
    QFETCH(int, left);
    Exec(QStringLiteral("delete from expense_PREL where fkAccountCode_ID = %1").arg(key));
    Exec(QStringLiteral("insert into expense_PREL (fkAccountCode_ID, fkInternalAccount_ID, Data) values (%1, 1, 'a'), (%1, 2, 'b')").arg(key));
    Exec(QStringLiteral("insert into expense_AccountCodeTextAccountCodesRelation (fkAccountCodeID) values (%1)").arg(key));
    TAccountCode code;
    code.LoadById(key);
    QCOMPARE(code.Delete(), key ? 1 : 0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PREL where fkAccountCode_ID = %1").arg(key))
                 + Count(QStringLiteral("select count(*) from expense_AccountCodeTextAccountCodesRelation "
                                        "where fkAccountCodeID = %1").arg(key)),
             left);
    // The other codes keep their values: the demo's 7 rows, less code 1's two.
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PREL where fkAccountCode_ID <> %1").arg(key)),
             key ? 5 : 7);
}

void TestAccountCode::internalAccountValue_data()
{
    QTest::addColumn<QStringList>("writes");   // cost-centre values written in turn
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("rows");             // PREL rows of code 1 afterwards
    QTest::newRow("none") << QStringList{} << "100" << 2;
    QTest::newRow("100 then 200") << QStringList{"100", "200"} << "200" << 2;
    QTest::newRow("cleared") << QStringList{""} << "" << 1;
    QTest::newRow("cleared, then set") << QStringList{"", "300"} << "300" << 2;
}

void TestAccountCode::internalAccountValue()
{
    QFETCH(QStringList, writes);
    QFETCH(QString, value);
    QFETCH(int, rows);
    TAccountCode code;
    code.LoadById(1);
    for (const QString& text : writes)
        code.SetInternalAccountValue(1, text);
    QCOMPARE(code.InternalAccountValue(1), value);
    QCOMPARE(code.InternalAccountValue(2), QStringLiteral("P1"));
    QCOMPARE(code.InternalAccountValue(3), QString());
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PREL where fkAccountCode_ID = 1")), rows);
}

QTEST_GUILESS_MAIN(TestAccountCode)
#include "tst_accountcode.moc"
