SELECT SUM(ForeignAmount) AS KonteratForeignAmount FROM expense_AccountCodes
WHERE fkPurchaseRegistrationID = {fkPurchaseRegistrationID}
