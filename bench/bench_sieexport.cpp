// What the voucher assembly and the SIE export cost on a company of N invoices
// (5 purchases of 3 codes each, both dimensions on every code, fully coded),
// against the lower bound of one SQLite query that joins and sums the same rows.
// Usage: bench_sieexport <installation folder> [invoices]
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "Invoice_Class.h"
#include "SIECompanyFixture.h"
#include "SIEExportProcedureUnit.h"
#include "SIEExportUnit.h"
#include "SettingsUnit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <vector>

namespace {

// Answers like a user who picks nothing and reads nothing.
class TSilentPrompt : public IPrompt {
public:
    TAnswer Message(TMessageKind, const QString&, TButtons) override { return TAnswer::OK; }
    bool InputQuery(const QString&, const QString&, QString&) override { return false; }
    QString SaveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    void Beep() override {}
};

struct TGenerated {
    std::vector<int> Invoices;
    int CostCentre = 0;
    int Project = 0;
};

TGenerated Generate(TSIECompany& company, int invoiceCount)
{
    TGenerated generated;
    generated.CostCentre = company.AddInternalAccount(QStringLiteral("Kostnadsställe"));
    generated.Project = company.AddInternalAccount(QStringLiteral("Projekt"));
    SetSettingInt(QStringLiteral("INTERNALACCOUNTID1"), generated.CostCentre);
    SetSettingInt(QStringLiteral("INTERNALACCOUNTID3"), generated.Project);
    SetSettingBool(QStringLiteral("INTERNAL_COSTCENTRE"), true);
    SetSettingBool(QStringLiteral("INTERNAL_PROJECT"), true);
    SetSetting(QStringLiteral("COMPANYNAME"), QStringLiteral("Mätbolaget AB"));
    SetSetting(QStringLiteral("YEARRARBEGIN"), QStringLiteral("2024-01-01"));
    SetSetting(QStringLiteral("YEARRAREND"), QStringLiteral("2024-12-31"));

    std::vector<int> accounts;
    for (const int number : {5410, 5460, 5611, 5800, 5831, 6071, 6110, 6212, 6540, 6570})
        accounts.push_back(company.AddAccount(number, QStringLiteral("Konto %1").arg(number)));

    TTransaction transaction;
    for (int i = 0; i < invoiceCount; ++i) {
        const QString date = QDate(2024, 1, 1).addDays(i % 360).toString(Qt::ISODate);
        double total = 0;
        const int invoice = company.AddInvoice(QString::number(10000 + i), date, date, 0, company.Credit);
        for (int p = 0; p < 5; ++p) {
            std::array<double, 3> amounts{};
            double purchaseAmount = 0;
            for (int c = 0; c < 3; ++c) {
                amounts[static_cast<size_t>(c)] = 100 + ((i * 7 + p * 3 + c) % 900) + 0.25 * c;
                purchaseAmount += amounts[static_cast<size_t>(c)];
            }
            const int purchase = company.AddPurchase(invoice, purchaseAmount);
            for (int c = 0; c < 3; ++c) {
                const int account = accounts[static_cast<size_t>((i + p + c) % accounts.size())];
                company.AddCode(purchase, account, amounts[static_cast<size_t>(c)], RoundTo2(amounts[static_cast<size_t>(c)] * 0.2),
                                c == 0 ? QStringLiteral("Resa") : QString(),
                                {{generated.CostCentre, QString::number(100 + (i + c) % 5)},
                                 {generated.Project, QStringLiteral("P%1").arg((p + c) % 3)}});
            }
            total += purchaseAmount;
        }
        QSqlQuery(GetConnection())
            .exec(QStringLiteral("update expense_Invoices set TotalAmount = %1 where Invoice_ID = %2")
                      .arg(QString::number(total, 'f', 2))
                      .arg(invoice));
        generated.Invoices.push_back(invoice);
    }
    transaction.Commit();
    return generated;
}

// The same rows joined and summed by the database alone: the floor for any
// implementation that reads them.
int RawLowerBound(const TGenerated& generated)
{
    QSqlQuery query(GetConnection());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral(
        "select i.Invoice_ID, c.fkAccountNumber, cc.Data, pr.Data, c.ExtraText, "
        "  sum(c.Amount - c.VatAmount), sum(c.VatAmount) "
        "from expense_Invoices i "
        "join expense_PurchaseRegistrations p on p.fkInvoiceID = i.Invoice_ID and coalesce(p.IsPrivate, 0) <= 0 "
        "join expense_AccountCodes c on c.fkPurchaseRegistrationID = p.PurchaseRegistration_ID "
        "left join expense_PREL cc on cc.fkAccountCode_ID = c.AccountCode_ID and cc.fkInternalAccount_ID = %1 "
        "left join expense_PREL pr on pr.fkAccountCode_ID = c.AccountCode_ID and pr.fkInternalAccount_ID = %2 "
        "where i.State < 50 "
        "group by i.Invoice_ID, c.fkAccountNumber, cc.Data, pr.Data, c.ExtraText");
    if (!query.exec(sql.arg(generated.CostCentre).arg(generated.Project)))
        throw EError(query.lastError().text());
    int rows = 0;
    double sum = 0;
    while (query.next()) {
        sum += query.value(5).toDouble();
        ++rows;
    }
    return sum > 0 ? rows : 0;
}

int SummarisedLines(const TGenerated& generated)
{
    TVoucherSource source;
    int lines = 0;
    TAccountCodeList list;
    for (const int invoice : generated.Invoices) {
        ClearRecordList(list);
        BuildSummarisedVoucherLines(invoice, list, source);
        SortVoucherLines(list);
        lines += static_cast<int>(list.size());
    }
    return lines;
}

// The export's difference pre-check on its own.
int InvoicesWithDifferences(const TGenerated& generated)
{
    int count = 0;
    TInvoice invoice;
    for (const int key : generated.Invoices) {
        invoice.LoadById(key);
        count += invoice.HasDifferences() ? 1 : 0;
    }
    return count;
}

// The SIE vouchers alone, without the pre-checks, the file and the marking.
int SIETransactions(const TGenerated& generated)
{
    TVoucherSource source;
    TSIE document;
    TInvoice invoice;
    int transactions = 0;
    for (const int key : generated.Invoices) {
        invoice.LoadById(key);
        TVer& voucher = document.AddVoucher();
        BuildVoucherTransactions(voucher, invoice, document, source);
        transactions += voucher.TransactionCount();
    }
    return transactions;
}

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_sieexport <installation folder> [invoices]\n");
        return 2;
    }
    qputenv("QVB_DIST_DIR", QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath().toLocal8Bit());
    const int invoiceCount = argc > 2 ? std::atoi(argv[2]) : 2000;
    TSilentPrompt prompt;
    SetPrompt(&prompt);
    try {
        TSIECompany company;
        QElapsedTimer timer;
        timer.start();
        const TGenerated generated = Generate(company, invoiceCount);
        std::printf("company of %d invoices, %d codes generated in %.0f ms\n", invoiceCount, invoiceCount * 15,
                    Milliseconds(timer));

        timer.start();
        const int rawRows = RawLowerBound(generated);
        const double raw = Milliseconds(timer);

        timer.start();
        const int lines = SummarisedLines(generated);
        const double summarised = Milliseconds(timer);

        timer.start();
        const int differences = InvoicesWithDifferences(generated);
        const double preCheck = Milliseconds(timer);

        timer.start();
        const int transactions = SIETransactions(generated);
        const double vouchers = Milliseconds(timer);

        const QTemporaryDir output;
        TSIEExportRequest request;
        request.FileName = output.filePath(QStringLiteral("bench.si"));
        timer.start();
        const TSIEExportResult result = RunSIEExport(request, prompt);
        const double exported = Milliseconds(timer);
        if (result != TSIEExportResult::Exported)
            throw EError(QStringLiteral("the export did not run"));

        std::printf("raw lower bound (one joined query): %9.1f ms  %6d rows\n", raw, rawRows);
        std::printf("summarised voucher lines:           %9.1f ms  %6d lines  %7.3f ms/invoice  x%.1f raw\n",
                    summarised, lines, summarised / invoiceCount, summarised / raw);
        std::printf("difference pre-check:               %9.1f ms  %6d with differences           x%.1f raw\n",
                    preCheck, differences, preCheck / raw);
        std::printf("SIE vouchers only:                  %9.1f ms  %6d transactions          x%.1f raw\n", vouchers,
                    transactions, vouchers / raw);
        std::printf("whole SIE export:                   %9.1f ms  %6lld bytes %7.3f ms/invoice  x%.1f raw\n",
                    exported, static_cast<long long>(QFileInfo(request.FileName).size()), exported / invoiceCount,
                    exported / raw);
        std::printf("export of %d invoices: %.2f s (target for 2000: under 5 s)\n", invoiceCount, exported / 1000);
    } catch (const EError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    SetPrompt(nullptr);
    return 0;
}
