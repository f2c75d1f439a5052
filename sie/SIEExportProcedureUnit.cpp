#include "SIEExportProcedureUnit.h"

#include "ClockUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "Invoice_Class.h"
#include "QueryUnit.h"
#include "SIEClass.h"
#include "SIEExportUnit.h"
#include "SettingsUnit.h"
#include "ValdronaConstantUnit.h"
#include "VoucherSourceUnit.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

namespace {

const QString CRLF = QStringLiteral("\r\n");
constexpr int ExportedStateKind = 5;

const QString NoIncomingVatAccount = QStringLiteral("Du måste ställa in ingående momskonto.");
const QString NothingToExport = QStringLiteral("Finns inget att exportera på vald period!");
const QString DifferencesInSelection =
    QStringLiteral("Pga differens i urvalet kan inte fakturorna exporteras.") + CRLF
    + QStringLiteral("Korrigera differenserna eller byt till annat bokföringsdatum på de fakturor som har "
                     "differens och gör om exporten.");
const QString NoRoundingAccount = QStringLiteral("Du har valt att avrunda beloppen för export i inställningar.")
                                  + CRLF + QStringLiteral("Men du måste även ställa in konto för öresutjämning!");
const QString SIEFilter = QStringLiteral("SIE (*.si);;Alla filer (*.*)");

// The pre-checks that can refuse the export; the empty text when it may go on.
QString RefusalReason(const TSIEExportRequest& request, TVoucherSource& source)
{
    if (!source.Account(source.IncomingVatKey()).Found())
        return NoIncomingVatAccount;
    TValdrona_ADOQuery selection;
    OpenSIESelection(selection, request.FromDate, request.ToDate);
    if (selection.IsEmpty())
        return NothingToExport;
    TInvoice invoice;
    for (; !selection.Eof(); selection.Next()) {
        invoice.LoadFromQuery(selection);
        if (invoice.HasDifferences())
            return DifferencesInSelection;
    }
    if (source.RoundAmounts() && !source.Account(source.RoundingKey()).Found())
        return NoRoundingAccount;
    return {};
}

// The save dialog's answer, with its default extension; empty when cancelled.
QString AskFileName(IPrompt& prompt)
{
    QString fileName = prompt.SaveFileName({}, {}, ProposedSIEFileName(), SIEFilter);
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".si");
    return fileName;
}

void FillHeader(TSIE& document)
{
    document.ProgramName = QString::fromUtf8(ProductName);
    document.ProgramVersion = QString::fromUtf8(VersionText);
    document.CompanyName = GetSetting(QStringLiteral("COMPANYNAME"), {});
    document.OrganizationNumber = GetSetting(QStringLiteral("ORGANIZATIONNUMBER"), {});
    document.FiscalYearBegin = TextToDate(GetSetting(QStringLiteral("YEARRARBEGIN"), {}));
    document.FiscalYearEnd = TextToDate(GetSetting(QStringLiteral("YEARRAREND"), {}));
    document.PreviousFiscalYearBegin = TextToDate(GetSetting(QStringLiteral("PREVIOUSYEARRARBEGIN"), {}));
    document.PreviousFiscalYearEnd = TextToDate(GetSetting(QStringLiteral("PREVIOUSYEARRAREND"), {}));
}

// One voucher per invoice of the selection; the keys of the invoices, in order.
std::vector<int> BuildVouchers(TSIE& document, const TSIEExportRequest& request, TVoucherSource& source)
{
    std::vector<int> keys;
    TValdrona_ADOQuery selection;
    OpenSIESelection(selection, request.FromDate, request.ToDate);
    TInvoice invoice;
    for (; !selection.Eof(); selection.Next()) {
        invoice.LoadFromQuery(selection);
        TVer& voucher = document.AddVoucher();
        voucher.Number = selection.FieldAsText(QStringLiteral("InvoiceNumber"));
        voucher.Date = selection.FieldAsDate(QStringLiteral("InvoiceDate"));
        voucher.Text = QStringLiteral("Valdrona faktura ") + invoice.InvoiceNumber + u' ' + source.OwnerName(invoice);
        BuildVoucherTransactions(voucher, invoice, document, source);
        keys.push_back(invoice.Id);
    }
    return keys;
}

// Written completely to a file beside the target, flushed to disk and renamed
// over the target, so the target is never half written.
void SaveDocument(const TSIE& document, const QString& fileName)
{
    QSaveFile file(fileName);
    const auto fail = [&] {
        return EError(QStringLiteral("Cannot write the SIE file %1: %2").arg(fileName, file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw fail();
    document.WriteDocument(file);
    if (!file.commit())
        throw fail();
}

void MarkExported(const std::vector<int>& keys)
{
    TTransaction transaction;
    TInvoice invoice;
    for (const int key : keys) {
        invoice.LoadById(key);
        invoice.SetState(ExportedStateKind);
        invoice.Save();
    }
    transaction.Commit();
}

} // namespace

TSIEExportResult RunSIEExport(const TSIEExportRequest& request, IPrompt& prompt)
{
    TVoucherSource source;
    const QString refusal = RefusalReason(request, source);
    if (!refusal.isEmpty()) {
        prompt.Message(TMessageKind::Information, refusal, TButtons::OK);
        return TSIEExportResult::Refused;
    }

    const QString fileName = request.FileName.isEmpty() ? AskFileName(prompt) : request.FileName;
    if (fileName.isEmpty())
        return TSIEExportResult::Cancelled;
    if (request.StoreDates)
        request.StoreDates();

    TSIE document;
    FillHeader(document);
    const std::vector<int> keys = BuildVouchers(document, request, source);
    if (source.RoundAmounts() && source.Account(source.RoundingKey()).Found())
        document.RoundVouchers(source.Account(source.RoundingKey()).AccountNumber);

    SaveDocument(document, fileName);
    try {
        MarkExported(keys);
    } catch (...) {
        // Invoices that are not marked would be exported again: the file must go.
        QFile::remove(fileName);
        throw;
    }

    prompt.Message(TMessageKind::Information, QStringLiteral("Exporterat till:") + CRLF + fileName, TButtons::OK);
    return TSIEExportResult::Exported;
}

QString ProposedSIEFileName()
{
    return QStringLiteral("export") + CurrentDate().toString(QStringLiteral("yyMMdd")) + QStringLiteral(".si");
}

void OpenSIESelection(TValdrona_ADOQuery& query, TDateTime fromDate, TDateTime toDate)
{
    query.LoadTemplate(QStringLiteral("getInvoicesByDateOfPostingLessThanState.sql"));
    query.SetPlaceholder(QStringLiteral("{State}"), static_cast<int>(isExported));
    query.SetPlaceholder(QStringLiteral("{FromDateOfPosting}"), DateParam(fromDate));
    query.SetPlaceholder(QStringLiteral("{ToDateOfPosting}"), DateParam(toDate));
    query.OpenTemplate();
}
