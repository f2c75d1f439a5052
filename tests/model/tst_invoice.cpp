// Invoices: what is written when, states, the difference test, the purchase
// figures, internal-account values and the delete of everything that hangs on
// an invoice (demo company: person 1, card 1 company, card 2 private).
#include "AccountCode_Class.h"
#include "ClockUnit.h"
#include "Invoice_Class.h"
#include "ModelFixture.h"
#include "PurchaseRegistration_Class.h"
#include "RepresentationUnit.h"
#include "TestCompany.h"

#include <QTest>

namespace {

int AddInvoice(double total, int card, int person = 1, const QString& number = QStringLiteral("2701"))
{
    TInvoice invoice;
    invoice.InvoiceNumber = number;
    invoice.InvoiceDate = EncodeDate(2026, 5, 1);
    invoice.DateOfPosting = EncodeDate(2026, 5, 2);
    invoice.fkCardID = card;
    invoice.TotalAmount = total;
    invoice.fkPersonID = person;
    invoice.fkCreatedBy = person;
    invoice.fkCreditAccount = 4;
    return invoice.Save();
}

int AddPurchase(int invoice, double amount, bool isPrivate = false, int number = 0)
{
    TPurchaseRegistration purchase;
    purchase.fkInvoiceID = invoice;
    purchase.Amount = amount;
    purchase.ForeignAmount = amount;
    purchase.PurchaseNumber = number;
    purchase.IsPrivate = isPrivate;
    purchase.fkPersonID = 1;
    return purchase.Save();
}

int AddCode(int purchase, double amount, int type)
{
    TAccountCode code;
    code.fkPurchaseRegistrationID = purchase;
    code.Amount = amount;
    code.ForeignAmount = amount;
    code.fkAccountNumber = 14;
    code.Type = type;
    return code.Save();
}

} // namespace

class TestInvoice : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writeRules();
    void setState_data();
    void setState();
    void isValid_data();
    void isValid();
    void hasDifferences_data();
    void hasDifferences();
    void purchaseFigures();
    void nextPurchaseNumber_data();
    void nextPurchaseNumber();
    void findByNumber_data();
    void findByNumber();
    void internalAccountValue();
    void deleteLeavesNoRowOfIt();

private:
    std::unique_ptr<TTestCompany> m_company;
};

void TestInvoice::init()
{
    m_company = std::make_unique<TTestCompany>(TTestCompany::TSource::Demo);
}

void TestInvoice::cleanup()
{
    m_company.reset();
}

void TestInvoice::writeRules()
{
    int key = 0;
    {
        TFixedClock day(QDate(2026, 5, 3));
        key = AddInvoice(100, 0);
    }
    const auto column = [key](const char* name) {
        return Scalar(QStringLiteral("select %1 from expense_Invoices where Invoice_ID = %2").arg(QLatin1String(name)).arg(key));
    };
    QCOMPARE(column("State").toInt(), 10);
    QCOMPARE(column("DateCreated").toString(), QStringLiteral("2026-05-03"));
    QCOMPARE(column("fkCreatedBy").toInt(), 1);
    QVERIFY(column("fkCardID").isNull());
    QVERIFY(column("fkAttestPerson").isNull());

    TFixedClock later(QDate(2026, 6, 1));
    TInvoice invoice;
    invoice.LoadById(key);
    invoice.fkCreatedBy = 2;
    invoice.TotalAmount = 12.5;
    invoice.Save();
    QCOMPARE(column("DateCreated").toString(), QStringLiteral("2026-05-03"));
    QCOMPARE(column("fkCreatedBy").toInt(), 1);
    QCOMPARE(column("TotalAmount").toDouble(), 12.5);
    QCOMPARE(invoice.IsPrivateCard(), false);
}

void TestInvoice::setState_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("state");
    const int states[] = {10, 15, 20, 30, 40, 50};
    for (int kind = 0; kind < 6; ++kind)
        QTest::addRow("kind %d", kind) << kind << states[kind];
}

void TestInvoice::setState()
{
    QFETCH(int, kind);
    QFETCH(int, state);
    TInvoice invoice;
    QCOMPARE(invoice.State, 10);
    invoice.SetState(kind);
    QCOMPARE(invoice.State, state);
}

