SELECT Username FROM expense_Persons
WHERE State = 1
ORDER BY Username, Person_ID
