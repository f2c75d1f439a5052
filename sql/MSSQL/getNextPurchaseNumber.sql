SELECT MAX(PurchaseNumber) AS PurchaseNumber FROM expense_PurchaseRegistrations
WHERE fkInvoiceID = {fkInvoiceID}