void TestInvoice::isValid_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<double>("invoiceDate");
    QTest::addColumn<double>("postingDate");
    QTest::addColumn<int>("creditAccount");
    QTest::addColumn<bool>("valid");
    const double day = EncodeDate(2026, 5, 1);
    QTest::newRow("complete") << "1" << day << day << 4 << true;
    QTest::newRow("no number") << "" << day << day << 4 << false;
    QTest::newRow("no invoice date") << "1" << 0.0 << day << 4 << false;
    QTest::newRow("posting date 1901-01-01") << "1" << day << NoDate() << 4 << false;
    QTest::newRow("no credit account") << "1" << day << day << 0 << false;
}

void TestInvoice::isValid()
{
    QFETCH(QString, number);
    QFETCH(double, invoiceDate);
    QFETCH(double, postingDate);
    QFETCH(int, creditAccount);
    QFETCH(bool, valid);
    TInvoice invoice;
    invoice.InvoiceNumber = number;
    invoice.InvoiceDate = invoiceDate;
    invoice.DateOfPosting = postingDate;
    invoice.fkCreditAccount = creditAccount;
    QCOMPARE(invoice.IsValid(), valid);
}

void TestInvoice::hasDifferences_data()
{
    QTest::addColumn<QString>("purchases");   // amount:coded, ":p" for a private purchase
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("differences");
    QTest::newRow("coded, total matches") << "100:100 50.5:50.5" << 150.50 << 1 << false;
    QTest::newRow("total 0.01 more") << "100:100 50.5:50.5" << 150.51 << 1 << true;
    QTest::newRow("0.01 uncoded") << "100:99.99" << 99.99 << 1 << true;
    QTest::newRow("0.01 uncoded, private card") << "100:99.99" << 100.0 << 2 << true;
    QTest::newRow("private card, total differs") << "100:100" << 500.0 << 2 << false;
    QTest::newRow("private purchase uncoded, left out") << "100:100 640:0:p" << 100.0 << 1 << false;
    QTest::newRow("private purchase not in the sum") << "100:100 640:640:p" << 740.0 << 1 << true;
    QTest::newRow("no purchases") << "" << 10.0 << 1 << true;
    QTest::newRow("total exactly 0") << "100:100 -100:-100" << 0.0 << 1 << true;
    QTest::newRow("total 0, private card") << "" << 0.0 << 2 << false;
}

void TestInvoice::hasDifferences()
{
    QFETCH(QString, purchases);
    QFETCH(double, total);
    QFETCH(int, card);
    QFETCH(bool, differences);
    const int key = AddInvoice(total, card);
    for (const QString& entry : purchases.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u':');
        const int purchase = AddPurchase(key, parts[0].toDouble(), parts.size() > 2);
        if (parts[1].toDouble() != 0)
            AddCode(purchase, parts[1].toDouble(), ctOther);
    }
    TInvoice invoice;
    invoice.LoadById(key);
    QCOMPARE(invoice.HasDifferences(), differences);
}

void TestInvoice::purchaseFigures()
{
    TInvoice invoice;
    invoice.LoadById(3);   // 250 and a private 640, on the private card
    QCOMPARE(invoice.PurchaseTotal(), 250.0);
    QCOMPARE(invoice.RegisteredAmount(), 890.0);
    QCOMPARE(invoice.IsPrivateCard(), true);
    QCOMPARE(invoice.OwnerName(), QStringLiteral("Anna Svensson"));

    TInvoice empty;
    empty.LoadById(AddInvoice(10, 1));
    QCOMPARE(empty.PurchaseTotal(), 0.0);
    QCOMPARE(empty.RegisteredAmount(), 0.0);
}

void TestInvoice::nextPurchaseNumber_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("next");
    QTest::newRow("none") << QList<int>{} << 1;
    QTest::newRow("1, 2 and 7") << QList<int>{1, 2, 7} << 8;
}

void TestInvoice::nextPurchaseNumber()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, next);
    const int key = AddInvoice(10, 1);
    for (const int number : numbers)
        AddPurchase(key, 1, false, number);
    TInvoice invoice;
    invoice.LoadById(key);
    QCOMPARE(invoice.NextPurchaseNumber(), next);
}

