// The three builders on small companies: what the summarised voucher, the
// detailed voucher and the SIE voucher make of the same coding.
#include "SIECompanyFixture.h"
#include "SIEExportUnit.h"
#include "SettingsUnit.h"

#include "Invoice_Class.h"

#include <QTest>

namespace {

QStringList Describe(const TAccountCodeList& list)
{
    QStringList lines;
    for (const TAccountCodeRecord& line : list)
        lines.append(QStringList{line.AccountNumber, line.InternalAccount1, line.InternalAccount2,
                                 line.InternalAccount3, line.ExtraText, FormatSIEAmount(line.Amount)}
                         .join(u'|'));
    return lines;
}

QStringList Describe(const TVer& voucher)
{
    QStringList lines;
    for (int i = 0; i < voucher.TransactionCount(); ++i) {
        const TTrans& transaction = voucher.Transaction(i);
        lines.append(QStringList{transaction.Account, transaction.ObjectsText(), transaction.Text,
                                 FormatSIEAmount(transaction.Amount)}
                         .join(u'|'));
    }
    return lines;
}

QStringList Summarised(int invoice)
{
    TVoucherSource source;
    TAccountCodeList list;
    BuildSummarisedVoucherLines(invoice, list, source);
    SortVoucherLines(list);
    return Describe(list);
}

QStringList SIEVoucher(int invoiceId)
{
    TVoucherSource source;
    TSIE document;
    TVer& voucher = document.AddVoucher();
    TInvoice invoice;
    invoice.LoadById(invoiceId);
    BuildVoucherTransactions(voucher, invoice, document, source);
    return Describe(voucher);
}

QStringList DetailedInvoice(int invoice)
{
    TVoucherSource source;
    TAccountCodeList list;
    BuildDetailedInvoiceLines(invoice, list, source);
    return Describe(list);
}

QStringList DetailedPurchase(int purchase)
{
    TVoucherSource source;
    TAccountCodeList list{{"stale", {}, {}, {}, {}, 1, {}}};
    BuildDetailedPurchaseLines(purchase, list, source);
    return Describe(list);
}

} // namespace

class TestVoucherLines : public QObject {
    Q_OBJECT
private slots:
    void textInOtherCaseIsTwoLinesButOneTransaction();
    void objectValuesInOtherCaseAreOneTransaction();
    void privatePurchaseIsOnlyOnTheDetailedVoucher();
    void invoiceWithTotalZero();
    void missingAccountsGetFallbackLabels_data();
    void missingAccountsGetFallbackLabels();
    void codeOnTheVatAccountMergesOnlyWhenPlain();
    void completeCodingBalances();
};

void TestVoucherLines::textInOtherCaseIsTwoLinesButOneTransaction()
{
    TSIECompany company;
    const int cc = company.AddInternalAccount("Kostnadsställe");
    SetSettingInt("INTERNALACCOUNTID1", cc);
    const int travel = company.AddAccount(4010, "Resor");
    const int invoice = company.AddInvoice("1", "2024-03-31", "2024-03-31", 300, company.Credit);
    const int purchase = company.AddPurchase(invoice, 300);
    company.AddCode(purchase, travel, 100, 20, "Taxi", {{cc, "100"}});
    company.AddCode(purchase, travel, 200, 40, "taxi", {{cc, "100"}});

    QCOMPARE(Summarised(invoice), (QStringList{"2640|||||60.00", "2890|||||-300.00", "4010|100|||Taxi|80.00",
                                               "4010|100|||taxi|160.00"}));
    QCOMPARE(SIEVoucher(invoice), (QStringList{R"(4010|"1" "100"|taxi|240.00)", "2640|||60.00", "2890|||-300.00"}));
}

void TestVoucherLines::objectValuesInOtherCaseAreOneTransaction()
{
    TSIECompany company;
    const int cc = company.AddInternalAccount("Kostnadsställe");
    const int project = company.AddInternalAccount("Projekt");
    const int travel = company.AddAccount(5800, "Resekostnader");
    const int invoice = company.AddInvoice("1", "2024-03-31", "2024-03-31", 60, company.Credit);
    const int purchase = company.AddPurchase(invoice, 60);
    company.AddCode(purchase, travel, 10, 0, "", {{cc, "ab"}, {project, "p1"}});
    company.AddCode(purchase, travel, 20, 0, "", {{cc, "AB"}, {project, "P1"}});
    company.AddCode(purchase, travel, 30, 0, "", {{cc, "AB"}});   // no project: a transaction of its own

    QCOMPARE(SIEVoucher(invoice), (QStringList{R"(5800|"1" "ab" "6" "p1"||30.00)", R"(5800|"1" "AB"||30.00)",
                                               "2890|||-60.00"}));
}

void TestVoucherLines::privatePurchaseIsOnlyOnTheDetailedVoucher()
{
    TSIECompany company;
    const int office = company.AddAccount(6110, "Kontorsmateriel");
    const int food = company.AddAccount(5831, "Kost och logi");
    const int invoice = company.AddInvoice("1", "2024-03-31", "2024-03-31", 250, company.Credit);
    const int business = company.AddPurchase(invoice, 250);
    company.AddCode(business, office, 250, 50);
    const int privatePurchase = company.AddPurchase(invoice, 640, true);
    company.AddCode(privatePurchase, food, 600, 60);   // 40 not coded

    QCOMPARE(Summarised(invoice), (QStringList{"2640|||||50.00", "2890|||||-250.00", "6110|||||200.00"}));
    QCOMPARE(SIEVoucher(invoice), (QStringList{"6110|||200.00", "2640|||50.00", "2890|||-250.00"}));
    QCOMPARE(DetailedPurchase(privatePurchase),
             (QStringList{"5831|||||540.00", "2640|||||60.00", "Notadiff|||||40.00"}));
}

