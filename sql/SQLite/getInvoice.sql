SELECT * FROM expense_Invoices
WHERE Invoice_ID = {Invoice_ID}
