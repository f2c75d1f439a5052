#include "SIEExportUnit.h"

#include "AccountCode_Class.h"
#include "Invoice_Class.h"
#include "PurchaseRegistration_Class.h"
#include "QueryUnit.h"

#include <algorithm>
#include <array>

namespace {

// The rows of a template with one integer placeholder.
void OpenRows(TValdrona_ADOQuery& query, const QString& templateName, const QString& placeholder, int key)
{
    query.LoadTemplate(templateName);
    query.SetPlaceholder(placeholder, key);
    query.OpenTemplate();
}

void OpenNonPrivatePurchases(TValdrona_ADOQuery& query, int invoiceId)
{
    OpenRows(query, QStringLiteral("getPurchaseRegistrationsNoPrivate.sql"), QStringLiteral("{fkInvoiceID}"),
             invoiceId);
}

void OpenAccountCodes(TValdrona_ADOQuery& query, int purchaseId)
{
    OpenRows(query, QStringLiteral("getAccountCodes.sql"), QStringLiteral("{fkPurchaseRegistrationID}"), purchaseId);
}

// The purchase amount that its codes leave uncoded; 0 when it is fully coded.
double PurchaseDifference(TPurchaseRegistration& purchase)
{
    return purchase.Amount - purchase.CodedAmount();
}

// The code's part of a voucher line: its account and the values of the three
// internal-account fields.
struct TCodeLine {
    TVoucherLineAccount Account;
    std::array<QString, 3> InternalAccounts;
};

TCodeLine CodeLine(TAccountCode& code, TVoucherSource& source)
{
    const TVoucherSource::TAccount& account = source.Account(code.fkAccountNumber);
    TCodeLine line{{account.AccountNumber, account.AccountName}, {}};
    for (size_t i = 0; i < line.InternalAccounts.size(); ++i)
        line.InternalAccounts[i] = code.InternalAccountValue(source.InternalAccountIds()[i]);
    return line;
}

double NetAmount(const TAccountCode& code)
{
    return code.Amount - code.VatAmount;
}

// A line of the voucher's own (VAT, difference, credit): no internal accounts, no text.
void AddAccountLine(TAccountCodeList& list, const TVoucherLineAccount& account, double amount)
{
    AddVoucherLine(list, account.AccountNumber, account.AccountName, {}, {}, {}, {}, amount);
}

void AppendAccountLine(TAccountCodeList& list, const TVoucherLineAccount& account, double amount)
{
    list.push_back({account.AccountNumber, account.AccountName, {}, {}, {}, amount, {}});
}

// Walks the invoice's purchases that the company books (private ones are left
// out) and their account codes; onPurchaseDone follows each purchase's codes.
template <typename OnCode, typename OnPurchaseDone>
void ForEachBookedCode(int invoiceId, OnCode onCode, OnPurchaseDone onPurchaseDone)
{
    TValdrona_ADOQuery purchases;
    OpenNonPrivatePurchases(purchases, invoiceId);
    TPurchaseRegistration purchase;
    TAccountCode code;
    TValdrona_ADOQuery codes;
    for (; !purchases.Eof(); purchases.Next()) {
        purchase.LoadFromQuery(purchases);
        OpenAccountCodes(codes, purchase.Id);
        for (; !codes.Eof(); codes.Next()) {
            code.LoadFromQuery(codes);
            onCode(code);
        }
        onPurchaseDone(purchase);
    }
}

} // namespace

void BuildSummarisedVoucherLines(int invoiceId, TAccountCodeList& list, TVoucherSource& source)
{
    TInvoice invoice;
    invoice.LoadById(invoiceId);

    double vatTotal = 0;
    ForEachBookedCode(
        invoice.Id,
        [&](TAccountCode& code) {
            const TCodeLine line = CodeLine(code, source);
            AddVoucherLine(list, line.Account.AccountNumber, line.Account.AccountName, line.InternalAccounts[0],
                           line.InternalAccounts[1], line.InternalAccounts[2], code.ExtraText, NetAmount(code));
            vatTotal += code.VatAmount;
        },
        [&](TPurchaseRegistration& purchase) {
            const double difference = PurchaseDifference(purchase);
            if (difference != 0)
                AddAccountLine(list, source.LineAccount(source.PurchaseDifferenceKey(), PurchaseDifferenceFallback),
                               difference);
        });

    if (invoice.TotalAmount != 0)
        AddAccountLine(list, source.LineAccount(invoice.fkCreditAccount, CreditFallback), -invoice.TotalAmount);
    const double invoiceDifference = RoundTo2(invoice.TotalAmount - invoice.PurchaseTotal());
    if (invoiceDifference != 0)
        AddAccountLine(list, source.LineAccount(source.InvoiceDifferenceKey(), InvoiceDifferenceFallback),
                       invoiceDifference);
    if (vatTotal != 0)
        AddAccountLine(list, source.LineAccount(source.IncomingVatKey(), IncomingVatFallback), vatTotal);
}

