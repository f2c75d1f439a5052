// Persons: what is stored, when a person is in use, the password check and the
// one logged-in person.
#include "ErrorUnit.h"
#include "ModelFixture.h"
#include "Person_Class.h"
#include "TestCompany.h"

#include <QTest>

class TestPerson : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void saveAndLoad();
    void checkLogin_data();
    void checkLogin();
    void loginHoldsOnlyPassedPerson();
    void canDelete_data();
    void canDelete();
};

void TestPerson::cleanup()
{
    Logout();
}

void TestPerson::saveAndLoad()
{
    TTestCompany company(TTestCompany::TSource::Template);
    TPerson person;
    person.FirstName = QStringLiteral("Åsa");
    person.LastName = QStringLiteral("O'Brien");
    person.Username = QStringLiteral("asa");
    person.Password = QStringLiteral("Hemligt ");
    person.State = 1;
    person.EnableEmail = true;
    person.LastPasswordEmail = EncodeDate(2012, 2, 9);
    QCOMPARE(person.Save(), 2);
    QVERIFY(Scalar(QStringLiteral("select fkAttestPerson from expense_Persons where Person_ID = 2")).isNull());

    TPerson loaded;
    QCOMPARE(loaded.LoadById(2), 2);
    QCOMPARE(loaded.GetDisplayText(), QStringLiteral("Åsa O'Brien"));
    QCOMPARE(loaded.Password, QStringLiteral("Hemligt "));
    QCOMPARE(loaded.EnableEmail, true);
    QCOMPARE(DateToText(loaded.LastPasswordEmail), QStringLiteral("2012-02-09"));
    QCOMPARE(loaded.IsSysAdmin, false);

    Exec(QStringLiteral("insert into expense_Access (PersonID, AccessName) values (1, 'IS_SYSADMIN')"));
    TPerson admin;
    admin.LoadById(1);
    QCOMPARE(admin.IsSysAdmin, true);
    QCOMPARE(admin.CanFinish, false);
}

void TestPerson::checkLogin_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("result");
    const QString twin = QStringLiteral(
        "insert into expense_Persons (Person_ID, Username, Password, State) values (2, 'admin', 'other', 1)");
    QTest::newRow("right") << QString() << "admin" << "admin" << 1;
    QTest::newRow("case differs") << QString() << "admin" << "Admin" << -1;
    QTest::newRow("blank not trimmed") << QString() << "admin" << "admin " << -1;
    QTest::newRow("unknown user") << QString() << "nobody" << "admin" << -1;
    QTest::newRow("state 0") << QStringLiteral("update expense_Persons set State = 0") << "admin" << "admin" << -1;
    QTest::newRow("twin: first row") << twin << "admin" << "admin" << 1;
    QTest::newRow("twin: second not compared") << twin << "admin" << "other" << -1;
}

void TestPerson::checkLogin()
{
    QFETCH(QString, setup);
    QFETCH(QString, username);
    QFETCH(QString, password);
    QFETCH(int, result);
    TTestCompany company(TTestCompany::TSource::Template);
    if (!setup.isEmpty())
        Exec(setup);
    TPerson person;
    QCOMPARE(person.CheckLogin(username, password), result);
}

void TestPerson::loginHoldsOnlyPassedPerson()
{
    TTestCompany company(TTestCompany::TSource::Demo);
    QCOMPARE(Login(QStringLiteral("admin"), QStringLiteral("wrong")), -1);
    QCOMPARE(IsLoggedIn(), false);
    try {
        GetLoginPerson();
        QFAIL("nobody is logged in");
    } catch (const EError& error) {
        QCOMPARE(error.Message(), QStringLiteral("No loginperson assigned!"));
    }
    QCOMPARE(Login(QStringLiteral("admin"), QStringLiteral("admin")), 1);
    QCOMPARE(GetLoginPerson().GetDisplayText(), QStringLiteral("Anna Svensson"));
    try {
        Login(QStringLiteral("admin"), QStringLiteral("admin"));
        QFAIL("a second login must be refused");
    } catch (const EError& error) {
        QCOMPARE(error.Message(), QStringLiteral("Already a loginperson assigned!"));
    }
    Logout();
    QCOMPARE(IsLoggedIn(), false);
}

void TestPerson::canDelete_data()
{
    QTest::addColumn<QString>("reference");   // a row that points at person 2
    QTest::newRow("none") << QString();
    QTest::newRow("access") << "insert into expense_Access (PersonID, AccessName) values (2, 'CAN_FINISH')";
    QTest::newRow("card") << "insert into expense_Cards (Card_ID, fkPersonID) values (9, 2)";
    QTest::newRow("invoice attester") << "insert into expense_Invoices (Invoice_ID, fkPersonID, fkAttestPerson) values (9, 1, 2)";
    QTest::newRow("invoice creator") << "insert into expense_Invoices (Invoice_ID, fkPersonID, fkCreatedBy) values (9, 1, 2)";
    QTest::newRow("purchase creator") << "insert into expense_PurchaseRegistrations (PurchaseRegistration_ID, fkPersonID, fkCreatedBy) values (9, 1, 2)";
    QTest::newRow("person setting") << "insert into expense_PersonSettings (fkPersonID) values (2)";
    QTest::newRow("internal account") << "insert into expense_PersonInternalAccountRelation (fkPersonID) values (2)";
}

void TestPerson::canDelete()
{
    QFETCH(QString, reference);
    TTestCompany company(TTestCompany::TSource::Template);
    TPerson person;
    person.Username = QStringLiteral("bertil");
    QCOMPARE(person.Save(), 2);
    if (!reference.isEmpty())
        Exec(reference);
    const bool free = reference.isEmpty();
    QCOMPARE(person.CanDelete(), free);
    QCOMPARE(person.Delete(), free ? 1 : -1);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_Persons where Person_ID = 2")), free ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestPerson)
#include "tst_person.moc"
