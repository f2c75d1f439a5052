// The export procedure on small companies: the file it writes, the invoices it
// marks, its refusals, and what a failure leaves behind.
#include "ClockUnit.h"
#include "ErrorUnit.h"
#include "QueryUnit.h"
#include "SIECompanyFixture.h"
#include "SIEExportProcedureUnit.h"
#include "ScriptedPrompt.h"
#include "SettingsUnit.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString NothingToExport = QStringLiteral("Finns inget att exportera på vald period!");

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The #VER and #TRANS lines of a file, as text.
QStringList VoucherLines(const QString& path)
{
    QStringList lines;
    for (const QString& line : QString::fromLatin1(ReadFile(path)).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(QStringLiteral("#VER")) || line.startsWith(QStringLiteral("\t#TRANS")))
            lines.append(line.trimmed());
    }
    return lines;
}

TSIEExportResult Export(const QString& fileName, TDateTime from = EncodeDate(2024, 1, 1),
                        TDateTime to = EncodeDate(2024, 12, 31))
{
    TSIEExportRequest request;
    request.FromDate = from;
    request.ToDate = to;
    request.FileName = fileName;
    return RunSIEExport(request);
}

// A fully coded invoice of one purchase on account 5800, 25 % VAT included.
int AddCodedInvoice(TSIECompany& company, int account, const QString& number, const QString& dateOfPosting,
                    double total, int state = 10)
{
    const int invoice = company.AddInvoice(number, dateOfPosting, dateOfPosting, total, company.Credit, 0, state);
    const int purchase = company.AddPurchase(invoice, total);
    company.AddCode(purchase, account, total, RoundTo2(total * 0.2));
    return invoice;
}

} // namespace

class TestSIEExport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void writesTheWorkedExample();
    void exportsEachInvoiceOnce();
    void aDifferenceStopsTheWholeExport();
    void privateCardIsCreditedItsPurchases();
    void emptyToDateHasNoUpperBound();
    void roundingFollowsTheSetting_data();
    void roundingFollowsTheSetting();
    void refusals_data();
    void refusals();
    void asksForTheFileName();
    void cancelledDialogChangesNothing();
    void replacesAnExistingFile();
    void failedWriteLeavesEveryInvoiceRegistered();
    void failedMarkingRemovesTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_output;
    QString OutputFile(const QString& name = QStringLiteral("export.si")) const { return m_output->filePath(name); }
};

void TestSIEExport::init()
{
    m_output = std::make_unique<QTemporaryDir>();
}

void TestSIEExport::writesTheWorkedExample()
{
    const TFixedClock clock(QDate(2024, 4, 5));
    TSIECompany company;
    TScriptedPrompt prompt;
    const int costCentre = company.AddInternalAccount("Kostnadsställe");
    const int project = company.AddInternalAccount("Projekt");
    SetSetting("COMPANYNAME", "Exempelbolaget AB");
    SetSetting("ORGANIZATIONNUMBER", "556000-0000");
    SetSetting("YEARRARBEGIN", "2024-01-01");
    SetSetting("YEARRAREND", "2024-12-31");
    SetSetting("PREVIOUSYEARRARBEGIN", "2023-01-01");
    SetSetting("PREVIOUSYEARRAREND", "2023-12-31");
    TValdrona_ADOQuery().ExecText("update expense_Persons set FirstName = 'Test', LastName = 'Person'");
    const int travel = company.AddAccount(5800, "Resekostnader");
    const int entertainment = company.AddAccount(6071, "Representation, avdragsgill");
    const int invoice = company.AddInvoice("4711", "2024-03-31", "2024-03-31", 1750, company.Credit);
    const int purchase = company.AddPurchase(invoice, 1750);
    company.AddCode(purchase, travel, 1250, 150, "Taxi", {{costCentre, "100"}, {project, "P1"}});
    company.AddCode(purchase, entertainment, 500, 60, "", {{costCentre, "100"}});

    QCOMPARE(Export(OutputFile()), TSIEExportResult::Exported);

    const QString golden = TTestCompany::SourceDir() + QStringLiteral("/tests/sie/golden/worked_example.si");
    QCOMPARE(ReadFile(OutputFile()), ReadFile(golden));
    QCOMPARE(prompt.Texts(), QStringList{QStringLiteral("Exporterat till:\r\n") + OutputFile()});
    QCOMPARE(company.InvoiceState(invoice), 50);
}

void TestSIEExport::exportsEachInvoiceOnce()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    const int travel = company.AddAccount(5800, "Resekostnader");
    AddCodedInvoice(company, travel, "1", "2024-02-01", 100);
    AddCodedInvoice(company, travel, "2", "2024-02-02", 200, 50);
    AddCodedInvoice(company, travel, "3", "2024-02-03", 300);
    AddCodedInvoice(company, travel, "4", "2024-02-04", 400);

    QCOMPARE(Export(OutputFile()), TSIEExportResult::Exported);
    const QStringList vouchers = VoucherLines(OutputFile()).filter(QRegularExpression("^#VER"));
    QCOMPARE(vouchers, (QStringList{R"(#VER	""	"1"	20240201	"Valdrona faktura 1 Ekonomi Admin")",
                                    R"(#VER	""	"3"	20240203	"Valdrona faktura 3 Ekonomi Admin")",
                                    R"(#VER	""	"4"	20240204	"Valdrona faktura 4 Ekonomi Admin")"}));
    QCOMPARE(company.InvoiceStates(), (QList<int>{50, 50, 50, 50}));

    prompt.Reset();
    QCOMPARE(Export(OutputFile("again.si")), TSIEExportResult::Refused);
    QCOMPARE(prompt.Texts(), QStringList{NothingToExport});
    QVERIFY(!QFile::exists(OutputFile("again.si")));
}

