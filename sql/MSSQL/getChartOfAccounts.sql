SELECT * FROM expense_ChartOfAccounts
ORDER BY AccountNumber, ChartOfAccount_ID
