#pragma once

#include "ChartOfAccount_Class.h"
#include "Valdrona_Class.h"
#include "Vat_Class.h"

#include <memory>

// A kind of entertainment expense with its deduction rule.
class TRepresentationType : public TValdrona {
    Q_OBJECT
public:
    explicit TRepresentationType(QObject* owner = nullptr);
    ~TRepresentationType() override;

    QString RepresentationTypeName;
    QString RepresentationTypeShortName;
    int fkVatID = 0;
    double DeductionAmount = 0;             // per person, excluding VAT; read back rounded to 2 decimals
    int fkDeductionAccountNumber = 0;       // ChartOfAccount_ID
    int fkNonDeductionAccountNumber = 0;    // ChartOfAccount_ID

    void Clear() override;
    bool CanDelete() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    void AddFieldValues() override;
    QString GetDisplayText() override;   // the name

    // Related entities, loaded on first use and kept until Clear.
    TVat& Vat();
    TChartOfAccount& DeductionAccount();
    TChartOfAccount& NonDeductionAccount();

    // Set the accounts from a typed account number; an unknown number gives key 0.
    void SetDeductionAccountNumber(const QString& accountNumber);
    void SetNonDeductionAccountNumber(const QString& accountNumber);

private:
    std::unique_ptr<TVat> m_vat;
    std::unique_ptr<TChartOfAccount> m_deductionAccount;
    std::unique_ptr<TChartOfAccount> m_nonDeductionAccount;
};
