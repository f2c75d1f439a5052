SELECT * FROM expense_AccountCodes
WHERE fkPurchaseRegistrationID = {fkPurchaseRegistrationID}
  AND Type = {Type}
  AND fkAccountNumber = {fkAccountNumber}
ORDER BY AccountCode_ID
