SELECT * FROM expense_Invoices
WHERE State = {State}
ORDER BY InvoiceDate, LEN(InvoiceNumber), InvoiceNumber, Invoice_ID