TVoucherLineAccount RoundingLineAccount(TVoucherSource& source)
{
    return source.LineAccount(source.RoundingKey(), RoundingFallback);
}

void BuildDetailedInvoiceLines(int invoiceId, TAccountCodeList& list, TVoucherSource& source)
{
    TInvoice invoice;
    invoice.LoadById(invoiceId);
    AppendAccountLine(list, source.LineAccount(invoice.fkCreditAccount, CreditFallback), -invoice.TotalAmount);
    const double invoiceDifference = RoundTo2(invoice.TotalAmount - invoice.PurchaseTotal());
    if (invoiceDifference != 0)
        AppendAccountLine(list, source.LineAccount(source.InvoiceDifferenceKey(), InvoiceDifferenceFallback),
                          invoiceDifference);
}

void BuildDetailedPurchaseLines(int purchaseId, TAccountCodeList& list, TVoucherSource& source)
{
    ClearRecordList(list);
    TPurchaseRegistration purchase;
    purchase.LoadById(purchaseId);

    double vatTotal = 0;
    TValdrona_ADOQuery codes;
    OpenAccountCodes(codes, purchase.Id);
    const bool hasCodes = !codes.IsEmpty();
    TAccountCode code;
    for (; !codes.Eof(); codes.Next()) {
        code.LoadFromQuery(codes);
        const TCodeLine line = CodeLine(code, source);
        list.push_back({line.Account.AccountNumber, line.Account.AccountName, line.InternalAccounts[0],
                        line.InternalAccounts[1], line.InternalAccounts[2], NetAmount(code), code.ExtraText});
        vatTotal += code.VatAmount;
    }
    if (hasCodes && vatTotal != 0)
        AppendAccountLine(list, source.LineAccount(source.IncomingVatKey(), IncomingVatFallback), vatTotal);
    const double difference = PurchaseDifference(purchase);
    if (difference != 0)
        AppendAccountLine(list, source.LineAccount(source.PurchaseDifferenceKey(), PurchaseDifferenceFallback),
                          difference);
}

void BuildVoucherTransactions(TVer& voucher, TInvoice& invoice, const TSIE& document, TVoucherSource& source)
{
    double vatTotal = 0;
    ForEachBookedCode(
        invoice.Id,
        [&](TAccountCode& code) {
            AddCodeTransaction(voucher, code, document, source);
            vatTotal += code.VatAmount;
        },
        [](TPurchaseRegistration&) {});

    const double vat = RoundTo2(vatTotal);
    if (vat != 0) {
        TTrans& transaction = voucher.AddTransaction();
        transaction.Account = source.Account(source.IncomingVatKey()).AccountNumber;
        transaction.Amount = vat;
    }
    // A private card is paid by the person, so the company owes only what it books.
    const double creditBase = source.IsPrivateCard(invoice) ? invoice.PurchaseTotal() : invoice.TotalAmount;
    const double credit = RoundTo2(-creditBase);
    if (credit != 0) {
        TTrans& transaction = voucher.AddTransaction();
        transaction.Account = source.Account(invoice.fkCreditAccount).AccountNumber;
        transaction.Amount = credit;
    }
}

TTrans& AddCodeTransaction(TVer& voucher, TAccountCode& code, const TSIE& document, TVoucherSource& source)
{
    const QString accountText = source.Account(code.fkAccountNumber).AccountNumber;
    const TDimensionList& dimensions = document.Dimensions();
    QStringList values;
    for (int i = 0; i < dimensions.Count(); ++i)
        values.append(code.InternalAccountValue(dimensions.Item(i).InternalAccountId));

    TTrans& transaction = FindOrAddTransaction(voucher, values, code.ExtraText, document, accountText);
    transaction.Account = accountText;
    transaction.Text = code.ExtraText;
    transaction.Amount += NetAmount(code);
    for (int i = 0; i < dimensions.Count(); ++i) {
        if (!values[i].isEmpty())
            transaction.AddObject(dimensions.Item(i).DimensionNumber, values[i]);
    }
    return transaction;
}

TTrans& FindOrAddTransaction(TVer& voucher, const QStringList& dimensionValues, const QString& extraText,
                             const TSIE& document, const QString& accountText)
{
    const TDimensionList& dimensions = document.Dimensions();
    const auto matches = [&](const TTrans& transaction) {
        if (transaction.Account != accountText)
            return false;
        for (int i = 0; i < dimensions.Count(); ++i) {
            if (!SameTextASCII(transaction.ObjectValue(dimensions.Item(i).DimensionNumber), dimensionValues.value(i)))
                return false;
        }
        return SameTextASCII(transaction.Text, extraText);
    };
    TTrans* found = nullptr;
    for (int i = 0; i < voucher.TransactionCount(); ++i) {
        TTrans& transaction = voucher.Transaction(i);
        if (!matches(transaction))
            continue;
        if (found)
            return voucher.AddTransaction();   // several candidates: none is the one
        found = &transaction;
    }
    return found ? *found : voucher.AddTransaction();
}
