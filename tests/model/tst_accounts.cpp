// VAT codes, the chart of accounts with its own-coding relation, representation
// types and cards (demo company: accounts 1..18, VAT 1 = 25 %, 2 = 12 %).
#include "Card_Class.h"
#include "ChartOfAccount_Class.h"
#include "ModelFixture.h"
#include "RepresentationType_Class.h"
#include "TestCompany.h"
#include "Vat_Class.h"

#include <QTest>

namespace {
int GroupRows(int accountKey)
{
    return Count(QStringLiteral("select count(*) from expense_AccountGroupChartOfAccountRelation "
                                "where fkAccountNumber = %1 and fkGroupID = 1").arg(accountKey));
}
}

class TestAccounts : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void vatDisplayText_data();
    void vatDisplayText();
    void vatReadRoundedTo8Decimals();
    void vatInUse_data();
    void vatInUse();
    void findByAccountNumber_data();
    void findByAccountNumber();
    void vatKeyWrittenOnlyAbove0();
    void accountVatIsCachedUntilReload();
    void ownCodingFlag();
    void accountDelete_data();
    void accountDelete();
    void representationTypeAccounts();
    void representationTypeStoresAllColumns();
    void representationTypeInUse();
    void cardDisplayText_data();
    void cardDisplayText();
    void cardInUse();

private:
    std::unique_ptr<TTestCompany> m_company;
};

void TestAccounts::init()
{
    m_company = std::make_unique<TTestCompany>(TTestCompany::TSource::Demo);
}

void TestAccounts::cleanup()
{
    m_company.reset();
}

void TestAccounts::vatDisplayText_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("text");
    QTest::newRow("25") << 25.0 << "25";
    QTest::newRow("12.5") << 12.5 << "12,5";
    QTest::newRow("15.556") << 15.556 << "15,556";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("no automatic VAT") << -1.0 << "-1";
}

void TestAccounts::vatDisplayText()
{
    QFETCH(double, rate);
    QFETCH(QString, text);
    TVat vat;
    vat.VAT = rate;
    QCOMPARE(vat.Save(), 5);
    TVat loaded;
    loaded.LoadById(5);
    QCOMPARE(loaded.GetDisplayText(), text);
}

void TestAccounts::vatReadRoundedTo8Decimals()
{
    Exec(QStringLiteral("update expense_Vat set VAT = 12.1234567851 where Vat_ID = 2"));
    TVat vat;
    vat.LoadById(2);
    QCOMPARE(vat.VAT, 12.12345679);
}

void TestAccounts::vatInUse_data()
{
    QTest::addColumn<QString>("reference");   // a row that uses VAT code 5
    QTest::newRow("unused") << QString();
    QTest::newRow("account") << "update expense_ChartOfAccounts set fkVatID = 5 where ChartOfAccount_ID = 18";
    QTest::newRow("representation type") << "update expense_RepresentationTypes set fkVatID = 5 where RepresentationType_ID = 3";
}

void TestAccounts::vatInUse()
{
    QFETCH(QString, reference);
    Exec(QStringLiteral("insert into expense_Vat (Vat_ID, VAT) values (5, 15.556)"));
    if (!reference.isEmpty())
        Exec(reference);
    TVat vat;
    vat.LoadById(5);
    QCOMPARE(vat.Delete(), reference.isEmpty() ? 1 : -1);
}

void TestAccounts::findByAccountNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("1930") << "1930" << 2 << "Företagskonto/checkkonto/affärskonto";
    QTest::newRow("unknown") << "9999" << 0 << "";
}

void TestAccounts::findByAccountNumber()
{
    QFETCH(QString, number);
    QFETCH(int, key);
    QFETCH(QString, name);
    TChartOfAccount account;
    account.LoadById(12);
    QCOMPARE(account.FindByAccountNumber(number), key);
    QCOMPARE(account.Id, key);
    QCOMPARE(account.AccountName, name);
    QCOMPARE(account.GetDisplayText(), key ? number : QStringLiteral("0"));
    QCOMPARE(account.fkVatID, key ? 4 : 0);
}

void TestAccounts::vatKeyWrittenOnlyAbove0()
{
    TChartOfAccount account;
    account.LoadById(6);
    account.fkVatID = 0;
    account.AccountName = QStringLiteral("Ändrad");
    account.Save();
    QCOMPARE(Scalar(QStringLiteral("select fkVatID from expense_ChartOfAccounts where ChartOfAccount_ID = 6")).toInt(), 1);

    TChartOfAccount added;
    added.AccountNumber = 4010;
    QCOMPARE(added.Save(), 19);
    QVERIFY(Scalar(QStringLiteral("select fkVatID from expense_ChartOfAccounts where ChartOfAccount_ID = 19")).isNull());
}

void TestAccounts::accountVatIsCachedUntilReload()
{
    TChartOfAccount account;
    account.LoadById(10);
    TVat* first = &account.Vat();
    QCOMPARE(first->VAT, 12.0);
    QCOMPARE(&account.Vat(), first);
    account.LoadById(6);
    QCOMPARE(account.Vat().VAT, 25.0);
}

