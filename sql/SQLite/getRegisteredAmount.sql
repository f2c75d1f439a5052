SELECT SUM(Amount) AS RegisteredAmount FROM expense_PurchaseRegistrations
WHERE fkInvoiceID = {fkInvoiceID}
