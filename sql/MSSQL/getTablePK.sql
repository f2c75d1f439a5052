SELECT MAX(HighestKey) AS HighestKey FROM (
  SELECT MAX(id) AS HighestKey FROM {TableName}_seq
  UNION ALL SELECT MAX(Person_ID) FROM expense_Persons WHERE '{TableName}' = 'Persons'
  UNION ALL SELECT MAX(Vat_ID) FROM expense_Vat WHERE '{TableName}' = 'Vat'
  UNION ALL SELECT MAX(ChartOfAccount_ID) FROM expense_ChartOfAccounts WHERE '{TableName}' = 'ChartOfAccounts'
  UNION ALL SELECT MAX(RepresentationType_ID) FROM expense_RepresentationTypes WHERE '{TableName}' = 'RepresentationTypes'
  UNION ALL SELECT MAX(Card_ID) FROM expense_Cards WHERE '{TableName}' = 'Cards'
  UNION ALL SELECT MAX(Invoice_ID) FROM expense_Invoices WHERE '{TableName}' = 'Invoices'
  UNION ALL SELECT MAX(PurchaseRegistration_ID) FROM expense_PurchaseRegistrations WHERE '{TableName}' = 'PurchaseRegistrations'
  UNION ALL SELECT MAX(AccountCode_ID) FROM expense_AccountCodes WHERE '{TableName}' = 'AccountCodes'
) AS Keys
