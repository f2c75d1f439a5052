#include "Person_Class.h"

#include "ErrorUnit.h"
#include "SettingsUnit.h"

#include <memory>

namespace {
std::unique_ptr<TPerson> LoginPerson;
}

TPerson::TPerson(QObject* owner) : TValdrona(QStringLiteral("Persons"), QStringLiteral("Person_ID"), owner) {}

bool TPerson::CanDelete()
{
    const int key = Id;
    TValdrona_ADOQuery& query = Query();
    query.CloseAndClear();
    const QString invoices = TablePrefix + QStringLiteral("Invoices");
    const QString purchases = TablePrefix + QStringLiteral("PurchaseRegistrations");
    query.AddCondition(TablePrefix + QStringLiteral("Access"), QStringLiteral("PersonID"), key);
    query.AddCondition(TablePrefix + QStringLiteral("Cards"), QStringLiteral("fkPersonID"), key);
    query.AddCondition(invoices, QStringLiteral("fkPersonID"), key);
    query.AddParam(invoices, QStringLiteral("fkAttestPerson"), pkOr, key);
    query.AddParam(invoices, QStringLiteral("fkCreatedBy"), pkOr, key);
    query.AddCondition(purchases, QStringLiteral("fkPersonID"), key);
    query.AddParam(purchases, QStringLiteral("fkCreatedBy"), pkOr, key);
    query.AddCondition(TablePrefix + QStringLiteral("PersonSettings"), QStringLiteral("fkPersonID"), key);
    query.AddCondition(TablePrefix + QStringLiteral("PersonInternalAccountRelation"), QStringLiteral("fkPersonID"), key);
    const bool referenced = query.AnyRowExists();
    query.CloseAndClear();
    return !referenced;
}

void TPerson::LoadFromQuery(TValdrona_ADOQuery& query)
{
    TValdrona::LoadFromQuery(query);
    FirstName = query.FieldAsText(QStringLiteral("FirstName"));
    LastName = query.FieldAsText(QStringLiteral("LastName"));
    fkLanguageID = query.FieldAsText(QStringLiteral("fkLanguageID"));
    EmailAddress = query.FieldAsText(QStringLiteral("EmailAddress"));
    Username = query.FieldAsText(QStringLiteral("Username"));
    Password = query.FieldAsText(QStringLiteral("Password"));
    fkAttestPerson = query.FieldAsInteger(QStringLiteral("fkAttestPerson"));
    EmployeeNumber = query.FieldAsText(QStringLiteral("EmployeeNumber"));
    State = query.FieldAsInteger(QStringLiteral("State"));
    EnableEmail = query.FieldAsInteger(QStringLiteral("EnableEmail")) > 0;
    LastPasswordEmail = query.FieldAsDate(QStringLiteral("LastPasswordEmail"));
    const bool stored = Id > 0;
    IsSysAdmin = stored && HasAccess(QStringLiteral("IS_SYSADMIN"), Id);
    CanFinish = stored && HasAccess(QStringLiteral("CAN_FINISH"), Id);
}

void TPerson::AddFieldValues()
{
    const QString table = PrefixedTableName();
    TValdrona_ADOQuery& query = Query();
    query.AddValue(table, QStringLiteral("FirstName"), FirstName);
    query.AddValue(table, QStringLiteral("LastName"), LastName);
    query.AddValue(table, QStringLiteral("EmailAddress"), EmailAddress);
    query.AddValue(table, QStringLiteral("Username"), Username);
    query.AddValue(table, QStringLiteral("Password"), Password);
    query.AddValue(table, QStringLiteral("EmployeeNumber"), EmployeeNumber);
    query.AddValue(table, QStringLiteral("State"), State);
    query.AddValue(table, QStringLiteral("EnableEmail"), EnableEmail ? 1 : 0);
    query.AddValue(table, QStringLiteral("LastPasswordEmail"), DateParam(LastPasswordEmail));
    if (fkAttestPerson > 0)
        query.AddValue(table, QStringLiteral("fkAttestPerson"), fkAttestPerson);
}

QString TPerson::GetDisplayText()
{
    return FirstName + u' ' + LastName;
}

int TPerson::CheckLogin(const QString& username, const QString& password)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getPersonByUsername.sql"));
    query.SetPlaceholder(QStringLiteral("{Username}"), username);
    query.OpenTemplate();
    if (query.IsEmpty())
        return -1;
    LoadFromQuery(query);
    if (Id <= 0 || Password != password || State != 1)
        return -1;
    return Id;
}

int Login(const QString& username, const QString& password)
{
    if (LoginPerson)
        throw EError(QStringLiteral("Already a loginperson assigned!"));
    auto person = std::make_unique<TPerson>();
    const int result = person->CheckLogin(username, password);
    if (result > 0)
        LoginPerson = std::move(person);
    return result;
}

TPerson& GetLoginPerson()
{
    if (!LoginPerson)
        throw EError(QStringLiteral("No loginperson assigned!"));
    return *LoginPerson;
}

bool IsLoggedIn()
{
    return LoginPerson != nullptr;
}

void Logout()
{
    LoginPerson.reset();
}
