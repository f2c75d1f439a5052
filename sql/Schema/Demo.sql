-- The demo company (DB/Demo.db), run after the structure and the template content.
-- A small consulting firm whose one employee pays with a company card and a
-- private card. Account settings hold ChartOfAccount_ID, not the account number.
-- Every key inserted here is recorded in its _seq table.

UPDATE expense_Persons
SET FirstName = 'Anna', LastName = 'Svensson', EmailAddress = 'anna.svensson@fjallbacken.se',
    EmployeeNumber = '17'
WHERE Person_ID = 1;

-- BAS accounts. VAT codes: 1 = 25 %, 2 = 12 %, 3 = 6 %, 4 = 0 %.
INSERT INTO expense_ChartOfAccounts (ChartOfAccount_ID, AccountNumber, AccountName, SortOrder, fkVatID) VALUES
  (1, 1689, 'Övriga kortfristiga fordringar', 'Övriga kortfristiga fordringar', 4),
  (2, 1930, 'Företagskonto/checkkonto/affärskonto', 'Företagskonto/checkkonto/affärskonto', 4),
  (3, 2640, 'Ingående moms', 'Ingående moms', 4),
  (4, 2890, 'Övriga kortfristiga skulder', 'Övriga kortfristiga skulder', 4),
  (5, 3740, 'Öres- och kronutjämning', 'Öres- och kronutjämning', 4),
  (6, 5410, 'Förbrukningsinventarier', 'Förbrukningsinventarier', 1),
  (7, 5460, 'Förbrukningsmaterial', 'Förbrukningsmaterial', 1),
  (8, 5611, 'Drivmedel för personbilar', 'Drivmedel för personbilar', 1),
  (9, 5800, 'Resekostnader', 'Resekostnader', 3),
  (10, 5831, 'Kost och logi i Sverige', 'Kost och logi i Sverige', 2),
  (11, 5842, 'Kost och logi i utlandet', 'Kost och logi i utlandet', 4),
  (12, 6071, 'Representation, avdragsgill', 'Representation, avdragsgill', 2),
  (13, 6072, 'Representation, ej avdragsgill', 'Representation, ej avdragsgill', 4),
  (14, 6110, 'Kontorsmateriel', 'Kontorsmateriel', 1),
  (15, 6212, 'Mobiltelefon', 'Mobiltelefon', 1),
  (16, 6540, 'IT-tjänster', 'IT-tjänster', 1),
  (17, 6570, 'Bankkostnader', 'Bankkostnader', 4),
  (18, 6992, 'Övriga externa kostnader, ej avdragsgilla', 'Övriga externa kostnader, ej avdragsgilla', 4);
INSERT INTO ChartOfAccounts_seq (id) VALUES
  (1), (2), (3), (4), (5), (6), (7), (8), (9), (10), (11), (12), (13), (14), (15), (16), (17), (18);

-- The ordinary chart is group 1; 5611, 5800, 5831, 5842, 6110, 6212 and 6540 have
-- no group row and are the own-coding accounts.
INSERT INTO expense_AccountGroupChartOfAccountRelation (fkAccountNumber, fkGroupID) VALUES
  (1, 1), (2, 1), (3, 1), (4, 1), (5, 1), (6, 1), (7, 1), (12, 1), (13, 1), (17, 1), (18, 1);

INSERT INTO expense_InternalAccounts (InternalAccount_ID, InternalAccountName) VALUES
  (1, 'Kostnadsställe'),
  (2, 'Projekt');

INSERT INTO expense_Settings (SettingName, SettingValue, SettingType) VALUES
  ('COMPANYNAME', 'Fjällbäcken Konsult AB', 1),
  ('ORGANIZATIONNUMBER', '556677-8899', 1),
  ('CREDITACCOUNT', '4', 1),
  ('INCOMINGVAT', '3', 1),
  ('ACCOUNTCODEDIFFACCOUNT', '5', 1),
  ('INVOICEDIFFERENCE', '1', 1),
  ('PURCHASEDIFFERENCE', '18', 1),
  ('INTERNALACCOUNTID1', '1', 1),
  ('INTERNALACCOUNTID3', '2', 1),
  ('INTERNAL_COSTCENTRE', '1', 1),
  ('INTERNAL_COSTUNIT', '0', 1),
  ('INTERNAL_PROJECT', '1', 1),
  ('ROUNDAMOUNT_SUMVER', '0', 1),
  ('SHADED_PDF', '1', 1),
  ('YEARRARBEGIN', '2026-01-01', 1),
  ('YEARRAREND', '2026-12-31', 1),
  ('PREVIOUSYEARRARBEGIN', '2025-01-01', 1),
  ('PREVIOUSYEARRAREND', '2025-12-31', 1);

