SELECT * FROM expense_Invoices
WHERE fkPersonID = {fkPersonID}
ORDER BY InvoiceDate, LENGTH(InvoiceNumber), InvoiceNumber, Invoice_ID
