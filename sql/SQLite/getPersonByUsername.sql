SELECT * FROM expense_Persons
WHERE Username = {Username}
ORDER BY Person_ID
