-- Content of a new company database (Template/qvb.db), run after the structure.
-- Plain ASCII INSERT statements, so the script serves a SQL Server catalogue too.
-- Every key inserted here is recorded in its _seq table, so that the program's
-- next key follows on from it.

-- VAT codes 1 to 4; the settings screen adds code 5 itself.
INSERT INTO expense_Vat (Vat_ID, VAT) VALUES (1, 25);
INSERT INTO expense_Vat (Vat_ID, VAT) VALUES (2, 12);
INSERT INTO expense_Vat (Vat_ID, VAT) VALUES (3, 6);
INSERT INTO expense_Vat (Vat_ID, VAT) VALUES (4, 0);
INSERT INTO Vat_seq (id) VALUES (1);
INSERT INTO Vat_seq (id) VALUES (2);
INSERT INTO Vat_seq (id) VALUES (3);
INSERT INTO Vat_seq (id) VALUES (4);

INSERT INTO expense_Settings (SettingName, SettingValue, SettingType) VALUES ('DB_VERSION', '18', 1);
INSERT INTO expense_Settings (SettingName, SettingValue, SettingType) VALUES ('LOCALCURRENCY', 'SEK', 1);

-- No screen adds persons, so a new company needs one who may log in.
INSERT INTO expense_Persons (Person_ID, FirstName, LastName, EmailAddress, Username, Password,
  EmployeeNumber, State, EnableEmail)
VALUES (1, 'Ekonomi', 'Admin', '', 'admin', 'admin', '', 1, 0);
INSERT INTO Persons_seq (id) VALUES (1);
