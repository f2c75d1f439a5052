SELECT Invoice_ID FROM expense_Invoices
WHERE InvoiceNumber = {InvoiceNumber}
  AND fkPersonID = {fkPersonID}
ORDER BY Invoice_ID
