SELECT MAX(HighestKey) AS HighestKey FROM (
  SELECT MAX(id) AS HighestKey FROM {TableName}_seq
  UNION ALL
  SELECT MAX(rowid) FROM expense_{TableName}
)
