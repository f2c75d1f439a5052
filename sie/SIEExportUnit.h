#pragma once

#include "PrintListUnit.h"
#include "SIEClass.h"
#include "VoucherSourceUnit.h"

#include <QStringList>

class TAccountCode;
class TInvoice;

// How coded invoices become voucher lines: the summarised and the detailed
// printed voucher, and the transactions of an SIE voucher. Nothing here writes
// to the database.

// The labels of lines whose configured account does not exist.
inline const QString IncomingVatFallback = QStringLiteral("Ingående moms");
inline const QString PurchaseDifferenceFallback = QStringLiteral("Notadiff");
inline const QString InvoiceDifferenceFallback = QStringLiteral("Fakturadiff");
inline const QString CreditFallback = QStringLiteral("Kreditkonto");
inline const QString RoundingFallback = QStringLiteral("Öresavrundning");

// Appends the merged lines of the invoice's non-private purchases, its
// differences, credit and incoming VAT. Rounding and sorting are the caller's
// (RoundingLineAccount, RoundVoucherLines, RemoveZeroVoucherLines, SortVoucherLines).
void BuildSummarisedVoucherLines(int invoiceId, TAccountCodeList& list, TVoucherSource& source);
// The account of the whole-krona rounding line of the printed vouchers.
TVoucherLineAccount RoundingLineAccount(TVoucherSource& source);

// Appends the invoice group of the detailed voucher: the credit line, always,
// and the invoice difference.
void BuildDetailedInvoiceLines(int invoiceId, TAccountCodeList& list, TVoucherSource& source);
// Replaces the list by the purchase's unmerged coding lines, its VAT and its difference.
void BuildDetailedPurchaseLines(int purchaseId, TAccountCodeList& list, TVoucherSource& source);

// Appends the transactions of the invoice's non-private purchases, the incoming
// VAT and the credit to the voucher; no difference transactions.
void BuildVoucherTransactions(TVer& voucher, TInvoice& invoice, const TSIE& document, TVoucherSource& source);
// Posts one code to the transaction of the same account, dimension values and
// text (compared without regard to ASCII case), or to a new one.
TTrans& AddCodeTransaction(TVer& voucher, TAccountCode& code, const TSIE& document, TVoucherSource& source);
// The one transaction of the account whose value of every dimension of the
// document (index as in its dimension list) and whose text equal the given
// ones; a new transaction when none or several do.
TTrans& FindOrAddTransaction(TVer& voucher, const QStringList& dimensionValues, const QString& extraText,
                             const TSIE& document, const QString& accountText);
