-- Structure of a company catalogue on SQL Server (T-SQL). DB_VERSION 18.
-- Run it in an empty catalogue; a catalogue created with a Swedish collation
-- (for example Finnish_Swedish_CI_AS) sorts names the way users expect.
-- Keys are plain int primary keys: the program hands them out itself (highest
-- key + 1, recorded in the table's _seq table), so no IDENTITY columns.
-- Dates are of type date, which reads the literal 'yyyy-mm-dd' the program
-- writes the same way under every language setting (datetime would read it as
-- year-day-month under a dmy language). Texts are nvarchar so that every
-- character survives.
-- No foreign-key constraints: the program checks references itself and deletes
-- dependent rows in its own order, and an account may be removed while an
-- invoice still names it as its credit account.

CREATE TABLE expense_Settings (
  SettingName nvarchar(100) NOT NULL PRIMARY KEY,
  SettingValue nvarchar(max) NULL,
  SettingType int NULL
);

CREATE TABLE expense_Access (
  PersonID int NOT NULL,
  AccessName nvarchar(100) NOT NULL,
  PRIMARY KEY (PersonID, AccessName)
);

CREATE TABLE expense_Persons (
  Person_ID int NOT NULL PRIMARY KEY,
  FirstName nvarchar(255) NULL,
  LastName nvarchar(255) NULL,
  fkLanguageID nvarchar(20) NULL,
  EmailAddress nvarchar(255) NULL,
  Username nvarchar(255) NULL,
  Password nvarchar(255) NULL,
  fkAttestPerson int NULL,
  EmployeeNumber nvarchar(255) NULL,
  State int NULL,
  EnableEmail int NULL,
  LastPasswordEmail date NULL
);
CREATE INDEX IX_Persons_Username ON expense_Persons (Username);

CREATE TABLE expense_PersonSettings (
  fkPersonID int NOT NULL,
  SettingName nvarchar(100) NULL,
  SettingValue nvarchar(max) NULL
);
CREATE INDEX IX_PersonSettings_fkPersonID ON expense_PersonSettings (fkPersonID);

CREATE TABLE expense_PersonInternalAccountRelation (
  fkPersonID int NOT NULL,
  fkInternalAccountID int NULL,
  [Data] nvarchar(255) NULL
);
CREATE INDEX IX_PersonInternalAccountRelation_fkPersonID ON expense_PersonInternalAccountRelation (fkPersonID);

CREATE TABLE expense_Vat (
  Vat_ID int NOT NULL PRIMARY KEY,
  VAT float NULL
);

CREATE TABLE expense_ChartOfAccounts (
  ChartOfAccount_ID int NOT NULL PRIMARY KEY,
  AccountNumber int NULL,
  AccountName nvarchar(255) NULL,
  SortOrder nvarchar(255) NULL,
  fkVatID int NULL
);
CREATE INDEX IX_ChartOfAccounts_AccountNumber ON expense_ChartOfAccounts (AccountNumber);
CREATE INDEX IX_ChartOfAccounts_fkVatID ON expense_ChartOfAccounts (fkVatID);

CREATE TABLE expense_AccountGroupChartOfAccountRelation (
  fkAccountNumber int NOT NULL,
  fkGroupID int NOT NULL,
  PRIMARY KEY (fkAccountNumber, fkGroupID)
);

CREATE TABLE expense_RepresentationTypes (
  RepresentationType_ID int NOT NULL PRIMARY KEY,
  RepresentationTypeName nvarchar(255) NULL,
  RepresentationTypeShortName nvarchar(255) NULL,
  fkVatID int NULL,
  DeductionAmount float NULL,
  fkDeductionAccountNumber int NULL,
  fkNonDeductionAccountNumber int NULL
);
CREATE INDEX IX_RepresentationTypes_fkVatID ON expense_RepresentationTypes (fkVatID);
CREATE INDEX IX_RepresentationTypes_fkDeductionAccountNumber ON expense_RepresentationTypes (fkDeductionAccountNumber);
CREATE INDEX IX_RepresentationTypes_fkNonDeductionAccountNumber ON expense_RepresentationTypes (fkNonDeductionAccountNumber);

CREATE TABLE expense_Cards (
  Card_ID int NOT NULL PRIMARY KEY,
  CardName nvarchar(255) NULL,
  CardNumber nvarchar(255) NULL,
  fkPersonID int NULL,
  fkCardTypeID int NULL
);
CREATE INDEX IX_Cards_fkPersonID ON expense_Cards (fkPersonID);

CREATE TABLE expense_Invoices (
  Invoice_ID int NOT NULL PRIMARY KEY,
  InvoiceNumber nvarchar(255) NULL,
  InvoiceDate date NULL,
  DateOfPosting date NULL,
  fkCardID int NULL,
  Comment nvarchar(max) NULL,
  TotalAmount float NULL,
  fkPersonID int NULL,
  State int NULL,
  fkCreatedBy int NULL,
  DateCreated date NULL,
  fkAttestPerson int NULL,
  fkImportedFileID int NULL,
  fkCreditAccount int NULL
);
CREATE INDEX IX_Invoices_fkPersonID ON expense_Invoices (fkPersonID, InvoiceNumber);
CREATE INDEX IX_Invoices_State ON expense_Invoices (State, DateOfPosting);
CREATE INDEX IX_Invoices_fkCardID ON expense_Invoices (fkCardID);
CREATE INDEX IX_Invoices_fkCreatedBy ON expense_Invoices (fkCreatedBy);
CREATE INDEX IX_Invoices_fkAttestPerson ON expense_Invoices (fkAttestPerson);

CREATE TABLE expense_PurchaseRegistrations (
  PurchaseRegistration_ID int NOT NULL PRIMARY KEY,
  fkInvoiceID int NULL,
  Amount float NULL,
  DateCreated date NULL,
  fkPersonID int NULL,
  ExchangeRate float NULL,
  fkCreatedBy int NULL,
  Comment nvarchar(max) NULL,
  Specification nvarchar(max) NULL,
  Location nvarchar(255) NULL,
  PurchaseDate date NULL,
  [Currency] nvarchar(10) NULL,
  ForeignAmount float NULL,
  VATAmount float NULL,
  PurchaseNumber int NULL,
  fkRepresentationTypeID int NULL,
  NumberOfPersons int NULL,
  ExtraAmount float NULL,
  fkImportedFileID int NULL,
  IsPrivate int NULL
);
CREATE INDEX IX_PurchaseRegistrations_fkInvoiceID ON expense_PurchaseRegistrations (fkInvoiceID, PurchaseNumber);
CREATE INDEX IX_PurchaseRegistrations_fkRepresentationTypeID ON expense_PurchaseRegistrations (fkRepresentationTypeID);
CREATE INDEX IX_PurchaseRegistrations_fkPersonID ON expense_PurchaseRegistrations (fkPersonID);
CREATE INDEX IX_PurchaseRegistrations_fkCreatedBy ON expense_PurchaseRegistrations (fkCreatedBy);

CREATE TABLE expense_AccountCodes (
  AccountCode_ID int NOT NULL PRIMARY KEY,
  Amount float NULL,
  ForeignAmount float NULL,
  fkAccountNumber int NULL,
  fkPurchaseRegistrationID int NULL,
  [Type] int NULL,
  VatAmount float NULL,
  ExtraText nvarchar(max) NULL,
  DateCreated date NULL
);
CREATE INDEX IX_AccountCodes_fkPurchaseRegistrationID ON expense_AccountCodes (fkPurchaseRegistrationID, [Type]);
CREATE INDEX IX_AccountCodes_fkAccountNumber ON expense_AccountCodes (fkAccountNumber);

-- At most one value per account code and internal account.
CREATE TABLE expense_PREL (
  fkAccountCode_ID int NOT NULL,
  fkInternalAccount_ID int NOT NULL,
  [Data] nvarchar(255) NULL,
  fkInternalAccountData_ID int NULL,
  PRIMARY KEY (fkAccountCode_ID, fkInternalAccount_ID)
);

-- At most one value per invoice and internal account.
CREATE TABLE expense_InvoiceInternalAccountRelation (
  fkInvoiceID int NOT NULL,
  fkInternalAccountID int NOT NULL,
  [Data] nvarchar(255) NULL,
  fkInternalAccountDataID int NULL,
  PRIMARY KEY (fkInvoiceID, fkInternalAccountID)
);

CREATE TABLE expense_AccountCodeTextAccountCodesRelation (
  fkAccountCodeID int NOT NULL,
  fkAccountCodeTextID int NULL
);
CREATE INDEX IX_AccountCodeTextAccountCodesRelation_fkAccountCodeID ON expense_AccountCodeTextAccountCodesRelation (fkAccountCodeID);

CREATE TABLE expense_InternalAccounts (
  InternalAccount_ID int NOT NULL PRIMARY KEY,
  InternalAccountName nvarchar(255) NULL
);

-- Every key handed out is recorded here before its row is inserted. The UNIQUE
-- id makes two programs that pick the same key at once fail on the second
-- insert instead of both storing rows with that key.
CREATE TABLE Persons_seq (id int NOT NULL UNIQUE);
CREATE TABLE Vat_seq (id int NOT NULL UNIQUE);
CREATE TABLE ChartOfAccounts_seq (id int NOT NULL UNIQUE);
CREATE TABLE RepresentationTypes_seq (id int NOT NULL UNIQUE);
CREATE TABLE Cards_seq (id int NOT NULL UNIQUE);
CREATE TABLE Invoices_seq (id int NOT NULL UNIQUE);
CREATE TABLE PurchaseRegistrations_seq (id int NOT NULL UNIQUE);
CREATE TABLE AccountCodes_seq (id int NOT NULL UNIQUE);
