SELECT * FROM expense_Invoices
WHERE State = {State}
ORDER BY InvoiceDate, LENGTH(InvoiceNumber), InvoiceNumber, Invoice_ID
