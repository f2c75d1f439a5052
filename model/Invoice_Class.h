#pragma once

#include "Valdrona_Class.h"

// Invoice states; every state below isExported counts as not exported.
enum TInvoiceState : int { isRegistered = 10, isExported = 50 };

// One card invoice of one person: on screen and paper the accounting voucher.
class TInvoice : public TValdrona {
    Q_OBJECT
public:
    explicit TInvoice(QObject* owner = nullptr);

    QString InvoiceNumber;
    TDateTime InvoiceDate = 0;
    TDateTime DateOfPosting = 0;
    int fkCardID = 0;               // written only when above 0
    QString Comment;
    double TotalAmount = 0;         // read back rounded to 2 decimals
    int fkPersonID = 0;
    int State = isRegistered;
    int fkCreatedBy = 0;            // written only on insert
    TDateTime DateCreated = 0;      // today at the insert; written only then
    int fkAttestPerson = 0;         // written only when above 0
    int fkImportedFileID = 0;       // written only when above 0
    int fkCreditAccount = 0;        // ChartOfAccount_ID

    bool CanDelete() override;
    bool IsValid() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    // Removes the internal-account rows, the purchases with their codes, then the invoice.
    int Delete() override;
    void AddFieldValues() override;
    QString GetDisplayText() override;   // the invoice number

    // Kinds 0..5 store 10, 15, 20, 30, 40, 50.
    void SetState(int kind);
    bool IsPrivateCard();
    // Loads the person's invoice with the number; its key, or 0 (entity unchanged).
    int FindByNumber(const QString& invoiceNumber, int personId);
    // True when a non-private purchase is not fully coded, or (unless the card
    // is private) the total differs from the purchases or is exactly 0.
    bool HasDifferences();
    double PurchaseTotal();       // non-private purchases
    double RegisteredAmount();    // all purchases
    QString OwnerName();
    QString InternalAccountValue(int internalAccountId);
    // Empty text removes the stored value of that dimension.
    void SetInternalAccountValue(int internalAccountId, const QString& value);
    int NextPurchaseNumber();
    void DeletePurchases();
};
