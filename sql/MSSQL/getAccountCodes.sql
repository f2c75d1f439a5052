SELECT * FROM expense_AccountCodes
WHERE fkPurchaseRegistrationID = {fkPurchaseRegistrationID}
ORDER BY AccountCode_ID
