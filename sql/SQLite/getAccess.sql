SELECT CASE WHEN EXISTS (
  SELECT 1 FROM expense_Access
  WHERE PersonID = {PersonID} AND AccessName = {AccessName}
) THEN 1 ELSE 0 END AS HasAccess
