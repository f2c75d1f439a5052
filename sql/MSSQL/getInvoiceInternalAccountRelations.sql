SELECT [Data], fkInvoiceID, fkInternalAccountID, fkInternalAccountDataID
FROM expense_InvoiceInternalAccountRelation
WHERE fkInvoiceID = {fkInvoiceID}
  AND fkInternalAccountID = {fkInternalAccountID}