-- Deductible amount per person excluding VAT; the VAT code is that of the food.
INSERT INTO expense_RepresentationTypes (RepresentationType_ID, RepresentationTypeName,
  RepresentationTypeShortName, fkVatID, DeductionAmount, fkDeductionAccountNumber,
  fkNonDeductionAccountNumber) VALUES
  (1, 'Extern representation', 'Extern', 2, 300, 12, 13),
  (2, 'Intern representation', 'Intern', 2, 300, 12, 13),
  (3, 'Enklare förtäring', 'Förtäring', 2, 60, 12, 13);
INSERT INTO RepresentationTypes_seq (id) VALUES (1), (2), (3);

-- Card type 2 is a private card.
INSERT INTO expense_Cards (Card_ID, CardName, CardNumber, fkPersonID, fkCardTypeID) VALUES
  (1, 'Företagskort Mastercard', '5412 7500 0000 4321', 1, 1),
  (2, 'Privatkort Visa', '4581 2200 0000 8765', 1, 2);
INSERT INTO Cards_seq (id) VALUES (1), (2);

-- Three vouchers: a coded one ready for export, an exported one, and one on the
-- private card with a private purchase.
INSERT INTO expense_Invoices (Invoice_ID, InvoiceNumber, InvoiceDate, DateOfPosting, fkCardID,
  Comment, TotalAmount, fkPersonID, State, fkCreatedBy, DateCreated, fkCreditAccount) VALUES
  (1, '2601', '2026-03-31', '2026-04-05', 1, '', 2139.5, 1, 10, 1, '2026-04-05', 4),
  (2, '2602', '2026-02-28', '2026-03-05', 1, '', 499, 1, 50, 1, '2026-03-05', 4),
  (3, '2603', '2026-04-15', '2026-04-20', 2, '', 890, 1, 10, 1, '2026-04-20', 4);
INSERT INTO Invoices_seq (id) VALUES (1), (2), (3);

INSERT INTO expense_InvoiceInternalAccountRelation (fkInvoiceID, fkInternalAccountID, Data) VALUES
  (1, 1, '100'),
  (2, 1, '200'),
  (3, 1, '200');

INSERT INTO expense_PurchaseRegistrations (PurchaseRegistration_ID, fkInvoiceID, Amount, DateCreated,
  fkPersonID, ExchangeRate, fkCreatedBy, Comment, Specification, Location, Currency, ForeignAmount,
  VATAmount, PurchaseNumber, IsPrivate) VALUES
  (1, 1, 1250, '2026-04-05', 1, 1, 1, 'Hotell Göteborg', '', '', 'SEK', 1250, 0, 1, 0),
  (2, 1, 372, '2026-04-05', 1, 1, 1, 'Taxi Landvetter', '', '', 'SEK', 372, 0, 2, 0),
  (3, 1, 517.5, '2026-04-05', 1, 11.5, 1, 'Middag Bryssel', '', '', 'UTL', 45, 0, 3, 0),
  (4, 2, 499, '2026-03-05', 1, 1, 1, 'Mobilabonnemang februari', '', '', 'SEK', 499, 0, 1, 0),
  (5, 3, 250, '2026-04-20', 1, 1, 1, 'Pärmar och block', '', '', 'SEK', 250, 0, 1, 0),
  (6, 3, 640, '2026-04-20', 1, 1, 1, 'Privat middag', '', '', 'SEK', 640, 0, 2, 1);
INSERT INTO PurchaseRegistrations_seq (id) VALUES (1), (2), (3), (4), (5), (6);

-- Every purchase but the private one is fully coded; a foreign line carries no VAT.
INSERT INTO expense_AccountCodes (AccountCode_ID, Amount, ForeignAmount, fkAccountNumber,
  fkPurchaseRegistrationID, Type, VatAmount, ExtraText, DateCreated) VALUES
  (1, 1250, 1250, 10, 1, 2, 133.93, '', '2026-04-05'),
  (2, 372, 372, 9, 2, 0, 21.06, 'Taxi', '2026-04-05'),
  (3, 517.5, 45, 11, 3, 2, 0, '', '2026-04-05'),
  (4, 499, 499, 15, 4, 2, 99.8, '', '2026-03-05'),
  (5, 250, 250, 14, 5, 0, 50, '', '2026-04-20');
INSERT INTO AccountCodes_seq (id) VALUES (1), (2), (3), (4), (5);

-- Cost centre (internal account 1) and project (internal account 2) of the lines.
INSERT INTO expense_PREL (fkAccountCode_ID, fkInternalAccount_ID, Data) VALUES
  (1, 1, '100'), (1, 2, 'P1'),
  (2, 1, '100'),
  (3, 1, '100'), (3, 2, 'P1'),
  (4, 1, '200'),
  (5, 1, '200');