void TestSIEExport::aDifferenceStopsTheWholeExport()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    const int travel = company.AddAccount(5800, "Resekostnader");
    for (int i = 1; i <= 5; ++i) {
        const int invoice = AddCodedInvoice(company, travel, QString::number(i), "2024-02-01", 100);
        if (i == 4) {
            const int purchase = company.AddPurchase(invoice, 20);
            company.AddCode(purchase, travel, 19.99, 0);
            TValdrona_ADOQuery().ExecText(
                QStringLiteral("update expense_Invoices set TotalAmount = 120 where Invoice_ID = %1").arg(invoice));
        }
    }
    QCOMPARE(Export(OutputFile()), TSIEExportResult::Refused);
    QCOMPARE(prompt.Texts(),
             QStringList{"Pga differens i urvalet kan inte fakturorna exporteras.\r\nKorrigera differenserna eller "
                         "byt till annat bokföringsdatum på de fakturor som har differens och gör om exporten."});
    QVERIFY(!QFile::exists(OutputFile()));
    QCOMPARE(company.InvoiceStates(), (QList<int>{10, 10, 10, 10, 10}));
}

void TestSIEExport::privateCardIsCreditedItsPurchases()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    const int office = company.AddAccount(6110, "Kontorsmateriel");
    const int card = company.AddCard(2);
    const int invoice = company.AddInvoice("9", "2024-04-15", "2024-04-20", 890, company.Credit, card);
    company.AddCode(company.AddPurchase(invoice, 250), office, 250, 50);
    company.AddPurchase(invoice, 640, true);   // private and not coded

    QCOMPARE(Export(OutputFile()), TSIEExportResult::Exported);
    QCOMPARE(VoucherLines(OutputFile()), (QStringList{R"(#VER	""	"9"	20240415	"Valdrona faktura 9 Ekonomi Admin")",
                                                      "#TRANS\t6110\t{}\t200.00", "#TRANS\t2640\t{}\t50.00",
                                                      "#TRANS\t2890\t{}\t-250.00"}));
}

void TestSIEExport::emptyToDateHasNoUpperBound()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    const int travel = company.AddAccount(5800, "Resekostnader");
    AddCodedInvoice(company, travel, "early", "2023-12-31", 100);
    AddCodedInvoice(company, travel, "late", "2030-06-01", 100);

    QCOMPARE(Export(OutputFile(), EncodeDate(2024, 1, 1), 0), TSIEExportResult::Exported);
    QCOMPARE(VoucherLines(OutputFile()).filter(QRegularExpression("^#VER")).size(), 1);
    QCOMPARE(company.InvoiceStates(), (QList<int>{10, 50}));
}

void TestSIEExport::roundingFollowsTheSetting_data()
{
    QTest::addColumn<bool>("round");
    QTest::addColumn<QStringList>("transactions");
    QTest::newRow("off keeps the öre") << false
                                       << QStringList{"#TRANS\t5800\t{}\t80.40", "#TRANS\t6071\t{}\t50.40",
                                                      "#TRANS\t2640\t{}\t20.10", "#TRANS\t2890\t{}\t-150.90"};
    QTest::newRow("on rounds to kronor") << true
                                         << QStringList{"#TRANS\t5800\t{}\t80.00", "#TRANS\t6071\t{}\t50.00",
                                                        "#TRANS\t2640\t{}\t20.00", "#TRANS\t2890\t{}\t-151.00",
                                                        "#TRANS\t3740\t{}\t1.00"};
}

void TestSIEExport::roundingFollowsTheSetting()
{
    QFETCH(bool, round);
    QFETCH(QStringList, transactions);
    TSIECompany company;
    TScriptedPrompt prompt;
    SetSettingBool("ROUNDAMOUNT_SUMVER", round);
    SetSettingInt("ACCOUNTCODEDIFFACCOUNT", company.Rounding);
    const int travel = company.AddAccount(5800, "Resekostnader");
    const int entertainment = company.AddAccount(6071, "Representation");
    const int invoice = company.AddInvoice("1", "2024-02-01", "2024-02-01", 150.90, company.Credit);
    const int purchase = company.AddPurchase(invoice, 150.90);
    company.AddCode(purchase, travel, 100.50, 20.10);
    company.AddCode(purchase, entertainment, 50.40, 0);

    QCOMPARE(Export(OutputFile()), TSIEExportResult::Exported);
    QCOMPARE(VoucherLines(OutputFile()).mid(1), transactions);
}

