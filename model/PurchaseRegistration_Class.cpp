#include "PurchaseRegistration_Class.h"

#include "AccountCode_Class.h"
#include "SettingsUnit.h"
#include "TemplateAmountUnit.h"

namespace {

constexpr int ExchangeRateDecimals = 10;

double CodedSum(const QString& templateName, int purchaseId, std::optional<int> type)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(templateName);
    query.SetPlaceholder(QStringLiteral("{fkPurchaseRegistrationID}"), purchaseId);
    if (type)
        query.SetPlaceholder(QStringLiteral("{Type}"), *type);
    return OpenTemplateAmount(query);
}

// Loads and deletes every account code the opened template lists.
void DeleteListedAccountCodes(TValdrona_ADOQuery& query)
{
    query.OpenTemplate();
    for (; !query.Eof(); query.Next()) {
        TAccountCode code;
        code.LoadById(query.FieldAsInteger(QStringLiteral("AccountCode_ID")));
        code.Delete();
    }
}

} // namespace

int NextPurchaseNumberOfInvoice(int invoiceId)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getNextPurchaseNumber.sql"));
    query.SetPlaceholder(QStringLiteral("{fkInvoiceID}"), invoiceId);
    const std::optional<QVariant> highest = query.OpenTemplateScalar();
    return highest ? TValdrona_ADOQuery::VariantAsInteger(*highest) + 1 : 1;
}

TPurchaseRegistration::TPurchaseRegistration(QObject* owner)
    : TValdrona(QStringLiteral("PurchaseRegistrations"), QStringLiteral("PurchaseRegistration_ID"), owner)
{
}

bool TPurchaseRegistration::CanDelete()
{
    return true;
}

bool TPurchaseRegistration::IsValid()
{
    return Amount != 0 && ForeignAmount != 0;
}

void TPurchaseRegistration::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    fkInvoiceID = query.FieldAsInteger(QStringLiteral("fkInvoiceID"));
    Amount = query.FieldAsRoundedFloat(QStringLiteral("Amount"), AmountDecimals);
    DateCreated = query.FieldAsDate(QStringLiteral("DateCreated"));
    fkPersonID = query.FieldAsInteger(QStringLiteral("fkPersonID"));
    ExchangeRate = query.FieldAsRoundedFloat(QStringLiteral("ExchangeRate"), ExchangeRateDecimals);
    fkCreatedBy = query.FieldAsInteger(QStringLiteral("fkCreatedBy"));
    Comment = query.FieldAsText(QStringLiteral("Comment"));
    Specification = query.FieldAsText(QStringLiteral("Specification"));
    Location = query.FieldAsText(QStringLiteral("Location"));
    PurchaseDate = query.FieldAsDate(QStringLiteral("PurchaseDate"));
    Currency = query.FieldAsText(QStringLiteral("Currency"));
    ForeignAmount = query.FieldAsRoundedFloat(QStringLiteral("ForeignAmount"), AmountDecimals);
    VATAmount = query.FieldAsRoundedFloat(QStringLiteral("VATAmount"), AmountDecimals);
    PurchaseNumber = query.FieldAsInteger(QStringLiteral("PurchaseNumber"));
    fkRepresentationTypeID = query.FieldAsInteger(QStringLiteral("fkRepresentationTypeID"));
    NumberOfPersons = query.FieldAsInteger(QStringLiteral("NumberOfPersons"));
    ExtraAmount = query.FieldAsRoundedFloat(QStringLiteral("ExtraAmount"), AmountDecimals);
    fkImportedFileID = query.FieldAsInteger(QStringLiteral("fkImportedFileID"));
    IsPrivate = query.FieldAsInteger(QStringLiteral("IsPrivate")) > 0;
}

int TPurchaseRegistration::Save()
{
    PurchaseNumber = NextPurchaseNumber();
    return TValdrona::Save();
}

int TPurchaseRegistration::Delete()
{
    DeleteAccountCodes();
    return TValdrona::Delete();
}

