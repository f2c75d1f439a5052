#pragma once

#include "PromptUnit.h"
#include "ValueConversionUnit.h"

#include <QString>
#include <functional>

class TValdrona_ADOQuery;

// The SIE export of one period, without its window: the pre-checks with their
// messages, the vouchers, the file, and the marking of the exported invoices.

struct TSIEExportRequest {
    TDateTime FromDate = 0;     // 0 = no lower bound
    TDateTime ToDate = 0;       // 0 = no upper bound
    // The file to write; when empty the save dialog asks, proposing ProposedSIEFileName().
    QString FileName;
    // Runs once the file is chosen and before the export (the window stores its dates here).
    std::function<void()> StoreDates;
};

enum class TSIEExportResult {
    Exported,    // the file is written and every invoice of it is Exported
    Refused,     // a pre-check told the user why; nothing changed
    Cancelled,   // the save dialog was cancelled; nothing changed
};

// The file is written beside the target and renamed over it before any invoice
// is marked; the marking is one transaction, and when it fails the new file is
// removed again. So an export is either complete or has not happened. Write and
// database errors are raised after that clean-up.
TSIEExportResult RunSIEExport(const TSIEExportRequest& request, IPrompt& prompt = Prompt());

// "export" + yymmdd + ".si" for today.
QString ProposedSIEFileName();
// The invoices of the period not yet exported, in voucher order.
void OpenSIESelection(TValdrona_ADOQuery& query, TDateTime fromDate, TDateTime toDate);