// Own-coding accounts have no group row; the mark made by SetOwnAccount makes
// every later save of that object rewrite the relation.
void TestAccounts::ownCodingFlag()
{
    TChartOfAccount account;
    account.LoadById(8);   // 5611, an own-coding account
    QCOMPARE(account.IsOwnAccount(), true);
    account.SetOwnAccount(false);
    account.Save();
    Exec(QStringLiteral("delete from expense_AccountGroupChartOfAccountRelation where fkAccountNumber = 8"));
    account.Save();
    QCOMPARE(GroupRows(8), 1);
    account.Save();
    QCOMPARE(GroupRows(8), 1);
    QCOMPARE(account.IsOwnAccount(), false);

    account.SetOwnAccount(true);
    account.Save();
    QCOMPARE(GroupRows(8), 0);

    TChartOfAccount untouched;
    untouched.LoadById(2);
    untouched.AccountName = QStringLiteral("Bank");
    untouched.Save();
    QCOMPARE(GroupRows(2), 1);
    Exec(QStringLiteral("delete from expense_AccountGroupChartOfAccountRelation where fkAccountNumber = 2"));
    untouched.Save();
    QCOMPARE(GroupRows(2), 0);
}

void TestAccounts::accountDelete_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("used by an account code") << 10 << -1;
    QTest::newRow("deduction account of a type") << 12 << -1;
    QTest::newRow("only a non-deduction account") << 13 << -1;
    QTest::newRow("unused, even as a setting") << 18 << 1;
    QTest::newRow("unused own-coding account") << 16 << 1;
}

void TestAccounts::accountDelete()
{
    QFETCH(int, key);
    QFETCH(int, result);
    TChartOfAccount account;
    account.LoadById(key);
    const int groupRows = GroupRows(key);
    QCOMPARE(account.Delete(), result);
    const bool gone = result == 1;
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_ChartOfAccounts where ChartOfAccount_ID = %1").arg(key)),
             gone ? 0 : 1);
    QCOMPARE(GroupRows(key), gone ? 0 : groupRows);
}

void TestAccounts::representationTypeAccounts()
{
    TRepresentationType type;
    type.LoadById(1);
    QCOMPARE(type.GetDisplayText(), QStringLiteral("Extern representation"));
    QCOMPARE(type.Vat().VAT, 12.0);
    TChartOfAccount* deduction = &type.DeductionAccount();
    QCOMPARE(deduction->AccountNumber, 6071);
    QCOMPARE(type.NonDeductionAccount().AccountNumber, 6072);

    type.SetDeductionAccountNumber(QStringLiteral("6071"));
    QCOMPARE(&type.DeductionAccount(), deduction);
    QCOMPARE(type.fkDeductionAccountNumber, 12);

    type.SetDeductionAccountNumber(QStringLiteral("5800"));
    QCOMPARE(type.fkDeductionAccountNumber, 9);
    QCOMPARE(type.DeductionAccount().AccountNumber, 5800);

    type.SetNonDeductionAccountNumber(QStringLiteral("9999"));
    QCOMPARE(type.fkNonDeductionAccountNumber, 0);
    QCOMPARE(type.NonDeductionAccount().AccountName, QString());
    type.Save();
    QCOMPARE(Scalar(QStringLiteral("select fkNonDeductionAccountNumber from expense_RepresentationTypes "
                                   "where RepresentationType_ID = 1")).toInt(), 0);

    type.LoadById(2);
    QCOMPARE(type.DeductionAccount().AccountNumber, 6071);
}

void TestAccounts::representationTypeStoresAllColumns()
{
    TRepresentationType type;
    type.RepresentationTypeName = QStringLiteral("Ny");
    QCOMPARE(type.Save(), 4);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_RepresentationTypes where RepresentationType_ID = 4 "
                                  "and fkVatID = 0 and DeductionAmount = 0 and fkDeductionAccountNumber = 0 "
                                  "and fkNonDeductionAccountNumber = 0 and RepresentationTypeShortName = ''")), 1);

    Exec(QStringLiteral("update expense_RepresentationTypes set DeductionAmount = 90.125 where RepresentationType_ID = 4"));
    type.LoadById(4);
    QCOMPARE(type.DeductionAmount, 90.12);
}

void TestAccounts::representationTypeInUse()
{
    TRepresentationType type;
    type.LoadById(3);
    QCOMPARE(type.CanDelete(), true);
    // Purchase 4 belongs to the exported invoice.
    Exec(QStringLiteral("update expense_PurchaseRegistrations set fkRepresentationTypeID = 3 where PurchaseRegistration_ID = 4"));
    QCOMPARE(type.Delete(), -1);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_RepresentationTypes where RepresentationType_ID = 3")), 1);
}

void TestAccounts::cardDisplayText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("private") << 2 << "Visa 1234 [PRIVAT]";
    QTest::newRow("company") << 1 << "Visa 1234";
}

void TestAccounts::cardDisplayText()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    TCard card;
    card.CardName = QStringLiteral("Visa");
    card.CardNumber = QStringLiteral("1234");
    card.fkCardTypeID = type;
    const int key = card.Save();
    TCard loaded;
    loaded.LoadById(key);
    QCOMPARE(loaded.GetDisplayText(), text);
}

void TestAccounts::cardInUse()
{
    TCard used;
    used.LoadById(1);
    QCOMPARE(used.Delete(), -1);
    TCard fresh;
    fresh.CardName = QStringLiteral("Nytt");
    fresh.Save();
    QCOMPARE(fresh.Delete(), 1);
}

QTEST_GUILESS_MAIN(TestAccounts)
#include "tst_accounts.moc"
