SELECT * FROM expense_ChartOfAccounts
WHERE AccountNumber = TRY_CONVERT(int, {AccountNumber})
ORDER BY ChartOfAccount_ID