void TPurchaseRegistration::AddFieldValues()
{
    if (Currency.isEmpty())
        Currency = GetLocalCurrency();
    Currency = Currency.toUpper();
    const bool inserting = Id <= 0;
    const bool representation = fkRepresentationTypeID >= 1;
    const QString table = PrefixedTableName();
    TValdrona_ADOQuery& query = Query();
    query.AddValue(table, QStringLiteral("fkInvoiceID"), fkInvoiceID);
    query.AddValue(table, QStringLiteral("Amount"), Amount);
    if (inserting) {
        DateCreated = Today();
        query.AddValue(table, QStringLiteral("DateCreated"), DateParam(DateCreated));
    }
    query.AddValue(table, QStringLiteral("fkPersonID"), fkPersonID);
    query.AddValue(table, QStringLiteral("ExchangeRate"), ExchangeRate);
    if (inserting)
        query.AddValue(table, QStringLiteral("fkCreatedBy"), fkCreatedBy);
    query.AddValue(table, QStringLiteral("Comment"), Comment);
    query.AddValue(table, QStringLiteral("Specification"), Specification);
    query.AddValue(table, QStringLiteral("Location"), Location);
    if (!IsNoDate(PurchaseDate))
        query.AddValue(table, QStringLiteral("PurchaseDate"), DateParam(PurchaseDate));
    query.AddValue(table, QStringLiteral("[Currency]"), Currency);
    query.AddValue(table, QStringLiteral("ForeignAmount"), ForeignAmount);
    query.AddValue(table, QStringLiteral("VATAmount"), VATAmount);
    query.AddValue(table, QStringLiteral("PurchaseNumber"), PurchaseNumber);
    query.AddValue(table, QStringLiteral("fkRepresentationTypeID"), representation ? QVariant(fkRepresentationTypeID) : QVariant());
    query.AddValue(table, QStringLiteral("NumberOfPersons"), representation ? QVariant(NumberOfPersons) : QVariant());
    query.AddValue(table, QStringLiteral("ExtraAmount"), representation ? QVariant(ExtraAmount) : QVariant());
    if (fkImportedFileID > 0)
        query.AddValue(table, QStringLiteral("fkImportedFileID"), fkImportedFileID);
    query.AddValue(table, QStringLiteral("IsPrivate"), IsPrivate ? 1 : 0);
}

QString TPurchaseRegistration::GetDisplayText()
{
    return Specification;
}

int TPurchaseRegistration::NextPurchaseNumber()
{
    return PurchaseNumber != 0 ? PurchaseNumber : NextPurchaseNumberOfInvoice(fkInvoiceID);
}

int TPurchaseRegistration::FindByNumber(int purchaseNumber, int invoiceId)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getPurchaseByPurchaseNumber.sql"));
    query.SetPlaceholder(QStringLiteral("{fkInvoiceID}"), invoiceId);
    query.SetPlaceholder(QStringLiteral("{PurchaseNumber}"), purchaseNumber);
    query.OpenTemplate();
    if (query.IsEmpty())
        return 0;
    return LoadById(TValdrona_ADOQuery::VariantAsInteger(query.Field(0)));
}

bool TPurchaseRegistration::IsLocalCurrency()
{
    // The value GetLocalCurrency yields, without telling the user again on every check.
    const QString local = GetSetting(QStringLiteral("LOCALCURRENCY"), QStringLiteral("ERROR"));
    return Currency == (local == QLatin1String("ERROR") ? QString() : local);
}

double TPurchaseRegistration::CodedAmount()
{
    return CodedSum(QStringLiteral("getPurchaseKonteratAmount.sql"), Id, std::nullopt);
}

double TPurchaseRegistration::CodedAmountByType(int type)
{
    return CodedSum(QStringLiteral("getPurchaseKonteratAmountByType.sql"), Id, type);
}

double TPurchaseRegistration::CodedForeignAmount()
{
    return CodedSum(QStringLiteral("getPurchaseKonteratForeignAmount.sql"), Id, std::nullopt);
}

double TPurchaseRegistration::CodedForeignAmountByType(int type)
{
    return CodedSum(QStringLiteral("getPurchaseKonteratForeignAmountByType.sql"), Id, type);
}

bool TPurchaseRegistration::IsNotFullyCoded()
{
    return Amount - CodedAmount() != 0;
}

void TPurchaseRegistration::DeleteAccountCodes()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getAccountCodes.sql"));
    query.SetPlaceholder(QStringLiteral("{fkPurchaseRegistrationID}"), Id);
    DeleteListedAccountCodes(query);
}

void TPurchaseRegistration::DeleteAccountCodesByType(int type)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getAccountCodesByType.sql"));
    query.SetPlaceholder(QStringLiteral("{fkPurchaseRegistrationID}"), Id);
    query.SetPlaceholder(QStringLiteral("{Type}"), type);
    DeleteListedAccountCodes(query);
}
