// Purchases: numbering, the currency, the representation columns, the coded
// sums and the deletes (demo company: invoice 1 has purchases 1 to 3).
#include "AccountCode_Class.h"
#include "ModelFixture.h"
#include "PurchaseRegistration_Class.h"
#include "ScriptedPrompt.h"
#include "SettingsUnit.h"
#include "TestCompany.h"

#include <QTest>

namespace {

QVariant Column(const char* name, int key)
{
    return Scalar(QStringLiteral("select %1 from expense_PurchaseRegistrations where PurchaseRegistration_ID = %2")
                      .arg(QLatin1String(name)).arg(key));
}

void AddCode(int purchase, double amount, int type)
{
    TAccountCode code;
    code.fkPurchaseRegistrationID = purchase;
    code.Amount = amount;
    code.ForeignAmount = amount;
    code.Type = type;
    code.Save();
}

} // namespace

class TestPurchase : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void numberIsFixedBySave();
    void currency_data();
    void currency();
    void missingLocalCurrencyIsTold();
    void representationColumns_data();
    void representationColumns();
    void readRounding();
    void isValid_data();
    void isValid();
    void codedSums_data();
    void codedSums();
    void findByNumber();
    void deletesTakeCodesAndValues();

private:
    std::unique_ptr<TTestCompany> m_company;
};

void TestPurchase::init()
{
    m_company = std::make_unique<TTestCompany>(TTestCompany::TSource::Demo);
}

void TestPurchase::cleanup()
{
    m_company.reset();
}

void TestPurchase::numberIsFixedBySave()
{
    TPurchaseRegistration added;
    added.fkInvoiceID = 1;
    added.Amount = 10;
    added.ForeignAmount = 10;
    const int key = added.Save();
    QCOMPARE(added.PurchaseNumber, 4);
    QCOMPARE(Column("PurchaseNumber", key).toInt(), 4);

    TPurchaseRegistration second;
    second.LoadById(2);
    second.Comment = QStringLiteral("Ändrad");
    second.Save();
    second.Save();
    QCOMPARE(Column("PurchaseNumber", 2).toInt(), 2);
    QCOMPARE(NextPurchaseNumberOfInvoice(1), 5);
}

void TestPurchase::currency_data()
{
    QTest::addColumn<QString>("localCurrency");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("local");
    QTest::newRow("domestic") << "SEK" << "" << "SEK" << true;
    QTest::newRow("setting in lower case") << "sek" << "" << "SEK" << false;
    QTest::newRow("foreign") << "SEK" << "utl" << "UTL" << false;
}

void TestPurchase::currency()
{
    QFETCH(QString, localCurrency);
    QFETCH(QString, currency);
    QFETCH(QString, stored);
    QFETCH(bool, local);
    SetSetting(QStringLiteral("LOCALCURRENCY"), localCurrency);
    TPurchaseRegistration purchase;
    purchase.fkInvoiceID = 1;
    purchase.Currency = currency;
    const int key = purchase.Save();
    QVERIFY(purchase.Query().SQL().contains(QLatin1String("[Currency]")));
    QCOMPARE(Column("Currency", key).toString(), stored);
    TPurchaseRegistration loaded;
    loaded.LoadById(key);
    QCOMPARE(loaded.IsLocalCurrency(), local);
}

void TestPurchase::missingLocalCurrencyIsTold()
{
    Exec(QStringLiteral("delete from expense_Settings where SettingName = 'LOCALCURRENCY'"));
    TScriptedPrompt prompt;
    TPurchaseRegistration purchase;
    purchase.fkInvoiceID = 1;
    const int key = purchase.Save();
    QCOMPARE(prompt.Texts(), QStringList{QStringLiteral("Error: No local currency specified in settings.")});
    QCOMPARE(Column("Currency", key).toString(), QString());
}

void TestPurchase::representationColumns_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("null");
    QTest::newRow("no type") << 0 << true;
    QTest::newRow("type 1") << 1 << false;
}

void TestPurchase::representationColumns()
{
    QFETCH(int, type);
    QFETCH(bool, null);
    TPurchaseRegistration purchase;
    purchase.LoadById(1);
    purchase.fkRepresentationTypeID = type;
    purchase.NumberOfPersons = 3;
    purchase.ExtraAmount = 25.5;
    purchase.Save();
    for (const char* column : {"fkRepresentationTypeID", "NumberOfPersons", "ExtraAmount"})
        QCOMPARE(Column(column, 1).isNull(), null);
    if (!null)
        QCOMPARE(Column("ExtraAmount", 1).toDouble(), 25.5);
}

