#include "Invoice_Class.h"

#include "Card_Class.h"
#include "InternalAccountValueUnit.h"
#include "Person_Class.h"
#include "PurchaseRegistration_Class.h"
#include "TemplateAmountUnit.h"

#include <array>
#include <cmath>

namespace {
constexpr std::array<int, 6> StateOfKind{isRegistered, 15, 20, 30, 40, isExported};
}

TInvoice::TInvoice(QObject* owner) : TValdrona(QStringLiteral("Invoices"), QStringLiteral("Invoice_ID"), owner) {}

bool TInvoice::CanDelete()
{
    return true;
}

bool TInvoice::IsValid()
{
    return !InvoiceNumber.isEmpty() && !IsNoDate(DateOfPosting) && !IsNoDate(InvoiceDate) && fkCreditAccount > 0;
}

void TInvoice::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    InvoiceNumber = query.FieldAsText(QStringLiteral("InvoiceNumber"));
    InvoiceDate = query.FieldAsDate(QStringLiteral("InvoiceDate"));
    DateOfPosting = query.FieldAsDate(QStringLiteral("DateOfPosting"));
    fkCardID = query.FieldAsInteger(QStringLiteral("fkCardID"));
    Comment = query.FieldAsText(QStringLiteral("Comment"));
    TotalAmount = query.FieldAsRoundedFloat(QStringLiteral("TotalAmount"), AmountDecimals);
    fkPersonID = query.FieldAsInteger(QStringLiteral("fkPersonID"));
    State = query.FieldAsInteger(QStringLiteral("State"));
    fkCreatedBy = query.FieldAsInteger(QStringLiteral("fkCreatedBy"));
    DateCreated = query.FieldAsDate(QStringLiteral("DateCreated"));
    fkAttestPerson = query.FieldAsInteger(QStringLiteral("fkAttestPerson"));
    fkImportedFileID = query.FieldAsInteger(QStringLiteral("fkImportedFileID"));
    fkCreditAccount = query.FieldAsInteger(QStringLiteral("fkCreditAccount"));
}

int TInvoice::Delete()
{
    if (Id > 0) {
        DeleteInternalAccountValues(InvoiceInternalAccounts(), Id);
        DeletePurchases();
    }
    return TValdrona::Delete();
}

void TInvoice::AddFieldValues()
{
    const bool inserting = Id <= 0;
    const QString table = PrefixedTableName();
    TValdrona_ADOQuery& query = Query();
    query.AddValue(table, QStringLiteral("InvoiceNumber"), InvoiceNumber);
    query.AddValue(table, QStringLiteral("InvoiceDate"), DateParam(InvoiceDate));
    query.AddValue(table, QStringLiteral("DateOfPosting"), DateParam(DateOfPosting));
    if (fkCardID > 0)
        query.AddValue(table, QStringLiteral("fkCardID"), fkCardID);
    query.AddValue(table, QStringLiteral("Comment"), Comment);
    query.AddValue(table, QStringLiteral("TotalAmount"), TotalAmount);
    query.AddValue(table, QStringLiteral("fkPersonID"), fkPersonID);
    query.AddValue(table, QStringLiteral("State"), State);
    if (inserting) {
        DateCreated = Today();
        query.AddValue(table, QStringLiteral("fkCreatedBy"), fkCreatedBy);
        query.AddValue(table, QStringLiteral("DateCreated"), DateParam(DateCreated));
    }
    if (fkAttestPerson > 0)
        query.AddValue(table, QStringLiteral("fkAttestPerson"), fkAttestPerson);
    if (fkImportedFileID > 0)
        query.AddValue(table, QStringLiteral("fkImportedFileID"), fkImportedFileID);
    query.AddValue(table, QStringLiteral("fkCreditAccount"), fkCreditAccount);
}

QString TInvoice::GetDisplayText()
{
    return InvoiceNumber;
}

void TInvoice::SetState(int kind)
{
    if (kind >= 0 && kind < static_cast<int>(StateOfKind.size()))
        State = StateOfKind[kind];
}

bool TInvoice::IsPrivateCard()
{
    TCard card;
    card.LoadById(fkCardID);
    return card.IsPrivate();
}

int TInvoice::FindByNumber(const QString& invoiceNumber, int personId)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getInvoiceByInvoiceNumberAndPersonID.sql"));
    query.SetPlaceholder(QStringLiteral("{InvoiceNumber}"), invoiceNumber);
    query.SetPlaceholder(QStringLiteral("{fkPersonID}"), personId);
    query.OpenTemplate();
    if (query.IsEmpty())
        return 0;
    return LoadById(TValdrona_ADOQuery::VariantAsInteger(query.Field(0)));
}

bool TInvoice::HasDifferences()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getPurchaseRegistrationsNoPrivate.sql"));
    query.SetPlaceholder(QStringLiteral("{fkInvoiceID}"), Id);
    query.OpenTemplate();
    double sum = 0;
    TPurchaseRegistration purchase;
    for (; !query.Eof(); query.Next()) {
        purchase.LoadFromQuery(query);
        sum += purchase.Amount;
        if (purchase.IsNotFullyCoded())
            return true;
    }
    if (IsPrivateCard())
        return false;
    // nearbyint rounds halves to even in the default rounding mode.
    const long double difference = std::nearbyint((static_cast<long double>(TotalAmount) - sum) * 100);
    return difference != 0 || TotalAmount == 0;
}

double TInvoice::PurchaseTotal()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getTotInkAmount.sql"));
    query.SetPlaceholder(QStringLiteral("{fkInvoiceID}"), Id);
    return OpenTemplateAmount(query);
}

double TInvoice::RegisteredAmount()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getRegisteredAmount.sql"));
    query.SetPlaceholder(QStringLiteral("{fkInvoiceID}"), Id);
    return OpenTemplateAmount(query);
}

QString TInvoice::OwnerName()
{
    TPerson person;
    person.LoadById(fkPersonID);
    return person.GetDisplayText();
}

QString TInvoice::InternalAccountValue(int internalAccountId)
{
    return ReadInternalAccountValue(InvoiceInternalAccounts(), Id, internalAccountId);
}

void TInvoice::SetInternalAccountValue(int internalAccountId, const QString& value)
{
    WriteInternalAccountValue(InvoiceInternalAccounts(), Id, internalAccountId, value);
}

int TInvoice::NextPurchaseNumber()
{
    return NextPurchaseNumberOfInvoice(Id);
}

void TInvoice::DeletePurchases()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getPurchaseRegistrations.sql"));
    query.SetPlaceholder(QStringLiteral("{fkInvoiceID}"), Id);
    query.OpenTemplate();
    for (; !query.Eof(); query.Next()) {
        TPurchaseRegistration purchase;
        purchase.LoadById(query.FieldAsInteger(QStringLiteral("PurchaseRegistration_ID")));
        purchase.Delete();
    }
}
