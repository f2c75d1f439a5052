SELECT * FROM expense_Vat
ORDER BY Vat_ID
