SELECT * FROM expense_AccountCodes
WHERE fkPurchaseRegistrationID = {fkPurchaseRegistrationID}
  AND fkAccountNumber = {fkAccountNumber}
  AND Type = 1
ORDER BY AccountCode_ID
