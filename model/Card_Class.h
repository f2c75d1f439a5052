#pragma once

#include "Valdrona_Class.h"

constexpr int PrivateCardType = 2;

// A company credit card issued to a person; type 2 is a private card.
class TCard : public TValdrona {
    Q_OBJECT
public:
    explicit TCard(QObject* owner = nullptr);

    QString CardName;
    QString CardNumber;
    int fkPersonID = 0;
    int fkCardTypeID = 0;

    bool IsPrivate() const { return fkCardTypeID == PrivateCardType; }

    bool CanDelete() override;
    void LoadFromQuery(TValdrona_ADOQuery& query) override;
    void AddFieldValues() override;
    // Name and number, with " [PRIVAT]" for a private card.
    QString GetDisplayText() override;
};
