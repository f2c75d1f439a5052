#pragma once

#include "Valdrona_Class.h"

// Column Type of AccountCodes: which page wrote the line.
enum TCodingType : int { ctOther = 0, ctRepresentation = 1, ctOwn = 2 };

// One coding line of a purchase.
class TAccountCode : public TValdrona {
    Q_OBJECT
public:
    explicit TAccountCode(QObject* owner = nullptr);

    double Amount = 0;              // SEK, VAT included; read back rounded to 2 decimals
    double ForeignAmount = 0;       // read back rounded to 2 decimals
    int fkAccountNumber = 0;        // ChartOfAccount_ID, despite the name
    int fkPurchaseRegistrationID = 0;
    int Type = ctOther;
    double VatAmount = 0;           // read back rounded to 2 decimals
    QString ExtraText;
    TDateTime DateCreated = 0;      // today, written by every save

    bool CanDelete() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    // Removes the internal-account and text rows first.
    int Delete() override;
    void AddFieldValues() override;
    QString GetDisplayText() override;

    QString InternalAccountValue(int internalAccountId);
    // The code must be saved first. Empty text removes the stored value of that dimension.
    void SetInternalAccountValue(int internalAccountId, const QString& value);
};
