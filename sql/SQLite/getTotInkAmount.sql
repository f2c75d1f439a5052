SELECT SUM(Amount) AS TotInkAmount FROM expense_PurchaseRegistrations
WHERE fkInvoiceID = {fkInvoiceID}
  AND COALESCE(IsPrivate, 0) <= 0
