SELECT * FROM expense_PurchaseRegistrations
WHERE fkInvoiceID = {fkInvoiceID}
ORDER BY PurchaseNumber, PurchaseRegistration_ID
