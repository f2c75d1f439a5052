#include "SIECompanyFixture.h"

#include "ConnectionUnit.h"
#include "QueryUnit.h"
#include "SettingsUnit.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

QString Text(const QString& value)
{
    return u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString Number(double value)
{
    return QString::number(value, 'g', 17);
}

} // namespace

TSIECompany::TSIECompany() : m_company(TTestCompany::TSource::Template)
{
    Credit = AddAccount(2890, QStringLiteral("Övriga kortfristiga skulder"));
    IncomingVat = AddAccount(2640, QStringLiteral("Ingående moms"));
    Rounding = AddAccount(3740, QStringLiteral("Öres- och kronutjämning"));
    SetSettingInt(QStringLiteral("CREDITACCOUNT"), Credit);
    SetSettingInt(QStringLiteral("INCOMINGVAT"), IncomingVat);
}

int TSIECompany::Insert(const QString& statement)
{
    QSqlQuery query(GetConnection());
    if (!query.exec(statement))
        qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return query.lastInsertId().toInt();
}

int TSIECompany::AddAccount(int number, const QString& name)
{
    return Insert(QStringLiteral("insert into expense_ChartOfAccounts (AccountNumber, AccountName, SortOrder) "
                                 "values (%1, %2, %2)").arg(number).arg(Text(name)));
}

int TSIECompany::AddInternalAccount(const QString& name)
{
    return Insert(QStringLiteral("insert into expense_InternalAccounts (InternalAccountName) values (%1)").arg(Text(name)));
}

int TSIECompany::AddCard(int cardType)
{
    return Insert(QStringLiteral("insert into expense_Cards (CardName, CardNumber, fkPersonID, fkCardTypeID) "
                                 "values ('Kort', '1234', 1, %1)").arg(cardType));
}

int TSIECompany::AddPerson(const QString& firstName, const QString& lastName, const QString& username,
                           const QString& password, int state)
{
    return Insert(QStringLiteral("insert into expense_Persons (FirstName, LastName, Username, Password, State, "
                                 "EnableEmail) values (%1, %2, %3, %4, %5, 0)")
                      .arg(Text(firstName), Text(lastName), Text(username), Text(password))
                      .arg(state));
}

int TSIECompany::AddInvoice(const QString& number, const QString& invoiceDate, const QString& dateOfPosting,
                            double total, int creditAccount, int card, int state, int person)
{
    return Insert(QStringLiteral("insert into expense_Invoices (InvoiceNumber, InvoiceDate, DateOfPosting, fkCardID, "
                                 "Comment, TotalAmount, fkPersonID, State, fkCreatedBy, DateCreated, fkCreditAccount) "
                                 "values (%1, %2, %3, %4, '', %5, %6, %7, %6, %3, %8)")
                      .arg(Text(number), Text(invoiceDate), Text(dateOfPosting),
                           card > 0 ? QString::number(card) : QStringLiteral("NULL"), Number(total))
                      .arg(person)
                      .arg(state)
                      .arg(creditAccount));
}

int TSIECompany::AddPurchase(int invoice, double amount, bool isPrivate)
{
    return Insert(QStringLiteral("insert into expense_PurchaseRegistrations (fkInvoiceID, Amount, fkPersonID, "
                                 "ExchangeRate, fkCreatedBy, Comment, Currency, ForeignAmount, VATAmount, "
                                 "PurchaseNumber, IsPrivate) values (%1, %2, 1, 1, 1, '', 'SEK', %2, 0, %3, %4)")
                      .arg(invoice)
                      .arg(Number(amount))
                      .arg(++m_purchaseNumber)
                      .arg(isPrivate ? 1 : 0));
}

int TSIECompany::AddCode(int purchase, int account, double amount, double vat, const QString& text,
                         const TObjectValues& objects)
{
    const int code = Insert(QStringLiteral("insert into expense_AccountCodes (Amount, ForeignAmount, fkAccountNumber, "
                                           "fkPurchaseRegistrationID, Type, VatAmount, ExtraText) "
                                           "values (%1, %1, %2, %3, 0, %4, %5)")
                                .arg(Number(amount))
                                .arg(account)
                                .arg(purchase)
                                .arg(Number(vat), Text(text)));
    for (const auto& [internalAccount, value] : objects)
        Insert(QStringLiteral("insert into expense_PREL (fkAccountCode_ID, fkInternalAccount_ID, Data) "
                              "values (%1, %2, %3)").arg(code).arg(internalAccount).arg(Text(value)));
    return code;
}

int TSIECompany::InvoiceState(int invoice) const
{
    TValdrona_ADOQuery query;
    const auto state = query.OpenScalar(QStringLiteral("select State from expense_Invoices where Invoice_ID = %1").arg(invoice));
    return state ? TValdrona_ADOQuery::VariantAsInteger(*state) : -1;
}

QList<int> TSIECompany::InvoiceStates() const
{
    TValdrona_ADOQuery query;
    query.OpenSQL(QStringLiteral("select State from expense_Invoices order by Invoice_ID"));
    QList<int> states;
    for (; !query.Eof(); query.Next())
        states.append(query.FieldAsInteger(QStringLiteral("State")));
    return states;
}
