#include "Vat_Class.h"

#include <QLocale>

namespace {
constexpr int RateDecimals = 8;
}

TVat::TVat(QObject* owner) : TValdrona(QStringLiteral("Vat"), QStringLiteral("Vat_ID"), owner) {}

bool TVat::CanDelete()
{
    TValdrona_ADOQuery& query = Query();
    query.CloseAndClear();
    query.AddCondition(TablePrefix + QStringLiteral("ChartOfAccounts"), QStringLiteral("fkVatID"), Id);
    query.AddCondition(TablePrefix + QStringLiteral("RepresentationTypes"), QStringLiteral("fkVatID"), Id);
    const bool used = query.AnyRowExists();
    query.CloseAndClear();
    return !used;
}

void TVat::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    VAT = query.FieldAsRoundedFloat(QStringLiteral("VAT"), RateDecimals);
}

void TVat::AddFieldValues()
{
    Query().AddValue(PrefixedTableName(), QStringLiteral("VAT"), VAT);
}

QString TVat::GetDisplayText()
{
    return QString::number(VAT, 'g', QLocale::FloatingPointShortest).replace(u'.', FormatSettings().DecimalSeparator);
}