void TestInvoice::findByNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("found");
    QTest::newRow("own invoice") << "2603" << 3;
    QTest::newRow("another person's number") << "2701" << 0;
    QTest::newRow("unknown") << "9999" << 0;
}

void TestInvoice::findByNumber()
{
    QFETCH(QString, number);
    QFETCH(int, found);
    Exec(QStringLiteral("insert into expense_Persons (Person_ID, FirstName, Username, State) values (2, 'Bo', 'bo', 1)"));
    AddInvoice(10, 0, 2, QStringLiteral("2701"));
    TInvoice invoice;
    invoice.LoadById(1);
    QCOMPARE(invoice.FindByNumber(number, 1), found);
    QCOMPARE(invoice.Id, found ? found : 1);
    QCOMPARE(invoice.InvoiceNumber, found ? number : QStringLiteral("2601"));
}

// Invoice 1 holds cost centre 100. Emptying the field must remove the value,
// or it would come back when the invoice is opened again.
void TestInvoice::internalAccountValue()
{
    TInvoice invoice;
    invoice.LoadById(1);
    const QString rows = QStringLiteral("select count(*) from expense_InvoiceInternalAccountRelation where fkInvoiceID = 1");
    QCOMPARE(invoice.InternalAccountValue(1), QStringLiteral("100"));
    invoice.SetInternalAccountValue(1, QStringLiteral("300"));
    QCOMPARE(invoice.InternalAccountValue(1), QStringLiteral("300"));
    QCOMPARE(Count(rows), 1);
    invoice.SetInternalAccountValue(2, QStringLiteral("P7"));
    QCOMPARE(Count(rows), 2);
    invoice.SetInternalAccountValue(1, QString());
    QCOMPARE(invoice.InternalAccountValue(1), QString());
    QCOMPARE(invoice.InternalAccountValue(2), QStringLiteral("P7"));
    QCOMPARE(Count(rows), 1);
}

void TestInvoice::deleteLeavesNoRowOfIt()
{
    const int codesBefore = Count(QStringLiteral("select count(*) from expense_AccountCodes"));
    const int valuesBefore = Count(QStringLiteral("select count(*) from expense_PREL"));

    const int key = AddInvoice(1300, 1);
    TInvoice invoice;
    invoice.LoadById(key);
    invoice.SetInternalAccountValue(1, QStringLiteral("100"));

    const int local = AddPurchase(key, 500);
    TAccountCode other;
    other.LoadById(AddCode(local, 100, ctOther));
    other.SetInternalAccountValue(1, QStringLiteral("100"));
    other.SetInternalAccountValue(2, QStringLiteral("P1"));
    Exec(QStringLiteral("insert into expense_AccountCodeTextAccountCodesRelation (fkAccountCodeID, fkAccountCodeTextID) "
                        "values (%1, 1)").arg(other.Id));
    TAccountCode own;
    own.LoadById(AddCode(local, 150, ctOwn));
    own.SetInternalAccountValue(1, QStringLiteral("200"));
    TRepresentation split(nullptr, 1, local, 0, 2);
    split.CostCentre = QStringLiteral("300");
    split.Split();
    const int secondPurchase = AddPurchase(key, 800);
    AddCode(secondPurchase, 800, ctOwn);
    QCOMPARE(Count(QStringLiteral("select count(distinct Type) from expense_AccountCodes where fkPurchaseRegistrationID = %1")
                       .arg(local)), 3);

    QCOMPARE(invoice.Delete(), 1);
    const QString ofInvoice = QStringLiteral("(select PurchaseRegistration_ID from expense_PurchaseRegistrations "
                                             "where fkInvoiceID = %1)").arg(key);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_Invoices where Invoice_ID = %1").arg(key)), 0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_InvoiceInternalAccountRelation where fkInvoiceID = %1").arg(key)), 0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PurchaseRegistrations where fkInvoiceID = %1").arg(key)), 0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_AccountCodes")), codesBefore);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PREL")), valuesBefore);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_AccountCodeTextAccountCodesRelation")), 0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_AccountCodes where fkPurchaseRegistrationID in ") + ofInvoice), 0);
}

QTEST_GUILESS_MAIN(TestInvoice)
#include "tst_invoice.moc"
