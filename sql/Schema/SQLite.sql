-- Structure of a company database (SQLite). DB_VERSION 18.
-- Keys are plain INTEGER PRIMARY KEY columns: the program hands them out itself
-- (highest key + 1, recorded in the table's _seq table), so no AUTOINCREMENT.
-- Dates are stored as the text 'yyyy-mm-dd' that the program writes.
-- No foreign-key constraints: the program checks references itself and deletes
-- dependent rows in its own order, and an account may be removed while an
-- invoice still names it as its credit account.

CREATE TABLE expense_Settings (
  SettingName TEXT NOT NULL PRIMARY KEY,
  SettingValue TEXT,
  SettingType INTEGER
);

CREATE TABLE expense_Access (
  PersonID INTEGER NOT NULL,
  AccessName TEXT NOT NULL,
  PRIMARY KEY (PersonID, AccessName)
);

CREATE TABLE expense_Persons (
  Person_ID INTEGER PRIMARY KEY,
  FirstName TEXT,
  LastName TEXT,
  fkLanguageID TEXT,
  EmailAddress TEXT,
  Username TEXT,
  Password TEXT,
  fkAttestPerson INTEGER,
  EmployeeNumber TEXT,
  State INTEGER,
  EnableEmail INTEGER,
  LastPasswordEmail TEXT
);
CREATE INDEX IX_Persons_Username ON expense_Persons (Username);

CREATE TABLE expense_PersonSettings (
  fkPersonID INTEGER NOT NULL,
  SettingName TEXT,
  SettingValue TEXT
);
CREATE INDEX IX_PersonSettings_fkPersonID ON expense_PersonSettings (fkPersonID);

CREATE TABLE expense_PersonInternalAccountRelation (
  fkPersonID INTEGER NOT NULL,
  fkInternalAccountID INTEGER,
  Data TEXT
);
CREATE INDEX IX_PersonInternalAccountRelation_fkPersonID ON expense_PersonInternalAccountRelation (fkPersonID);

CREATE TABLE expense_Vat (
  Vat_ID INTEGER PRIMARY KEY,
  VAT REAL
);

CREATE TABLE expense_ChartOfAccounts (
  ChartOfAccount_ID INTEGER PRIMARY KEY,
  AccountNumber INTEGER,
  AccountName TEXT,
  SortOrder TEXT,
  fkVatID INTEGER
);
CREATE INDEX IX_ChartOfAccounts_AccountNumber ON expense_ChartOfAccounts (AccountNumber);
CREATE INDEX IX_ChartOfAccounts_fkVatID ON expense_ChartOfAccounts (fkVatID);

CREATE TABLE expense_AccountGroupChartOfAccountRelation (
  fkAccountNumber INTEGER NOT NULL,
  fkGroupID INTEGER NOT NULL,
  PRIMARY KEY (fkAccountNumber, fkGroupID)
);

CREATE TABLE expense_RepresentationTypes (
  RepresentationType_ID INTEGER PRIMARY KEY,
  RepresentationTypeName TEXT,
  RepresentationTypeShortName TEXT,
  fkVatID INTEGER,
  DeductionAmount REAL,
  fkDeductionAccountNumber INTEGER,
  fkNonDeductionAccountNumber INTEGER
);
CREATE INDEX IX_RepresentationTypes_fkVatID ON expense_RepresentationTypes (fkVatID);
CREATE INDEX IX_RepresentationTypes_fkDeductionAccountNumber ON expense_RepresentationTypes (fkDeductionAccountNumber);
CREATE INDEX IX_RepresentationTypes_fkNonDeductionAccountNumber ON expense_RepresentationTypes (fkNonDeductionAccountNumber);

CREATE TABLE expense_Cards (
  Card_ID INTEGER PRIMARY KEY,
  CardName TEXT,
  CardNumber TEXT,
  fkPersonID INTEGER,
  fkCardTypeID INTEGER
);
CREATE INDEX IX_Cards_fkPersonID ON expense_Cards (fkPersonID);

CREATE TABLE expense_Invoices (
  Invoice_ID INTEGER PRIMARY KEY,
  InvoiceNumber TEXT,
  InvoiceDate TEXT,
  DateOfPosting TEXT,
  fkCardID INTEGER,
  Comment TEXT,
  TotalAmount REAL,
  fkPersonID INTEGER,
  State INTEGER,
  fkCreatedBy INTEGER,
  DateCreated TEXT,
  fkAttestPerson INTEGER,
  fkImportedFileID INTEGER,
  fkCreditAccount INTEGER
);
CREATE INDEX IX_Invoices_fkPersonID ON expense_Invoices (fkPersonID, InvoiceNumber);
CREATE INDEX IX_Invoices_State ON expense_Invoices (State, DateOfPosting);
CREATE INDEX IX_Invoices_fkCardID ON expense_Invoices (fkCardID);
CREATE INDEX IX_Invoices_fkCreatedBy ON expense_Invoices (fkCreatedBy);
CREATE INDEX IX_Invoices_fkAttestPerson ON expense_Invoices (fkAttestPerson);

CREATE TABLE expense_PurchaseRegistrations (
  PurchaseRegistration_ID INTEGER PRIMARY KEY,
  fkInvoiceID INTEGER,
  Amount REAL,
  DateCreated TEXT,
  fkPersonID INTEGER,
  ExchangeRate REAL,
  fkCreatedBy INTEGER,
  Comment TEXT,
  Specification TEXT,
  Location TEXT,
  PurchaseDate TEXT,
  Currency TEXT,
  ForeignAmount REAL,
  VATAmount REAL,
  PurchaseNumber INTEGER,
  fkRepresentationTypeID INTEGER,
  NumberOfPersons INTEGER,
  ExtraAmount REAL,
  fkImportedFileID INTEGER,
  IsPrivate INTEGER
);
CREATE INDEX IX_PurchaseRegistrations_fkInvoiceID ON expense_PurchaseRegistrations (fkInvoiceID, PurchaseNumber);
CREATE INDEX IX_PurchaseRegistrations_fkRepresentationTypeID ON expense_PurchaseRegistrations (fkRepresentationTypeID);
CREATE INDEX IX_PurchaseRegistrations_fkPersonID ON expense_PurchaseRegistrations (fkPersonID);
CREATE INDEX IX_PurchaseRegistrations_fkCreatedBy ON expense_PurchaseRegistrations (fkCreatedBy);

CREATE TABLE expense_AccountCodes (
  AccountCode_ID INTEGER PRIMARY KEY,
  Amount REAL,
  ForeignAmount REAL,
  fkAccountNumber INTEGER,
  fkPurchaseRegistrationID INTEGER,
  Type INTEGER,
  VatAmount REAL,
  ExtraText TEXT,
  DateCreated TEXT
);
CREATE INDEX IX_AccountCodes_fkPurchaseRegistrationID ON expense_AccountCodes (fkPurchaseRegistrationID, Type);
CREATE INDEX IX_AccountCodes_fkAccountNumber ON expense_AccountCodes (fkAccountNumber);

-- At most one value per account code and internal account.
CREATE TABLE expense_PREL (
  fkAccountCode_ID INTEGER NOT NULL,
  fkInternalAccount_ID INTEGER NOT NULL,
  Data TEXT,
  fkInternalAccountData_ID INTEGER,
  PRIMARY KEY (fkAccountCode_ID, fkInternalAccount_ID)
);

-- At most one value per invoice and internal account.
CREATE TABLE expense_InvoiceInternalAccountRelation (
  fkInvoiceID INTEGER NOT NULL,
  fkInternalAccountID INTEGER NOT NULL,
  Data TEXT,
  fkInternalAccountDataID INTEGER,
  PRIMARY KEY (fkInvoiceID, fkInternalAccountID)
);

CREATE TABLE expense_AccountCodeTextAccountCodesRelation (
  fkAccountCodeID INTEGER NOT NULL,
  fkAccountCodeTextID INTEGER
);
CREATE INDEX IX_AccountCodeTextAccountCodesRelation_fkAccountCodeID ON expense_AccountCodeTextAccountCodesRelation (fkAccountCodeID);

CREATE TABLE expense_InternalAccounts (
  InternalAccount_ID INTEGER PRIMARY KEY,
  InternalAccountName TEXT
);

-- Every key handed out is recorded here before its row is inserted. The UNIQUE
-- id makes two programs that pick the same key at once fail on the second
-- insert instead of both storing rows with that key.
CREATE TABLE Persons_seq (id INTEGER NOT NULL UNIQUE);
CREATE TABLE Vat_seq (id INTEGER NOT NULL UNIQUE);
CREATE TABLE ChartOfAccounts_seq (id INTEGER NOT NULL UNIQUE);
CREATE TABLE RepresentationTypes_seq (id INTEGER NOT NULL UNIQUE);
CREATE TABLE Cards_seq (id INTEGER NOT NULL UNIQUE);
CREATE TABLE Invoices_seq (id INTEGER NOT NULL UNIQUE);
CREATE TABLE PurchaseRegistrations_seq (id INTEGER NOT NULL UNIQUE);
CREATE TABLE AccountCodes_seq (id INTEGER NOT NULL UNIQUE);
