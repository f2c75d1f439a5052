SELECT COUNT(*) AS CountPersons FROM expense_Persons
