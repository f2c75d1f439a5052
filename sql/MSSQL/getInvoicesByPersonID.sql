SELECT * FROM expense_Invoices
WHERE fkPersonID = {fkPersonID}
ORDER BY InvoiceDate, LEN(InvoiceNumber), InvoiceNumber, Invoice_ID
