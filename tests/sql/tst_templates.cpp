// The SQL templates of the installation: each one, run as its callers run it on
// a copy of the generated demo company (or the empty template company), takes
// the placeholders they set and returns the columns and rows they read.

#include "ConnectionUnit.h"
#include "QueryUnit.h"
#include "TestCompany.h"
#include "ValueConversionUnit.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <optional>
#include <utility>
#include <vector>

namespace {

using TSource = TTestCompany::TSource;
using TPlaceholders = QList<std::pair<QString, QVariant>>;

const QStringList TemplateNames{
    "getAccess.sql", "getAccountCodes.sql", "getAccountCodesByAccountNumber.sql",
    "getAccountCodesByType.sql", "getAccountCodesByTypeAndAccountNumber.sql",
    "getAccountGroupChartOfAccountRelation.sql", "getChartOfAccountByAccountNumber.sql",
    "getChartOfAccounts.sql", "getChartOfAccountsWithNoAccountGroupsRelation.sql",
    "getCountPersons.sql", "getFirstPerson.sql", "getInternalAccounts.sql", "getInvoice.sql",
    "getInvoiceByInvoiceNumberAndPersonID.sql", "getInvoiceInternalAccountData.sql",
    "getInvoiceInternalAccountRelations.sql", "getInvoicesByDateOfPostingLessThanState.sql",
    "getInvoicesByPersonID.sql", "getInvoicesByState.sql", "getInvoicesLessThanState.sql",
    "getNextPurchaseNumber.sql", "getPREL.sql", "getPersonByUsername.sql",
    "getPurchaseByPurchaseNumber.sql", "getPurchaseKonteratAmount.sql",
    "getPurchaseKonteratAmountByType.sql", "getPurchaseKonteratForeignAmount.sql",
    "getPurchaseKonteratForeignAmountByType.sql", "getPurchaseRegistrations.sql",
    "getPurchaseRegistrationsNoPrivate.sql", "getRegisteredAmount.sql",
    "getRepresentationTypes.sql", "getSetting.sql", "getTablePK.sql", "getTotInkAmount.sql",
    "getUsers.sql", "getVatOrderbyID.sql"};

// The columns of the entities, which the callers load from whole rows.
const QStringList PersonColumns{"Person_ID", "FirstName", "LastName", "fkLanguageID", "EmailAddress",
                                "Username", "Password", "fkAttestPerson", "EmployeeNumber", "State",
                                "EnableEmail", "LastPasswordEmail"};
const QStringList VatColumns{"Vat_ID", "VAT"};
const QStringList AccountColumns{"ChartOfAccount_ID", "AccountNumber", "AccountName", "SortOrder", "fkVatID"};
const QStringList RepresentationTypeColumns{"RepresentationType_ID", "RepresentationTypeName",
                                            "RepresentationTypeShortName", "fkVatID", "DeductionAmount",
                                            "fkDeductionAccountNumber", "fkNonDeductionAccountNumber"};
const QStringList InvoiceColumns{"Invoice_ID", "InvoiceNumber", "InvoiceDate", "DateOfPosting", "fkCardID",
                                 "Comment", "TotalAmount", "fkPersonID", "State", "fkCreatedBy",
                                 "DateCreated", "fkAttestPerson", "fkImportedFileID", "fkCreditAccount"};
const QStringList PurchaseColumns{"PurchaseRegistration_ID", "fkInvoiceID", "Amount", "DateCreated",
                                  "fkPersonID", "ExchangeRate", "fkCreatedBy", "Comment", "Specification",
                                  "Location", "PurchaseDate", "Currency", "ForeignAmount", "VATAmount",
                                  "PurchaseNumber", "fkRepresentationTypeID", "NumberOfPersons",
                                  "ExtraAmount", "fkImportedFileID", "IsPrivate"};
const QStringList AccountCodeColumns{"AccountCode_ID", "Amount", "ForeignAmount", "fkAccountNumber",
                                     "fkPurchaseRegistrationID", "Type", "VatAmount", "ExtraText",
                                     "DateCreated"};

QVariant Date(const char* text)
{
    return DateParam(TextToDate(QString::fromLatin1(text)));
}

const QVariant NoDateValue = DateParam(0);

// One run of a template. The demo company (DB/Demo.db) holds: person 1 "admin"
// without access rights; 18 accounts with keys 1-18, seven of them
// own-coding accounts; internal accounts 1 Kostnadsställe and 2 Projekt;
// invoice 1 "2601" (state 10, posted 2026-04-05) with purchases 1-3, invoice 2
// "2602" (exported, posted 2026-03-05) with purchase 4, invoice 3 "2603" (state
// 10, posted 2026-04-20, private card) with purchase 5 and the private purchase 6;
// account codes 1-5, one per coded purchase.
struct TCase {
    const char* Row = nullptr;
    QString Template{};
    TPlaceholders Placeholders{};
    QStringList Columns{};              // every one must be in the result
    int Rows = -1;                      // -1: not fixed by the data
    QString ValueColumn{};              // empty: the first column
    std::optional<QString> Value{};     // of the first row; NULL reads as ""
    QString OrderedBy{};                // a column whose values must not decrease
    QStringList Setup{};                // statements run on the company first
    TSource Source = TSource::Demo;
    bool Raw = false;                   // placeholders written without quotes (key generation)
};

const QString GrantSysAdmin = QStringLiteral("INSERT INTO expense_Access (PersonID, AccessName) VALUES (1, 'IS_SYSADMIN')");

const std::vector<TCase>& Cases()
{
    static const std::vector<TCase> cases{
        {.Row = "access granted", .Template = "getAccess.sql",
         .Placeholders = {{"{AccessName}", "IS_SYSADMIN"}, {"{PersonID}", 1}}, .Rows = 1, .Value = "1",
         .Setup = {GrantSysAdmin}},
        {.Row = "access to another right", .Template = "getAccess.sql",
         .Placeholders = {{"{AccessName}", "CAN_FINISH"}, {"{PersonID}", 1}}, .Rows = 1, .Value = "0",
         .Setup = {GrantSysAdmin}},
        {.Row = "access of another person", .Template = "getAccess.sql",
         .Placeholders = {{"{AccessName}", "IS_SYSADMIN"}, {"{PersonID}", 2}}, .Rows = 1, .Value = "0",
         .Setup = {GrantSysAdmin}},
        {.Row = "no access rights", .Template = "getAccess.sql",
         .Placeholders = {{"{AccessName}", "IS_SYSADMIN"}, {"{PersonID}", 1}}, .Rows = 1, .Value = "0"},

        {.Row = "codes of a purchase", .Template = "getAccountCodes.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 1}}, .Columns = AccountCodeColumns, .Rows = 2,
         .ValueColumn = "AccountCode_ID", .Value = "1", .OrderedBy = "AccountCode_ID",
         .Setup = {"INSERT INTO expense_AccountCodes (AccountCode_ID, fkPurchaseRegistrationID, fkAccountNumber, Type)"
                   " VALUES (6, 1, 9, 0)"}},
        {.Row = "representation line on the deduction account", .Template = "getAccountCodesByAccountNumber.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 2}, {"{fkAccountNumber}", 12}},
         .Columns = AccountCodeColumns, .Rows = 1, .ValueColumn = "AccountCode_ID", .Value = "7",
         .Setup = {"INSERT INTO expense_AccountCodes (AccountCode_ID, fkPurchaseRegistrationID, fkAccountNumber, Type)"
                   " VALUES (6, 2, 12, 0), (7, 2, 12, 1)"}},
        {.Row = "codes of one type", .Template = "getAccountCodesByType.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 2}, {"{Type}", 0}},
         .Columns = {"fkAccountNumber", "ForeignAmount", "ExtraText", "AccountCode_ID"}, .Rows = 1,
         .ValueColumn = "ExtraText", .Value = "Taxi"},
        {.Row = "codes of another type", .Template = "getAccountCodesByType.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 2}, {"{Type}", 2}}, .Columns = AccountCodeColumns, .Rows = 0},
        {.Row = "own coding of an account", .Template = "getAccountCodesByTypeAndAccountNumber.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 1}, {"{Type}", 2}, {"{fkAccountNumber}", 10}},
         .Columns = AccountCodeColumns, .Rows = 1, .ValueColumn = "Amount", .Value = "1250"},
        {.Row = "own coding of an uncoded account", .Template = "getAccountCodesByTypeAndAccountNumber.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 1}, {"{Type}", 2}, {"{fkAccountNumber}", 9}},
         .Columns = AccountCodeColumns, .Rows = 0},

        {.Row = "account in group 1", .Template = "getAccountGroupChartOfAccountRelation.sql",
         .Placeholders = {{"{fkAccountNumber}", 4}}, .Rows = 1},
        {.Row = "own-coding account", .Template = "getAccountGroupChartOfAccountRelation.sql",
         .Placeholders = {{"{fkAccountNumber}", 9}}, .Rows = 0},
        {.Row = "account by number", .Template = "getChartOfAccountByAccountNumber.sql",
         .Placeholders = {{"{AccountNumber}", "5800"}}, .Columns = AccountColumns, .Rows = 1,
         .ValueColumn = "ChartOfAccount_ID", .Value = "9"},
        {.Row = "unknown account number", .Template = "getChartOfAccountByAccountNumber.sql",
         .Placeholders = {{"{AccountNumber}", "9999"}}, .Columns = AccountColumns, .Rows = 0},
        {.Row = "account number that is no number", .Template = "getChartOfAccountByAccountNumber.sql",
         .Placeholders = {{"{AccountNumber}", "58a0"}}, .Columns = AccountColumns, .Rows = 0},
        {.Row = "chart of accounts", .Template = "getChartOfAccounts.sql", .Columns = AccountColumns, .Rows = 18,
         .ValueColumn = "AccountNumber", .Value = "1689", .OrderedBy = "AccountNumber"},
        {.Row = "empty chart of the template", .Template = "getChartOfAccounts.sql", .Columns = AccountColumns,
         .Rows = 0, .Source = TSource::Template},
        {.Row = "own-coding accounts", .Template = "getChartOfAccountsWithNoAccountGroupsRelation.sql",
         .Columns = AccountColumns, .Rows = 7, .ValueColumn = "AccountNumber", .Value = "5611",
         .OrderedBy = "SortOrder"},

        {.Row = "persons", .Template = "getCountPersons.sql", .Rows = 1, .Value = "3",
         .Setup = {"INSERT INTO expense_Persons (Person_ID, Username, State) VALUES (2, 'bertil', 1), (3, 'cecilia', 0)"}},
        {.Row = "persons of the template", .Template = "getCountPersons.sql", .Rows = 1, .Value = "1",
         .Source = TSource::Template},
        {.Row = "the one person", .Template = "getFirstPerson.sql", .Columns = {"Username", "Password"}, .Rows = 1,
         .ValueColumn = "Password", .Value = "admin"},
        {.Row = "internal accounts", .Template = "getInternalAccounts.sql",
         .Columns = {"InternalAccount_ID", "InternalAccountName"}, .Rows = 2, .ValueColumn = "InternalAccountName",
         .Value = "Kostnadsställe", .OrderedBy = "InternalAccount_ID"},

        {.Row = "invoice by key", .Template = "getInvoice.sql", .Placeholders = {{"{Invoice_ID}", 2}},
         .Columns = InvoiceColumns, .Rows = 1, .ValueColumn = "InvoiceNumber", .Value = "2602"},
        {.Row = "invoice by unknown key", .Template = "getInvoice.sql", .Placeholders = {{"{Invoice_ID}", 99}},
         .Columns = {"Invoice_ID"}, .Rows = 0},
        {.Row = "invoice by number", .Template = "getInvoiceByInvoiceNumberAndPersonID.sql",
         .Placeholders = {{"{InvoiceNumber}", "2602"}, {"{fkPersonID}", 1}}, .Rows = 1, .Value = "2"},
        {.Row = "invoice number of another person", .Template = "getInvoiceByInvoiceNumberAndPersonID.sql",
         .Placeholders = {{"{InvoiceNumber}", "2602"}, {"{fkPersonID}", 2}}, .Rows = 0},
        {.Row = "invoice cost centre exists", .Template = "getInvoiceInternalAccountData.sql",
         .Placeholders = {{"{fkInvoiceID}", 1}, {"{fkInternalAccountID}", 1}}, .Rows = 1},
        {.Row = "invoice project missing", .Template = "getInvoiceInternalAccountData.sql",
         .Placeholders = {{"{fkInvoiceID}", 1}, {"{fkInternalAccountID}", 2}}, .Rows = 0},
        {.Row = "invoice cost centre", .Template = "getInvoiceInternalAccountRelations.sql",
         .Placeholders = {{"{fkInvoiceID}", 1}, {"{fkInternalAccountID}", 1}}, .Rows = 1, .Value = "100"},

        {.Row = "selection with both sides open", .Template = "getInvoicesByDateOfPostingLessThanState.sql",
         .Placeholders = {{"{State}", 50}, {"{FromDateOfPosting}", NoDateValue}, {"{ToDateOfPosting}", NoDateValue}},
         .Columns = InvoiceColumns, .Rows = 2, .ValueColumn = "Invoice_ID", .Value = "1", .OrderedBy = "InvoiceDate"},
        {.Row = "selection from a date", .Template = "getInvoicesByDateOfPostingLessThanState.sql",
         .Placeholders = {{"{State}", 50}, {"{FromDateOfPosting}", Date("2026-04-06")}, {"{ToDateOfPosting}", NoDateValue}},
         .Columns = InvoiceColumns, .Rows = 1, .ValueColumn = "Invoice_ID", .Value = "3"},
        {.Row = "selection up to and with a date", .Template = "getInvoicesByDateOfPostingLessThanState.sql",
         .Placeholders = {{"{State}", 50}, {"{FromDateOfPosting}", NoDateValue}, {"{ToDateOfPosting}", Date("2026-04-05")}},
         .Columns = InvoiceColumns, .Rows = 1, .ValueColumn = "Invoice_ID", .Value = "1"},
        {.Row = "selection of one day", .Template = "getInvoicesByDateOfPostingLessThanState.sql",
         .Placeholders = {{"{State}", 50}, {"{FromDateOfPosting}", Date("2026-04-20")}, {"{ToDateOfPosting}", Date("2026-04-20")}},
         .Columns = InvoiceColumns, .Rows = 1, .ValueColumn = "Invoice_ID", .Value = "3"},
        {.Row = "selection leaves exported invoices out", .Template = "getInvoicesByDateOfPostingLessThanState.sql",
         .Placeholders = {{"{State}", 50}, {"{FromDateOfPosting}", Date("2026-03-01")}, {"{ToDateOfPosting}", Date("2026-03-31")}},
         .Columns = InvoiceColumns, .Rows = 0},
        {.Row = "invoices of a person", .Template = "getInvoicesByPersonID.sql", .Placeholders = {{"{fkPersonID}", 1}},
         .Columns = InvoiceColumns, .Rows = 3, .ValueColumn = "Invoice_ID", .Value = "2", .OrderedBy = "InvoiceDate"},
        {.Row = "exported invoices", .Template = "getInvoicesByState.sql", .Placeholders = {{"{State}", 50}},
         .Columns = InvoiceColumns, .Rows = 1, .ValueColumn = "Invoice_ID", .Value = "2"},
        {.Row = "registered invoices of a person", .Template = "getInvoicesLessThanState.sql",
         .Placeholders = {{"{State}", 50}, {"{fkPersonID}", 1}}, .Columns = {"Invoice_ID", "InvoiceNumber", "InvoiceDate"},
         .Rows = 2, .ValueColumn = "InvoiceNumber", .Value = "2601", .OrderedBy = "InvoiceDate"},
        {.Row = "registered invoices of another person", .Template = "getInvoicesLessThanState.sql",
         .Placeholders = {{"{State}", 50}, {"{fkPersonID}", 2}}, .Columns = {"Invoice_ID"}, .Rows = 0},

        {.Row = "highest purchase number", .Template = "getNextPurchaseNumber.sql",
         .Placeholders = {{"{fkInvoiceID}", 1}}, .Rows = 1, .Value = "3"},
        {.Row = "no purchase number yet", .Template = "getNextPurchaseNumber.sql",
         .Placeholders = {{"{fkInvoiceID}", 99}}, .Value = ""},
        {.Row = "project of a code", .Template = "getPREL.sql",
         .Placeholders = {{"{fkAccountCode_ID}", 3}, {"{fkInternalAccount_ID}", 2}}, .Rows = 1, .Value = "P1"},
        {.Row = "code without a project", .Template = "getPREL.sql",
         .Placeholders = {{"{fkAccountCode_ID}", 2}, {"{fkInternalAccount_ID}", 2}}, .Rows = 0},
        {.Row = "person by user name", .Template = "getPersonByUsername.sql", .Placeholders = {{"{Username}", "admin"}},
         .Columns = PersonColumns, .Rows = 1, .ValueColumn = "Person_ID", .Value = "1"},
        {.Row = "unknown user name", .Template = "getPersonByUsername.sql", .Placeholders = {{"{Username}", "o'brien"}},
         .Columns = PersonColumns, .Rows = 0},

        {.Row = "purchase by number", .Template = "getPurchaseByPurchaseNumber.sql",
         .Placeholders = {{"{fkInvoiceID}", 1}, {"{PurchaseNumber}", 2}}, .Rows = 1, .Value = "2"},
        {.Row = "unknown purchase number", .Template = "getPurchaseByPurchaseNumber.sql",
         .Placeholders = {{"{fkInvoiceID}", 1}, {"{PurchaseNumber}", 4}}, .Rows = 0},
        {.Row = "coded amount", .Template = "getPurchaseKonteratAmount.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 3}}, .Rows = 1, .Value = "517.5"},
        {.Row = "coded amount of a type", .Template = "getPurchaseKonteratAmountByType.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 3}, {"{Type}", 2}}, .Rows = 1, .Value = "517.5"},
        {.Row = "coded amount of an unused type", .Template = "getPurchaseKonteratAmountByType.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 3}, {"{Type}", 0}}, .Value = ""},
        {.Row = "coded foreign amount", .Template = "getPurchaseKonteratForeignAmount.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 3}}, .Rows = 1, .Value = "45"},
        {.Row = "coded foreign amount of a type", .Template = "getPurchaseKonteratForeignAmountByType.sql",
         .Placeholders = {{"{fkPurchaseRegistrationID}", 3}, {"{Type}", 2}}, .Rows = 1, .Value = "45"},
        {.Row = "all purchases", .Template = "getPurchaseRegistrations.sql", .Placeholders = {{"{fkInvoiceID}", 3}},
         .Columns = PurchaseColumns, .Rows = 2, .ValueColumn = "PurchaseRegistration_ID", .Value = "5",
         .OrderedBy = "PurchaseNumber"},
        {.Row = "purchases that are not private", .Template = "getPurchaseRegistrationsNoPrivate.sql",
         .Placeholders = {{"{fkInvoiceID}", 3}}, .Columns = PurchaseColumns, .Rows = 1,
         .ValueColumn = "PurchaseRegistration_ID", .Value = "5"},
        {.Row = "purchases without a private mark", .Template = "getPurchaseRegistrationsNoPrivate.sql",
         .Placeholders = {{"{fkInvoiceID}", 1}}, .Columns = PurchaseColumns, .Rows = 3, .OrderedBy = "PurchaseNumber",
         .Setup = {"UPDATE expense_PurchaseRegistrations SET IsPrivate = NULL WHERE PurchaseRegistration_ID = 2"}},
        {.Row = "registered amount counts private purchases", .Template = "getRegisteredAmount.sql",
         .Placeholders = {{"{fkInvoiceID}", 3}}, .Rows = 1, .Value = "890"},
        {.Row = "purchase total leaves private purchases out", .Template = "getTotInkAmount.sql",
         .Placeholders = {{"{fkInvoiceID}", 3}}, .Rows = 1, .Value = "250"},
        {.Row = "purchase total", .Template = "getTotInkAmount.sql", .Placeholders = {{"{fkInvoiceID}", 1}}, .Rows = 1,
         .Value = "2139.5"},

        {.Row = "representation types", .Template = "getRepresentationTypes.sql", .Columns = RepresentationTypeColumns,
         .Rows = 3, .ValueColumn = "RepresentationTypeName", .Value = "Enklare förtäring",
         .OrderedBy = "RepresentationTypeName"},
        {.Row = "setting", .Template = "getSetting.sql", .Placeholders = {{"{SettingName}", "COMPANYNAME"}}, .Rows = 1,
         .Value = "Fjällbäcken Konsult AB"},
        {.Row = "missing setting", .Template = "getSetting.sql", .Placeholders = {{"{SettingName}", "SIEEXPORTFROM"}},
         .Rows = 0},
        {.Row = "setting of the template", .Template = "getSetting.sql",
         .Placeholders = {{"{SettingName}", "LOCALCURRENCY"}}, .Rows = 1, .Value = "SEK", .Source = TSource::Template},
        {.Row = "structure version of the template", .Template = "getSetting.sql",
         .Placeholders = {{"{SettingName}", "DB_VERSION"}}, .Rows = 1, .Value = "18", .Source = TSource::Template},

        {.Row = "highest key", .Template = "getTablePK.sql", .Placeholders = {{"{TableName}", "ChartOfAccounts"}},
         .Rows = 1, .Value = "18", .Raw = true},
        {.Row = "highest key only in the sequence", .Template = "getTablePK.sql",
         .Placeholders = {{"{TableName}", "Cards"}}, .Rows = 1, .Value = "12",
         .Setup = {"INSERT INTO Cards_seq (id) VALUES (12)"}, .Raw = true},
        {.Row = "highest key only in the table", .Template = "getTablePK.sql",
         .Placeholders = {{"{TableName}", "Cards"}}, .Rows = 1, .Value = "9",
         .Setup = {"INSERT INTO expense_Cards (Card_ID, CardName) VALUES (9, 'Inlagt utanför programmet')"}, .Raw = true},
        {.Row = "no key handed out", .Template = "getTablePK.sql", .Placeholders = {{"{TableName}", "Invoices"}},
         .Value = "", .Source = TSource::Template, .Raw = true},

        {.Row = "users who may log in", .Template = "getUsers.sql", .Columns = {"Username"}, .Rows = 2,
         .Value = "admin", .OrderedBy = "Username",
         .Setup = {"INSERT INTO expense_Persons (Person_ID, Username, State) VALUES (2, 'bertil', 1), (3, 'cecilia', 0)"}},
        {.Row = "VAT codes", .Template = "getVatOrderbyID.sql", .Columns = VatColumns, .Rows = 4,
         .ValueColumn = "VAT", .Value = "25", .OrderedBy = "Vat_ID", .Source = TSource::Template},
    };
    return cases;
}

QSet<QString> PlaceholdersIn(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{[A-Za-z_][A-Za-z0-9_]*\\}"));
    QSet<QString> names;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        names.insert(match.captured());
    return names;
}

QString ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Numbers compare as numbers, everything else as text (dates are 'yyyy-mm-dd').
bool InOrder(const QVariant& before, const QVariant& after)
{
    bool first = false;
    bool second = false;
    const double a = before.toDouble(&first);
    const double b = after.toDouble(&second);
    if (first && second)
        return a <= b;
    return before.toString() <= after.toString();
}

int Count(const QString& sql)
{
    TValdrona_ADOQuery query;
    return query.OpenScalar(sql).value_or(QVariant()).toInt();
}

} // namespace

Q_DECLARE_METATYPE(TTestCompany::TSource)

class TestTemplates : public QObject {
    Q_OBJECT

private slots:
    void templates_data();
    void templates();
    void templateFolders_data();
    void templateFolders();
    void placeholdersMatchTheCallers_data();
    void placeholdersMatchTheCallers();
    void everyKeyIsInItsSequence_data();
    void everyKeyIsInItsSequence();
    void demoAccountSettings_data();
    void demoAccountSettings();
};

void TestTemplates::templates_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < Cases().size(); ++i)
        QTest::newRow(qPrintable(Cases()[i].Template.chopped(4) + QStringLiteral(": ") + QLatin1String(Cases()[i].Row)))
            << int(i);
}

void TestTemplates::templates()
{
    QFETCH(int, index);
    const TCase& c = Cases()[size_t(index)];
    TTestCompany company(c.Source);
    TValdrona_ADOQuery query;
    for (const QString& statement : c.Setup)
        query.ExecText(statement);

    query.LoadTemplate(c.Template);
    for (const auto& [name, value] : c.Placeholders)
        query.SetPlaceholder(name, value);
    if (c.Raw) {
        query.ApplyPlaceholders(true);
        query.OpenSQL(query.SQL());
    } else {
        query.OpenTemplate();
    }

    for (const QString& column : c.Columns)
        QVERIFY2(query.HasField(column), qPrintable(column));
    if (c.Rows >= 0)
        QCOMPARE(query.RecordCount(), c.Rows);
    if (c.Value) {
        QVERIFY(query.RecordCount() > 0);
        query.First();
        const QVariant value = c.ValueColumn.isEmpty() ? query.Field(0) : query.FieldByName(c.ValueColumn);
        QCOMPARE(value.toString(), *c.Value);
    }
    if (!c.OrderedBy.isEmpty()) {
        query.First();
        QVariant previous = query.FieldByName(c.OrderedBy);
        for (query.Next(); !query.Eof(); query.Next()) {
            const QVariant current = query.FieldByName(c.OrderedBy);
            QVERIFY2(InOrder(previous, current), qPrintable(previous.toString() + " before " + current.toString()));
            previous = current;
        }
    }
}

void TestTemplates::templateFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("installed SQLite") << TTestCompany::DistDir() + QStringLiteral("/sql/SQLite");
    QTest::newRow("installed MSSQL") << TTestCompany::DistDir() + QStringLiteral("/sql/MSSQL");
    QTest::newRow("source SQLite") << TTestCompany::SourceDir() + QStringLiteral("/sql/SQLite");
    QTest::newRow("source MSSQL") << TTestCompany::SourceDir() + QStringLiteral("/sql/MSSQL");
}

// Exactly the templates the program runs: none missing, none left over.
void TestTemplates::templateFolders()
{
    QFETCH(QString, folder);
    QStringList expected = TemplateNames;
    expected.sort();
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name), expected);
}

