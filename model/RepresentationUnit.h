#pragma once

#include "PurchaseRegistration_Class.h"
#include "RepresentationType_Class.h"

#include <QObject>
#include <memory>

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
    double VatInRemaining() const;
    double DeductibleVat();
    double MaxDeductible();
    double DeductibleAmount();
    double NonDeductibleAmount();

    TPurchaseRegistration& Purchase();
    TRepresentationType& RepresentationType();

private:
    void WriteLine(double amount, int account, double vatAmount, bool withInternalAccounts);

    const int m_representationTypeId;
    const int m_purchaseId;
    const double m_extraAmount;
    const int m_numberOfPersons;
    std::unique_ptr<TPurchaseRegistration> m_purchase;
    std::unique_ptr<TRepresentationType> m_representationType;
    double m_remaining = 0;
};
