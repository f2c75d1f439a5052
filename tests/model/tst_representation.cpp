// The representation split (demo company: VAT 1 = 25 %, 2 = 12 %; accounts
// 12 = 6071 deductible, 13 = 6072 non-deductible, 5 = rounding).
#include "AccountCode_Class.h"
#include "ErrorUnit.h"
#include "ModelFixture.h"
#include "RepresentationUnit.h"
#include "TestCompany.h"

#include <QTest>

namespace {

int AddType(double deductionAmount, int vatId)
{
    TRepresentationType type;
    type.RepresentationTypeName = QStringLiteral("Test");
    type.DeductionAmount = deductionAmount;
    type.fkVatID = vatId;
    type.fkDeductionAccountNumber = 12;
    type.fkNonDeductionAccountNumber = 13;
    return type.Save();
}

// A foreign purchase is bought at the rate 10.
int AddPurchase(double amount, bool local)
{
    TPurchaseRegistration purchase;
    purchase.fkInvoiceID = 1;
    purchase.Amount = amount;
    purchase.ForeignAmount = local ? amount : amount / 10;
    purchase.ExchangeRate = local ? 1 : 10;
    purchase.Currency = local ? QString() : ForeignCurrency;
    return purchase.Save();
}

void AddCode(int purchase, double amount, int type)
{
    TAccountCode code;
    code.fkPurchaseRegistrationID = purchase;
    code.Amount = amount;
    code.ForeignAmount = amount;
    code.fkAccountNumber = 14;
    code.Type = type;
    code.Save();
}

struct TLine {
    int Account;
    double Amount;
    double Vat;
    double Foreign;
};

// The purchase's representation lines, in the order written.
QList<TLine> Lines(int purchase)
{
    TValdrona_ADOQuery query;
    query.OpenSQL(QStringLiteral("select * from expense_AccountCodes where Type = 1 and fkPurchaseRegistrationID = %1 "
                                 "order by AccountCode_ID").arg(purchase));
    QList<TLine> lines;
    for (; !query.Eof(); query.Next()) {
        lines.append({query.FieldAsInteger(QStringLiteral("fkAccountNumber")), query.FieldAsFloat(QStringLiteral("Amount")),
                      query.FieldAsFloat(QStringLiteral("VatAmount")), query.FieldAsFloat(QStringLiteral("ForeignAmount"))});
    }
    return lines;
}

int CodesOfType(int purchase, int type)
{
    return Count(QStringLiteral("select count(*) from expense_AccountCodes where fkPurchaseRegistrationID = %1 and Type = %2")
                     .arg(purchase).arg(type));
}

} // namespace

class TestRepresentation : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void split_data();
    void split();
    void partialFigures();
    void secondRunReplacesItsLines();
    void wholePurchaseCodedElsewhere();
    void unknownType();
    void missingRoundingAccount();
    void internalAccountValues();
    void roundingLine_data();
    void roundingLine();

private:
    std::unique_ptr<TTestCompany> m_company;
};

void TestRepresentation::init()
{
    m_company = std::make_unique<TTestCompany>(TTestCompany::TSource::Demo);
}

void TestRepresentation::cleanup()
{
    m_company.reset();
}

void TestRepresentation::split_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("local");
    QTest::addColumn<double>("perPerson");
    QTest::addColumn<int>("persons");
    QTest::addColumn<int>("vatId");
    QTest::addColumn<double>("extra");
    QTest::addColumn<double>("deductible");
    QTest::addColumn<double>("vat");
    QTest::addColumn<double>("deductibleForeign");
    QTest::addColumn<double>("nonDeductible");   // 0: no line
    QTest::addColumn<double>("nonDeductibleForeign");
    QTest::newRow("800, 2 persons, 25 %") << 800.0 << true << 90.0 << 2 << 1 << 0.0 << 225.0 << 45.0 << 225.0 << 575.0 << 575.0;
    QTest::newRow("200, all deductible") << 200.0 << true << 90.0 << 2 << 1 << 0.0 << 200.0 << 40.0 << 200.0 << 0.0 << 0.0;
    QTest::newRow("500, 3 persons, 12 %, extra 100") << 500.0 << true << 90.0 << 3 << 2 << 100.0 << 302.40 << 32.40 << 302.40 << 197.60 << 197.60;
    QTest::newRow("800 abroad at 10") << 800.0 << false << 90.0 << 2 << 1 << 0.0 << 180.0 << 0.0 << 18.0 << 620.0 << 62.0;
    QTest::newRow("0 persons") << 800.0 << true << 90.0 << 0 << 1 << 0.0 << 0.0 << 0.0 << 0.0 << 800.0 << 800.0;
    QTest::newRow("extra larger than the remainder") << 200.0 << true << 90.0 << 2 << 1 << 300.0 << 160.0 << -20.0 << 160.0 << 40.0 << 40.0;
}

