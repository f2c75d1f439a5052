#include "TemplateAmountUnit.h"

#include "QueryUnit.h"

double OpenTemplateAmount(TValdrona_ADOQuery& query)
{
    query.OpenTemplate();
    if (query.IsEmpty() || query.FieldCount() == 0)
        return 0;
    return query.FieldAsRoundedFloat(query.FieldName(0), AmountDecimals);
}