void TestVoucherLines::invoiceWithTotalZero()
{
    TSIECompany company;
    const int invoice = company.AddInvoice("1", "2024-03-31", "2024-03-31", 0, company.Credit);

    QCOMPARE(Summarised(invoice), QStringList());
    QCOMPARE(DetailedInvoice(invoice), QStringList{"2890|||||0.00"});
    QCOMPARE(SIEVoucher(invoice), QStringList());
}

void TestVoucherLines::missingAccountsGetFallbackLabels_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<QStringList>("summarised");
    QTest::addColumn<QStringList>("invoiceLines");
    QTest::addColumn<QStringList>("purchaseLines");

    QTest::newRow("accounts configured")
        << true << QStringList{"1689|||||0.50", "2640|||||20.00", "2890|||||-100.50", "5800|||||79.50", "6992|||||0.50"}
        << QStringList{"2890|||||-100.50", "1689|||||0.50"}
        << QStringList{"5800|||||79.50", "2640|||||20.00", "6992|||||0.50"};
    QTest::newRow("accounts missing")
        << false
        << QStringList{"5800|||||79.50", "Fakturadiff|||||0.50", "Ingående moms|||||20.00", "Kreditkonto|||||-100.50",
                       "Notadiff|||||0.50"}
        << QStringList{"Kreditkonto|||||-100.50", "Fakturadiff|||||0.50"}
        << QStringList{"5800|||||79.50", "Ingående moms|||||20.00", "Notadiff|||||0.50"};
}

void TestVoucherLines::missingAccountsGetFallbackLabels()
{
    QFETCH(bool, configured);
    QFETCH(QStringList, summarised);
    QFETCH(QStringList, invoiceLines);
    QFETCH(QStringList, purchaseLines);

    TSIECompany company;
    const int travel = company.AddAccount(5800, "Resekostnader");
    const int invoiceDifference = company.AddAccount(1689, "Övriga fordringar");
    const int purchaseDifference = company.AddAccount(6992, "Ej avdragsgilla");
    const int missing = 999;
    SetSettingInt("INVOICEDIFFERENCE", configured ? invoiceDifference : missing);
    SetSettingInt("PURCHASEDIFFERENCE", configured ? purchaseDifference : missing);
    if (!configured)
        SetSetting("INCOMINGVAT", QString());
    // A purchase of 100.00 coded with 99.50, on an invoice of 100.50.
    const int invoice = company.AddInvoice("1", "2024-03-31", "2024-03-31", 100.5,
                                           configured ? company.Credit : missing);
    const int purchase = company.AddPurchase(invoice, 100);
    company.AddCode(purchase, travel, 99.5, 20);

    QCOMPARE(Summarised(invoice), summarised);
    QCOMPARE(DetailedInvoice(invoice), invoiceLines);
    QCOMPARE(DetailedPurchase(purchase), purchaseLines);
}

void TestVoucherLines::codeOnTheVatAccountMergesOnlyWhenPlain()
{
    TSIECompany company;
    const int cc = company.AddInternalAccount("Kostnadsställe");
    SetSettingInt("INTERNALACCOUNTID1", cc);
    const int invoice = company.AddInvoice("1", "2024-03-31", "2024-03-31", 35, company.Credit);
    const int purchase = company.AddPurchase(invoice, 35);
    company.AddCode(purchase, company.IncomingVat, 10, 0);
    company.AddCode(purchase, company.IncomingVat, 5, 0, "Moms");
    company.AddCode(purchase, company.IncomingVat, 20, 4, "", {{cc, "100"}});

    QCOMPARE(Summarised(invoice), (QStringList{"2640|||||14.00", "2640||||Moms|5.00", "2640|100||||16.00",
                                               "2890|||||-35.00"}));
}

void TestVoucherLines::completeCodingBalances()
{
    TSIECompany company;
    const int travel = company.AddAccount(5800, "Resekostnader");
    const int big = company.AddAccount(10000, "Femsiffrigt");
    const int invoice = company.AddInvoice("1", "2024-03-31", "2024-03-31", 1234.56, company.Credit);
    const int first = company.AddPurchase(invoice, 1000.01);
    company.AddCode(first, travel, 600.01, 120);
    company.AddCode(first, big, 400, 80);
    const int second = company.AddPurchase(invoice, 234.55);
    company.AddCode(second, travel, 234.55, 46.91);

    TVoucherSource source;
    TAccountCodeList list;
    BuildSummarisedVoucherLines(invoice, list, source);
    SortVoucherLines(list);
    QCOMPARE(Describe(list), (QStringList{"10000|||||320.00", "2640|||||246.91", "2890|||||-1234.56",
                                          "5800|||||667.65"}));
    double debit = 0;
    double credit = 0;
    for (const TAccountCodeRecord& line : list)
        AddDebitCredit(debit, credit, line.Amount);
    QCOMPARE(RoundTo2(debit + credit), 0.0);
}

QTEST_GUILESS_MAIN(TestVoucherLines)
#include "tst_voucherlines.moc"