void TestTemplates::placeholdersMatchTheCallers_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : TemplateNames)
        QTest::newRow(qPrintable(name)) << name;
}

// The SQL Server templates cannot run here; their placeholders must at least be
// those the callers set, as in the SQLite templates that the cases above run.
void TestTemplates::placeholdersMatchTheCallers()
{
    QFETCH(QString, name);
    QSet<QString> set;
    int runs = 0;
    for (const TCase& c : Cases()) {
        if (c.Template != name)
            continue;
        ++runs;
        for (const auto& placeholder : c.Placeholders)
            set.insert(placeholder.first);
    }
    QVERIFY2(runs > 0, "no case runs this template");
    const QString sql = TTestCompany::SourceDir() + QStringLiteral("/sql/");
    QCOMPARE(PlaceholdersIn(ReadFile(sql + QStringLiteral("SQLite/") + name)), set);
    QCOMPARE(PlaceholdersIn(ReadFile(sql + QStringLiteral("MSSQL/") + name)), set);
}

void TestTemplates::everyKeyIsInItsSequence_data()
{
    QTest::addColumn<TSource>("source");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    const std::pair<const char*, const char*> tables[] = {
        {"Persons", "Person_ID"}, {"Vat", "Vat_ID"}, {"ChartOfAccounts", "ChartOfAccount_ID"},
        {"RepresentationTypes", "RepresentationType_ID"}, {"Cards", "Card_ID"}, {"Invoices", "Invoice_ID"},
        {"PurchaseRegistrations", "PurchaseRegistration_ID"}, {"AccountCodes", "AccountCode_ID"}};
    for (const auto& [source, label] : {std::pair{TSource::Template, "template"}, std::pair{TSource::Demo, "demo"}}) {
        for (const auto& [table, key] : tables)
            QTest::addRow("%s %s", label, table) << source << QString::fromLatin1(table) << QString::fromLatin1(key);
    }
}