void TestRepresentation::split()
{
    QFETCH(double, amount);
    QFETCH(bool, local);
    QFETCH(double, perPerson);
    QFETCH(int, persons);
    QFETCH(int, vatId);
    QFETCH(double, extra);
    QFETCH(double, deductible);
    QFETCH(double, vat);
    QFETCH(double, deductibleForeign);
    QFETCH(double, nonDeductible);
    QFETCH(double, nonDeductibleForeign);
    const int type = AddType(perPerson, vatId);
    const int purchase = AddPurchase(amount, local);
    TRepresentation representation(nullptr, type, purchase, extra, persons);
    representation.Split();

    const QList<TLine> lines = Lines(purchase);
    QCOMPARE(lines.size(), nonDeductible != 0 ? 2 : 1);
    QCOMPARE(lines[0].Account, 12);
    QCOMPARE(lines[0].Amount, deductible);
    QCOMPARE(lines[0].Vat, vat);
    QCOMPARE(lines[0].Foreign, deductibleForeign);
    if (nonDeductible != 0) {
        QCOMPARE(lines[1].Account, 13);
        QCOMPARE(lines[1].Amount, nonDeductible);
        QCOMPARE(lines[1].Vat, 0.0);
        QCOMPARE(lines[1].Foreign, nonDeductibleForeign);
    }
    TPurchaseRegistration stored;
    stored.LoadById(purchase);
    QCOMPARE(stored.fkRepresentationTypeID, type);
    QCOMPARE(stored.NumberOfPersons, persons);
    QCOMPARE(stored.ExtraAmount, extra);
    QCOMPARE(stored.PurchaseNumber, 4);
}

void TestRepresentation::partialFigures()
{
    TRepresentation representation(nullptr, AddType(90, 2), AddPurchase(500, true), 100, 3);
    representation.Split();
    QCOMPARE(representation.Remaining(), 500.0);
    QCOMPARE(representation.MaxVat(), 32.4);
    QCOMPARE(representation.VatInRemaining(), 400 - 400 / 1.12);
    QCOMPARE(representation.DeductibleVat(), 32.4);
    QCOMPARE(representation.MaxDeductible(), 302.4);
    QCOMPARE(representation.DeductibleAmount(), 302.4);
    QCOMPARE(representation.NonDeductibleAmount(), 197.6);
}

void TestRepresentation::secondRunReplacesItsLines()
{
    const int type = AddType(90, 1);
    const int purchase = AddPurchase(800, true);
    AddCode(purchase, 100, ctOther);
    AddCode(purchase, 50, ctOwn);
    for (int run = 0; run < 2; ++run) {
        TRepresentation representation(nullptr, type, purchase, 0, 2);
        representation.Split();
        QCOMPARE(representation.Remaining(), 650.0);
    }
    const QList<TLine> lines = Lines(purchase);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].Amount, 225.0);
    QCOMPARE(lines[1].Amount, 425.0);
    QCOMPARE(CodesOfType(purchase, ctOther), 1);
    QCOMPARE(CodesOfType(purchase, ctOwn), 1);
}

