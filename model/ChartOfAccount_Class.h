#pragma once

#include "Valdrona_Class.h"
#include "Vat_Class.h"

#include <memory>

// An account of the chart. Everything that refers to an account holds its key
// ChartOfAccount_ID, never the account number.
class TChartOfAccount : public TValdrona {
    Q_OBJECT
public:
    explicit TChartOfAccount(QObject* owner = nullptr);
    ~TChartOfAccount() override;

    int AccountNumber = 0;
    QString AccountName;
    QString SortOrder;
    int fkVatID = 0;   // 0 = none; written only when above 0

    void Clear() override;
    bool CanDelete() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    int Save() override;
    int Delete() override;
    void AddFieldValues() override;
    QString GetDisplayText() override;   // the account number

    // Loads the first account with the number; its key, or 0 (entity cleared).
    int FindByAccountNumber(const QString& accountNumber);
    // The account's VAT code, loaded on first use and kept until Clear.
    TVat& Vat();
    // True when the account has no group relation (an own-coding account).
    bool IsOwnAccount();
    // Marks the own-coding flag for writing by every later Save of this object.
    void SetOwnAccount(bool ownAccount);

private:
    std::unique_ptr<TVat> m_vat;
    bool m_ownAccount = false;
    bool m_ownAccountChanged = false;
};
