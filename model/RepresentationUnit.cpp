#include "RepresentationUnit.h"

#include "ErrorUnit.h"
#include "SettingsUnit.h"

namespace {
const QString RoundingAccountSetting = QStringLiteral("ACCOUNTCODEDIFFACCOUNT");
constexpr int NoSetting = -1;
}

TRepresentation::TRepresentation(QObject* owner, int representationTypeId, int purchaseId, double extraAmount,
                                 int numberOfPersons)
    : QObject(owner), m_representationTypeId(representationTypeId), m_purchaseId(purchaseId),
      m_extraAmount(extraAmount), m_numberOfPersons(numberOfPersons)
{
}

TRepresentation::~TRepresentation() = default;

TPurchaseRegistration& TRepresentation::Purchase()
{
    if (!m_purchase) {
        m_purchase = std::make_unique<TPurchaseRegistration>();
        m_purchase->LoadById(m_purchaseId);
    }
    return *m_purchase;
}

TRepresentationType& TRepresentation::RepresentationType()
{
    if (!m_representationType) {
        m_representationType = std::make_unique<TRepresentationType>();
        m_representationType->LoadById(m_representationTypeId);
    }
    return *m_representationType;
}

double TRepresentation::VatRate()
{
    return RepresentationType().Vat().VAT;
}

bool TRepresentation::IsLocal()
{
    if (!m_local)
        m_local = Purchase().IsLocalCurrency();
    return *m_local;
}

// The figures are computed in extended precision and kept as doubles between
// the steps, so that a split gives the same cents on every machine.

double TRepresentation::MaxVat()
{
    const long double deductible = static_cast<long double>(RepresentationType().DeductionAmount) * m_numberOfPersons;
    return static_cast<double>(deductible * (static_cast<long double>(VatRate()) / 100));
}

double TRepresentation::VatInRemaining()
{
    const long double base = static_cast<long double>(m_remaining) - m_extraAmount;
    return static_cast<double>(base - base / (static_cast<long double>(VatRate()) / 100 + 1));
}

double TRepresentation::DeductibleVat()
{
    if (!IsLocal())
        return 0;
    const double maxVat = MaxVat();
    const double vatInRemaining = VatInRemaining();
    return vatInRemaining > maxVat ? maxVat : vatInRemaining;
}

double TRepresentation::MaxDeductible()
{
    const long double deductible = static_cast<long double>(RepresentationType().DeductionAmount) * m_numberOfPersons;
    return static_cast<double>(deductible + DeductibleVat());
}

double TRepresentation::DeductibleAmount()
{
    const double maxDeductible = MaxDeductible();
    return maxDeductible >= m_remaining ? m_remaining : maxDeductible;
}

double TRepresentation::NonDeductibleAmount()
{
    return static_cast<double>(static_cast<long double>(m_remaining) - DeductibleAmount());
}

void TRepresentation::Split()
{
    const int roundingAccount = GetSettingInt(RoundingAccountSetting, NoSetting);
    if (roundingAccount == NoSetting)
        throw EError(QStringLiteral("Fel: Inget öresavrundningskonto valt i inställningar."));

    TPurchaseRegistration& purchase = Purchase();
    purchase.DeleteAccountCodesByType(ctRepresentation);
    m_remaining = static_cast<double>(static_cast<long double>(purchase.Amount) - purchase.CodedAmount());

    const double exchangeRate = purchase.ExchangeRate;
    const auto foreignOf = [exchangeRate](double amount) {
        return exchangeRate != 0 ? RoundTo2(static_cast<double>(static_cast<long double>(amount) / exchangeRate))
                                 : RoundTo2(amount);
    };

    const double deductible = RoundTo2(DeductibleAmount());
    WriteLine(deductible, foreignOf(deductible), RepresentationType().fkDeductionAccountNumber,
              IsLocal() ? RoundTo2(DeductibleVat()) : 0);
    const double nonDeductible = NonDeductibleAmount();
    if (nonDeductible > 0) {
        const double amount = RoundTo2(nonDeductible);
        WriteLine(amount, foreignOf(amount), RepresentationType().fkNonDeductionAccountNumber, 0);
    }

    // A foreign purchase whose lines do not add up to its amount gets the
    // missing part on the rounding account, unrounded and without a foreign amount.
    const double amountCents = purchase.Amount * 100;
    const double codedCents = purchase.CodedAmount() * 100;
    const double difference = (amountCents - codedCents) / 100;
    if (!IsLocal() && difference > 0 && difference < 1) {
        TAccountCode rounding;
        rounding.Amount = difference;
        rounding.ForeignAmount = 0;
        rounding.fkAccountNumber = roundingAccount;
        rounding.fkPurchaseRegistrationID = m_purchaseId;
        rounding.Type = ctRepresentation;
        rounding.Save();
    }

    purchase.fkRepresentationTypeID = RepresentationType().GetId();
    purchase.NumberOfPersons = m_numberOfPersons;
    purchase.ExtraAmount = RoundTo2(m_extraAmount);
    purchase.Save();
}

void TRepresentation::WriteLine(double amount, double foreignAmount, int account, double vatAmount)
{
    TAccountCode code;
    code.Amount = amount;
    code.ForeignAmount = foreignAmount;
    code.fkAccountNumber = account;
    code.fkPurchaseRegistrationID = m_purchaseId;
    code.Type = ctRepresentation;
    code.VatAmount = vatAmount;
    code.Save();
    WriteInternalAccountValues(code);
}

void TRepresentation::WriteInternalAccountValues(TAccountCode& code)
{
    const std::pair<QString, QString> values[] = {
        {QStringLiteral("INTERNALACCOUNTID1"), CostCentre},
        {QStringLiteral("INTERNALACCOUNTID2"), CostUnit},
        {QStringLiteral("INTERNALACCOUNTID3"), Project},
    };
    for (const auto& [setting, text] : values) {
        if (!text.isEmpty())
            code.SetInternalAccountValue(GetSettingInt(setting, 0), text);
    }
}
