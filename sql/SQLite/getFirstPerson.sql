SELECT Username, Password FROM expense_Persons
ORDER BY Person_ID
LIMIT 1