void TestPurchase::readRounding()
{
    Exec(QStringLiteral("update expense_PurchaseRegistrations set Amount = 10.125, ForeignAmount = 0.135, "
                        "ExchangeRate = 11.123456789051, ExtraAmount = 2.675 where PurchaseRegistration_ID = 3"));
    TPurchaseRegistration purchase;
    purchase.LoadById(3);
    QCOMPARE(purchase.Amount, 10.12);
    QCOMPARE(purchase.ForeignAmount, 0.14);
    QCOMPARE(purchase.ExchangeRate, 11.1234567891);
    QCOMPARE(purchase.ExtraAmount, 2.67);   // 2.675 is slightly below the half
}

void TestPurchase::isValid_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("foreignAmount");
    QTest::addColumn<bool>("valid");
    QTest::newRow("both") << 10.0 << 1.0 << true;
    QTest::newRow("no amount") << 0.0 << 1.0 << false;
    QTest::newRow("no foreign amount") << 10.0 << 0.0 << false;
    QTest::newRow("negative") << -5.0 << -5.0 << true;
}

void TestPurchase::isValid()
{
    QFETCH(double, amount);
    QFETCH(double, foreignAmount);
    QFETCH(bool, valid);
    TPurchaseRegistration purchase;
    purchase.Amount = amount;
    purchase.ForeignAmount = foreignAmount;
    QCOMPARE(purchase.IsValid(), valid);
}

void TestPurchase::codedSums_data()
{
    QTest::addColumn<double>("other");
    QTest::addColumn<double>("own");
    QTest::addColumn<bool>("notFullyCoded");
    QTest::newRow("80 + 20") << 80.0 << 20.0 << false;
    QTest::newRow("80 + 19.99") << 80.0 << 19.99 << true;
    QTest::newRow("0.1 + 99.9") << 0.1 << 99.9 << false;
    QTest::newRow("uncoded") << 0.0 << 0.0 << true;
}

void TestPurchase::codedSums()
{
    QFETCH(double, other);
    QFETCH(double, own);
    QFETCH(bool, notFullyCoded);
    TPurchaseRegistration purchase;
    purchase.fkInvoiceID = 1;
    purchase.Amount = 100;
    purchase.ForeignAmount = 100;
    purchase.Save();
    if (other != 0)
        AddCode(purchase.Id, other, ctOther);
    if (own != 0)
        AddCode(purchase.Id, own, ctOwn);
    QCOMPARE(purchase.CodedAmountByType(ctOther), other);
    QCOMPARE(purchase.CodedAmountByType(ctOwn), own);
    QCOMPARE(purchase.CodedAmountByType(ctRepresentation), 0.0);
    QCOMPARE(purchase.CodedAmount(), RoundTo2(other + own));
    QCOMPARE(purchase.CodedForeignAmountByType(ctOwn), own);
    QCOMPARE(purchase.IsNotFullyCoded(), notFullyCoded);
}

void TestPurchase::findByNumber()
{
    TPurchaseRegistration purchase;
    purchase.LoadById(5);
    QCOMPARE(purchase.FindByNumber(3, 1), 3);
    QCOMPARE(purchase.CodedForeignAmount(), 45.0);
    QCOMPARE(purchase.FindByNumber(4, 1), 0);
    QCOMPARE(purchase.Id, 3);
}

void TestPurchase::deletesTakeCodesAndValues()
{
    AddCode(1, 10, ctOther);
    TPurchaseRegistration purchase;
    purchase.LoadById(1);
    purchase.DeleteAccountCodesByType(ctOwn);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_AccountCodes where fkPurchaseRegistrationID = 1")), 1);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PREL where fkAccountCode_ID = 1")), 0);

    QCOMPARE(purchase.Delete(), 1);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_AccountCodes where fkPurchaseRegistrationID = 1")), 0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PurchaseRegistrations where PurchaseRegistration_ID = 1")), 0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_AccountCodes")), 4);
}

QTEST_GUILESS_MAIN(TestPurchase)
#include "tst_purchase.moc"
