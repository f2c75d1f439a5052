// qvb-cli from outside: a copy of the program beside a test company's qvb.ini,
// run as a bookkeeper's script would run it.
#include "QueryUnit.h"
#include "SIECompanyFixture.h"
#include "SettingsUnit.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

struct TRun {
    int ExitCode = -1;
    QString Output;
    QString Errors;
};

} // namespace

class TestQvbCli : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void exportsAndMarks();
    void helpListsTheCommands();
    void badCommandLines_data();
    void badCommandLines();
    void refusesAnotherDatabaseVersion();
    void logsInWhenThereAreSeveralPersons_data();
    void logsInWhenThereAreSeveralPersons();
    void failsWhenNothingIsExported();

private:
    TRun Run(const QStringList& arguments) const;
    QStringList ExportArguments(const QString& database = QStringLiteral("company")) const;
    QString OutputFile() const { return m_company->Company().Folder() + QStringLiteral("out.si"); }

    std::unique_ptr<TSIECompany> m_company;
    int m_invoice = 0;
};

void TestQvbCli::init()
{
    m_company = std::make_unique<TSIECompany>();
    const QString program = m_company->Company().Folder() + QStringLiteral("qvb-cli");
    QVERIFY(QFile::copy(TTestCompany::DistDir() + QStringLiteral("/qvb-cli"), program));
    const int travel = m_company->AddAccount(5800, "Resekostnader");
    m_invoice = m_company->AddInvoice("1", "2024-02-01", "2024-02-01", 125, m_company->Credit);
    m_company->AddCode(m_company->AddPurchase(m_invoice, 125), travel, 125, 25);
}

void TestQvbCli::cleanup()
{
    m_company.reset();
}

TRun TestQvbCli::Run(const QStringList& arguments) const
{
    QProcess process;
    process.start(m_company->Company().Folder() + QStringLiteral("qvb-cli"), arguments);
    if (!process.waitForFinished(60000))
        qFatal("qvb-cli did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QStringList TestQvbCli::ExportArguments(const QString& database) const
{
    return {"export-sie", "--database", database, "--from", "240101", "--to", "2024-12-31", "--output", OutputFile()};
}

void TestQvbCli::exportsAndMarks()
{
    const TRun run = Run(ExportArguments());
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Errors, QStringLiteral("Exporterat till:\n") + OutputFile() + u'\n');
    QFile file(OutputFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("#TRANS\t2890\t{}\t-125.00\t\r\n"));
    QCOMPARE(m_company->InvoiceState(m_invoice), 50);
    QCOMPARE(GetSetting("SIEEXPORTFROM", {}), QStringLiteral("2024-01-01"));
    QCOMPARE(GetSetting("SIEEXPORTTO", {}), QStringLiteral("2024-12-31"));
}

void TestQvbCli::helpListsTheCommands()
{
    const TRun run = Run({"--help"});
    QCOMPARE(run.ExitCode, 0);
    QVERIFY(run.Output.contains(QStringLiteral("export-sie")));
    QVERIFY(run.Output.contains(QStringLiteral("--help")));
}

void TestQvbCli::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"import-sie"};
    QTest::newRow("unknown option") << QStringList{"export-sie", "--database", "company", "--from", "240101", "--to",
                                                   "241231", "--output", "x.si", "--series", "A"};
    QTest::newRow("missing output") << QStringList{"export-sie", "--database", "company", "--from", "240101", "--to",
                                                   "241231"};
    QTest::newRow("missing value") << QStringList{"export-sie", "--database", "company", "--from", "240101", "--to",
                                                  "241231", "--output"};
    QTest::newRow("user without password") << QStringList{"export-sie", "--database", "company", "--from", "240101",
                                                          "--to", "241231", "--output", "x.si", "--user", "admin"};
    QTest::newRow("no date") << QStringList{"export-sie", "--database", "company", "--from", "1309", "--to", "241231",
                                            "--output", "x.si"};
    QTest::newRow("impossible date") << QStringList{"export-sie", "--database", "company", "--from", "240230",
                                                    "--to", "241231", "--output", "x.si"};
}

void TestQvbCli::badCommandLines()
{
    QFETCH(QStringList, arguments);
    const TRun run = Run(arguments);
    QCOMPARE(run.ExitCode, 2);
    QVERIFY2(run.Errors.contains(QStringLiteral("Användning: qvb-cli export-sie --database NAMN")), qPrintable(run.Errors));
    QCOMPARE(m_company->InvoiceState(m_invoice), 10);
}

void TestQvbCli::refusesAnotherDatabaseVersion()
{
    SetSettingInt("DB_VERSION", 17);
    const TRun run = Run(ExportArguments());
    QCOMPARE(run.ExitCode, 1);
    QVERIFY(run.Errors.startsWith(QStringLiteral("Databasen är en annan version än vad som förväntades.\n")));
    QVERIFY(!QFile::exists(OutputFile()));
    QCOMPARE(m_company->InvoiceState(m_invoice), 10);
}

void TestQvbCli::logsInWhenThereAreSeveralPersons_data()
{
    QTest::addColumn<QStringList>("login");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no user given") << QStringList{} << 1;
    QTest::newRow("wrong password") << QStringList{"--user", "bodil", "--password", "Hemligt"} << 1;
    QTest::newRow("person may not log in") << QStringList{"--user", "carl", "--password", "carl"} << 1;
    QTest::newRow("right password") << QStringList{"--user", "bodil", "--password", "hemligt"} << 0;
}

void TestQvbCli::logsInWhenThereAreSeveralPersons()
{
    QFETCH(QStringList, login);
    QFETCH(int, exitCode);
    m_company->AddPerson("Bodil", "Berg", "bodil", "hemligt");
    m_company->AddPerson("Carl", "Ek", "carl", "carl", 0);
    const TRun run = Run(ExportArguments() + login);
    QCOMPARE(run.ExitCode, exitCode);
    QCOMPARE(QFile::exists(OutputFile()), exitCode == 0);
    QCOMPARE(m_company->InvoiceState(m_invoice), exitCode == 0 ? 50 : 10);
}

void TestQvbCli::failsWhenNothingIsExported()
{
    TRun run = Run(ExportArguments("nosuchcompany"));
    QCOMPARE(run.ExitCode, 1);
    QVERIFY(run.Errors.contains(QStringLiteral("nosuchcompany")));

    TValdrona_ADOQuery().ExecText(QStringLiteral("update expense_Invoices set State = 50"));
    run = Run(ExportArguments("COMPANY"));   // display names match without regard to case
    QCOMPARE(run.ExitCode, 1);
    QCOMPARE(run.Errors, QStringLiteral("Finns inget att exportera på vald period!\n"));
}

QTEST_GUILESS_MAIN(TestQvbCli)
#include "tst_qvbcli.moc"
