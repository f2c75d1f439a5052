#pragma once

#include "Valdrona_Class.h"

// A VAT code: keys 1 to 5, the rate in percent; -1 = no automatic VAT.
class TVat : public TValdrona {
    Q_OBJECT
public:
    explicit TVat(QObject* owner = nullptr);

    double VAT = 0;   // read back rounded to 8 decimals

    bool CanDelete() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    void AddFieldValues() override;
    // The rate as the shortest decimal text with a decimal comma: "25", "12,5".
    QString GetDisplayText() override;
};
