SELECT fkGroupID, fkAccountNumber FROM expense_AccountGroupChartOfAccountRelation
WHERE fkAccountNumber = {fkAccountNumber}
