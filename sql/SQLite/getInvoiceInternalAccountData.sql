SELECT * FROM expense_InvoiceInternalAccountRelation
WHERE fkInvoiceID = {fkInvoiceID}
  AND fkInternalAccountID = {fkInternalAccountID}
