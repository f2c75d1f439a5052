SELECT * FROM expense_PurchaseRegistrations
WHERE fkInvoiceID = {fkInvoiceID}
  AND COALESCE(IsPrivate, 0) <= 0
ORDER BY PurchaseNumber, PurchaseRegistration_ID
