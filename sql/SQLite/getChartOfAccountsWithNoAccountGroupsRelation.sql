SELECT * FROM expense_ChartOfAccounts
WHERE NOT EXISTS (
  SELECT 1 FROM expense_AccountGroupChartOfAccountRelation
  WHERE expense_AccountGroupChartOfAccountRelation.fkAccountNumber = expense_ChartOfAccounts.ChartOfAccount_ID
)
ORDER BY SortOrder, AccountNumber, ChartOfAccount_ID
