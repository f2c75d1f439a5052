#pragma once

#include <QString>

// Where the internal-account values of one kind of owner live: one row per
// owner and dimension, holding the value text in [Data].
struct TInternalAccountRelation {
    QString Table;             // prefixed
    QString OwnerColumn;       // the account code's or invoice's key
    QString DimensionColumn;   // InternalAccount_ID
    QString ValueTemplate;     // the row of owner and dimension, value first
    QString ExistsTemplate;    // the same row; only its existence is used
    QString OwnerPlaceholder;
    QString DimensionPlaceholder;
};

const TInternalAccountRelation& AccountCodeInternalAccounts();   // PREL
const TInternalAccountRelation& InvoiceInternalAccounts();       // InvoiceInternalAccountRelation

// The value of the owner's dimension; empty when there is no row.
QString ReadInternalAccountValue(const TInternalAccountRelation& relation, int ownerId, int internalAccountId);
// Updates the row or inserts one; empty text deletes the row, so that a
// cleared field stays cleared.
void WriteInternalAccountValue(const TInternalAccountRelation& relation, int ownerId, int internalAccountId,
                               const QString& value);
// Deletes every row of the owner.
void DeleteInternalAccountValues(const TInternalAccountRelation& relation, int ownerId);