void TestSIEExport::refusals_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("no VAT account") << "INCOMINGVAT" << "" << "Du måste ställa in ingående momskonto.";
    QTest::newRow("VAT account deleted") << "INCOMINGVAT" << "999" << "Du måste ställa in ingående momskonto.";
    QTest::newRow("rounding without account")
        << "ROUNDAMOUNT_SUMVER" << "1"
        << "Du har valt att avrunda beloppen för export i inställningar.\r\nMen du måste även ställa in konto för "
           "öresutjämning!";
    QTest::newRow("nothing in the period") << "" << "" << NothingToExport;
}

void TestSIEExport::refusals()
{
    QFETCH(QString, setting);
    QFETCH(QString, value);
    QFETCH(QString, message);
    TSIECompany company;
    TScriptedPrompt prompt;
    const int travel = company.AddAccount(5800, "Resekostnader");
    if (setting.isEmpty())
        AddCodedInvoice(company, travel, "1", "2025-01-01", 100);
    else
        AddCodedInvoice(company, travel, "1", "2024-02-01", 100);
    if (!setting.isEmpty())
        SetSetting(setting, value);

    QCOMPARE(Export(OutputFile()), TSIEExportResult::Refused);
    QCOMPARE(prompt.Texts(), QStringList{message});
    QCOMPARE(prompt.Asked().front().Kind, TMessageKind::Information);
    QVERIFY(!QFile::exists(OutputFile()));
    QCOMPARE(company.InvoiceStates(), QList<int>{10});
}

void TestSIEExport::asksForTheFileName()
{
    const TFixedClock clock(QDate(2024, 4, 5));
    TSIECompany company;
    TScriptedPrompt prompt;
    AddCodedInvoice(company, company.AddAccount(5800, "Resekostnader"), "1", "2024-02-01", 100);
    prompt.AnswerFileName(OutputFile("chosen"));
    int storedDates = 0;
    TSIEExportRequest request;
    request.FromDate = EncodeDate(2024, 1, 1);
    request.StoreDates = [&] { ++storedDates; };

    QCOMPARE(RunSIEExport(request, prompt), TSIEExportResult::Exported);
    QCOMPARE(prompt.LastProposedName, QStringLiteral("export240405.si"));
    QVERIFY(QFile::exists(OutputFile("chosen.si")));   // the dialog's default extension
    QCOMPARE(storedDates, 1);
}

void TestSIEExport::cancelledDialogChangesNothing()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    AddCodedInvoice(company, company.AddAccount(5800, "Resekostnader"), "1", "2024-02-01", 100);
    int storedDates = 0;
    TSIEExportRequest request;
    request.StoreDates = [&] { ++storedDates; };

    QCOMPARE(RunSIEExport(request, prompt), TSIEExportResult::Cancelled);
    QCOMPARE(prompt.Texts(), QStringList());
    QCOMPARE(storedDates, 0);
    QCOMPARE(company.InvoiceStates(), QList<int>{10});
}

void TestSIEExport::replacesAnExistingFile()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    AddCodedInvoice(company, company.AddAccount(5800, "Resekostnader"), "1", "2024-02-01", 100);
    QFile old(OutputFile());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();

    QCOMPARE(Export(OutputFile()), TSIEExportResult::Exported);
    QVERIFY(ReadFile(OutputFile()).startsWith("#FLAGGA\t0\r\n"));
    QVERIFY(!ReadFile(OutputFile()).contains('x'));
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files), QStringList{"export.si"});
}

void TestSIEExport::failedWriteLeavesEveryInvoiceRegistered()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    const int travel = company.AddAccount(5800, "Resekostnader");
    AddCodedInvoice(company, travel, "1", "2024-02-01", 100);
    AddCodedInvoice(company, travel, "2", "2024-02-02", 100);
    const QString unwritable = OutputFile("missing folder/export.si");

    QVERIFY_THROWS_EXCEPTION(EError, Export(unwritable));
    QVERIFY(!QFile::exists(unwritable));
    QCOMPARE(company.InvoiceStates(), (QList<int>{10, 10}));
    QCOMPARE(prompt.Texts(), QStringList());
}

void TestSIEExport::failedMarkingRemovesTheFile()
{
    TSIECompany company;
    TScriptedPrompt prompt;
    const int travel = company.AddAccount(5800, "Resekostnader");
    AddCodedInvoice(company, travel, "1", "2024-02-01", 100);
    const int second = AddCodedInvoice(company, travel, "2", "2024-02-02", 100);
    // The second invoice cannot be saved, after the first one was.
    TValdrona_ADOQuery().ExecText(QStringLiteral("create trigger refuse before update on expense_Invoices "
                                                 "when old.Invoice_ID = %1 begin select raise(abort, 'refused'); end")
                                      .arg(second));

    QVERIFY_THROWS_EXCEPTION(EError, Export(OutputFile()));
    QVERIFY(!QFile::exists(OutputFile()));
    QCOMPARE(company.InvoiceStates(), (QList<int>{10, 10}));
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestSIEExport)
#include "tst_sieexport.moc"
