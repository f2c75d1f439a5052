SELECT * FROM expense_ChartOfAccounts
WHERE AccountNumber = {AccountNumber}
ORDER BY ChartOfAccount_ID
