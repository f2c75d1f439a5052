SELECT TOP 1 Username, Password FROM expense_Persons
ORDER BY Person_ID
