#pragma once

#include "AccountCode_Class.h"
#include "PurchaseRegistration_Class.h"
#include "RepresentationType_Class.h"

#include <QObject>
#include <memory>
#include <optional>

// Splits the uncoded part of one purchase into a deductible line with its
// reclaimable VAT and a non-deductible line (account codes of Type 1), by the
// number of persons and the rule of a representation type. Made for one run.
class TRepresentation : public QObject {
    Q_OBJECT
public:
    TRepresentation(QObject* owner, int representationTypeId, int purchaseId, double extraAmount,
                    int numberOfPersons);
    ~TRepresentation() override;

    // Internal-account values of the lines; trimmed, empty when not given.
    QString CostCentre;
    QString CostUnit;
    QString Project;

    // Raises "Fel: Inget öresavrundningskonto valt i inställningar." before any
    // change when the rounding account is not set.
    void Split();

    // The figures of the last run.
    double Remaining() const { return m_remaining; }
    double MaxVat();
    double VatInRemaining();
    double DeductibleVat();
    double MaxDeductible();
    double DeductibleAmount();
    double NonDeductibleAmount();

    TPurchaseRegistration& Purchase();
    TRepresentationType& RepresentationType();

private:
    double VatRate();
    bool IsLocal();
    void WriteLine(double amount, double foreignAmount, int account, double vatAmount);
    void WriteInternalAccountValues(TAccountCode& code);

    const int m_representationTypeId;
    const int m_purchaseId;
    const double m_extraAmount;
    const int m_numberOfPersons;
    std::unique_ptr<TPurchaseRegistration> m_purchase;
    std::unique_ptr<TRepresentationType> m_representationType;
    double m_remaining = 0;
    std::optional<bool> m_local;
};
