SELECT * FROM expense_ChartOfAccounts
WHERE CONVERT(nvarchar(20), AccountNumber) = {AccountNumber}
ORDER BY ChartOfAccount_ID
