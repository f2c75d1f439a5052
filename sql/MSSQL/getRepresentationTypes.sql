SELECT * FROM expense_RepresentationTypes
ORDER BY RepresentationTypeName, RepresentationType_ID