// A key missing from its sequence would be handed out again by the next save
// of a program whose key template reads only the sequence.
void TestTemplates::everyKeyIsInItsSequence()
{
    QFETCH(TSource, source);
    QFETCH(QString, table);
    QFETCH(QString, key);
    TTestCompany company(source);
    QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM expense_%1 WHERE %2 NOT IN (SELECT id FROM %1_seq)")
                       .arg(table, key)),
             0);
}

void TestTemplates::demoAccountSettings_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("accountNumber");
    QTest::newRow("credit account") << "CREDITACCOUNT" << 2890;
    QTest::newRow("incoming VAT") << "INCOMINGVAT" << 2640;
    QTest::newRow("rounding") << "ACCOUNTCODEDIFFACCOUNT" << 3740;
    QTest::newRow("invoice difference") << "INVOICEDIFFERENCE" << 1689;
    QTest::newRow("purchase difference") << "PURCHASEDIFFERENCE" << 6992;
}

// Account settings hold the account's key, which is not its number.
void TestTemplates::demoAccountSettings()
{
    QFETCH(QString, setting);
    QFETCH(int, accountNumber);
    TTestCompany company(TSource::Demo);
    QCOMPARE(Count(QStringLiteral("SELECT AccountNumber FROM expense_ChartOfAccounts WHERE ChartOfAccount_ID ="
                                  " (SELECT CAST(SettingValue AS INTEGER) FROM expense_Settings WHERE SettingName = '%1')")
                       .arg(setting)),
             accountNumber);
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
