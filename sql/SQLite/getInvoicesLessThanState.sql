SELECT * FROM expense_Invoices
WHERE State < {State}
  AND fkPersonID = {fkPersonID}
ORDER BY InvoiceDate, LENGTH(InvoiceNumber), InvoiceNumber, Invoice_ID
