SELECT SUM(Amount) AS KonteratAmount FROM expense_AccountCodes
WHERE fkPurchaseRegistrationID = {fkPurchaseRegistrationID}
  AND [Type] = {Type}
