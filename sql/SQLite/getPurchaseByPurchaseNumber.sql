SELECT PurchaseRegistration_ID FROM expense_PurchaseRegistrations
WHERE fkInvoiceID = {fkInvoiceID}
  AND PurchaseNumber = {PurchaseNumber}
ORDER BY PurchaseRegistration_ID
