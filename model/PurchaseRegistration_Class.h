#pragma once

#include "Valdrona_Class.h"

// The currency of a purchase abroad.
inline const QString ForeignCurrency = QStringLiteral("UTL");

// The highest purchase number of the invoice + 1; 1 when it has none.
int NextPurchaseNumberOfInvoice(int invoiceId);

// One receipt of a card invoice, numbered within its invoice.
class TPurchaseRegistration : public TValdrona {
    Q_OBJECT
public:
    explicit TPurchaseRegistration(QObject* owner = nullptr);

    int fkInvoiceID = 0;
    double Amount = 0;              // SEK, VAT included; read back rounded to 2 decimals
    TDateTime DateCreated = 0;      // today at the insert; written only then
    int fkPersonID = 0;
    double ExchangeRate = 0;        // SEK per foreign unit; read back rounded to 10 decimals
    int fkCreatedBy = 0;            // written only on insert
    QString Comment;
    QString Specification;
    QString Location;
    TDateTime PurchaseDate = 0;     // written only when it is a real date
    QString Currency;               // upper-cased when written; empty = LOCALCURRENCY
    double ForeignAmount = 0;
    double VATAmount = 0;
    int PurchaseNumber = 0;         // fixed by the first Save
    int fkRepresentationTypeID = 0; // below 1: no representation (NULLs stored)
    int NumberOfPersons = 0;
    double ExtraAmount = 0;
    int fkImportedFileID = 0;       // written only when above 0
    bool IsPrivate = false;

    bool CanDelete() override;
    bool IsValid() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    // Fixes the purchase number, then stores the row.
    int Save() override;
    // Removes the account codes first.
    int Delete() override;
    void AddFieldValues() override;
    QString GetDisplayText() override;   // the purchase text the user typed

    // PurchaseNumber when given, else the invoice's highest number + 1.
    int NextPurchaseNumber();
    // Loads the invoice's purchase with the number; its key, or 0 (entity unchanged).
    int FindByNumber(int purchaseNumber, int invoiceId);
    // Currency equals LOCALCURRENCY exactly (case-sensitive).
    bool IsLocalCurrency();
    double CodedAmount();
    double CodedAmountByType(int type);
    double CodedForeignAmount();
    double CodedForeignAmountByType(int type);
    // Amount - CodedAmount is not exactly 0.
    bool IsNotFullyCoded();
    void DeleteAccountCodes();
    void DeleteAccountCodesByType(int type);
};
