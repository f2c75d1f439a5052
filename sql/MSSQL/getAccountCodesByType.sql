SELECT * FROM expense_AccountCodes
WHERE fkPurchaseRegistrationID = {fkPurchaseRegistrationID}
  AND [Type] = {Type}
ORDER BY AccountCode_ID