void TestRepresentation::wholePurchaseCodedElsewhere()
{
    const int purchase = AddPurchase(800, true);
    AddCode(purchase, 800, ctOwn);
    TRepresentation representation(nullptr, AddType(90, 1), purchase, 0, 2);
    representation.Split();
    const QList<TLine> lines = Lines(purchase);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].Account, 12);
    QCOMPARE(lines[0].Amount, 0.0);
}

void TestRepresentation::unknownType()
{
    const int purchase = AddPurchase(800, true);
    TRepresentation representation(nullptr, 99, purchase, 0, 2);
    representation.Split();
    const QList<TLine> lines = Lines(purchase);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].Account, 0);
    QCOMPARE(lines[0].Amount, 0.0);
    QCOMPARE(lines[1].Account, 0);
    QCOMPARE(lines[1].Amount, 800.0);
    QVERIFY(Scalar(QStringLiteral("select fkRepresentationTypeID from expense_PurchaseRegistrations "
                                  "where PurchaseRegistration_ID = %1").arg(purchase)).isNull());
}

void TestRepresentation::missingRoundingAccount()
{
    const int type = AddType(90, 1);
    const int purchase = AddPurchase(800, true);
    AddCode(purchase, 800, ctRepresentation);
    Exec(QStringLiteral("delete from expense_Settings where SettingName = 'ACCOUNTCODEDIFFACCOUNT'"));
    TRepresentation representation(nullptr, type, purchase, 0, 2);
    try {
        representation.Split();
        QFAIL("the split must not run without a rounding account");
    } catch (const EError& error) {
        QCOMPARE(error.Message(), QStringLiteral("Fel: Inget öresavrundningskonto valt i inställningar."));
    }
    const QList<TLine> lines = Lines(purchase);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].Amount, 800.0);
    TPurchaseRegistration stored;
    stored.LoadById(purchase);
    QCOMPARE(stored.fkRepresentationTypeID, 0);
}

// The demo names internal account 1 the cost centre and 2 the project; no cost unit is given.
void TestRepresentation::internalAccountValues()
{
    const int purchase = AddPurchase(800, true);
    TRepresentation representation(nullptr, AddType(90, 1), purchase, 0, 2);
    representation.CostCentre = QStringLiteral("100");
    representation.Project = QStringLiteral("P9");
    representation.Split();
    const QString values = QStringLiteral(
        "select group_concat(fkInternalAccount_ID || '=' || Data, ' ') from (select * from expense_PREL "
        "join expense_AccountCodes on AccountCode_ID = fkAccountCode_ID where fkPurchaseRegistrationID = %1 "
        "and fkAccountNumber = %2 order by fkInternalAccount_ID)").arg(purchase);
    QCOMPARE(Scalar(values.arg(12)).toString(), QStringLiteral("1=100 2=P9"));
    QCOMPARE(Scalar(values.arg(13)).toString(), QStringLiteral("1=100 2=P9"));
}

void TestRepresentation::roundingLine_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<int>("lines");
    QTest::newRow("abroad") << false << 3;
    QTest::newRow("domestic") << true << 2;
}

// The lines are rounded to cents; a foreign purchase gets what they leave of
// its amount on the rounding account, as it is, without a foreign amount.
void TestRepresentation::roundingLine()
{
    QFETCH(bool, local);
    QFETCH(int, lines);
    const int purchase = AddPurchase(800, local);
    TRepresentation representation(nullptr, AddType(90, 1), purchase, 0, 2);
    representation.CostCentre = QStringLiteral("100");
    representation.Purchase().Amount = 800.004;
    representation.Split();
    const QList<TLine> written = Lines(purchase);
    QCOMPARE(written.size(), lines);
    if (local)
        return;
    QCOMPARE(written[1].Amount, 620.0);
    QCOMPARE(written[2].Account, 5);
    QCOMPARE(written[2].Amount, (800.004 * 100 - 800.0 * 100) / 100);
    QCOMPARE(written[2].Foreign, 0.0);
    QCOMPARE(written[2].Vat, 0.0);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_PREL where fkAccountCode_ID = "
                                  "(select max(AccountCode_ID) from expense_AccountCodes)")), 0);
}

QTEST_GUILESS_MAIN(TestRepresentation)
#include "tst_representation.moc"
