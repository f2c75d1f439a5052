SELECT * FROM expense_Invoices
WHERE State < {State}
  AND fkPersonID = {fkPersonID}
ORDER BY InvoiceDate, LEN(InvoiceNumber), InvoiceNumber, Invoice_ID
