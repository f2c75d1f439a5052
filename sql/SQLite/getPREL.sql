SELECT Data, fkAccountCode_ID, fkInternalAccount_ID, fkInternalAccountData_ID
FROM expense_PREL
WHERE fkAccountCode_ID = {fkAccountCode_ID}
  AND fkInternalAccount_ID = {fkInternalAccount_ID}
