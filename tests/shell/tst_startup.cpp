// The start-up sequence: version check, automatic login or the login dialog,
// the caption, change of database and closing the database.
#include "StartupUnit.h"

#include "ConnectionUnit.h"
#include "DatabaseFormUnit.h"
#include "Installation.h"
#include "LoginFormUnit.h"
#include "MainFormUnit.h"
#include "ModalDriver.h"
#include "Person_Class.h"
#include "QueryUnit.h"
#include "SQLCacheUnit.h"
#include "ScriptedPrompt.h"
#include "SettingsUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(TAnswer)

namespace {

const QString VersionQuestion = QStringLiteral("Databasen är en annan version än vad som förväntades.\r\n"
                                               "Kontrollera din installation eller kontakta support.\r\n\r\n"
                                               "Vill du forsätta? (ej rekommenderat)");
const QString VersionWarning = QStringLiteral(
    "PROGRAMMET ANVÄNDER NU EN VERSION AV DATABASEN SOM EVENTUELLT INTE ÄR KOMPATIBEL.\r\n"
    "Detta kan innebära problem som i värsta fall kan leda till datakorruption.\r\n"
    "Kontakta support för mer information.\r\n\r\n"
    "Tryck \"avsluta\" för att avsluta programmet.");

void Exec(const QString& sql)
{
    TValdrona_ADOQuery query;
    query.ExecText(sql);
}

void AddPerson(int id, const QString& username, const QString& password, int state)
{
    Exec(QStringLiteral("INSERT INTO expense_Persons (Person_ID, FirstName, LastName, Username, Password, State) "
                        "VALUES (%1, 'Per', 'Ek', '%2', '%3', %4)").arg(id).arg(username, password).arg(state));
}

// Connects the installation's company DB/<name>.db as the dialog would.
void ConnectCompany(const TInstallation& installation, const QString& name)
{
    Connect(installation.Path(QStringLiteral("DB/")), name + QStringLiteral(".db"), dtSQLite);
}

// Shows the main window and runs its start-up, pressing "Anslut" in the database dialog.
void StartUpConnected(TMainForm& form)
{
    form.show();
    OnModal<TDatabaseForm>([](TDatabaseForm& dialog) { QTest::mouseClick(dialog.Open, Qt::LeftButton); });
    form.StartUp();
}

} // namespace

class TstStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        Logout();
        Disconnect();
        FreeSQLCache();
    }
    void databaseVersion_data();
    void databaseVersion();
    void loginDialogOnlyWhenNeeded_data();
    void loginDialogOnlyWhenNeeded();
    void loginDialogFillsFromTheConfiguration();
    void failedLogin_data();
    void failedLogin();
    void successfulLoginWritesLastUser();
    void startUpOpensTheDemoCompany();
    void refusedStepEndsTheProgram_data();
    void refusedStepEndsTheProgram();
    void changeOfDatabaseDropsTheTemplateCache();
    void changeOfDatabaseRefusedKeepsEverything();
    void closingTheMainWindowClosesTheDatabase();
};

void TstStartup::databaseVersion_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QList<TAnswer>>("answers");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("missing is stamped") << QString() << QList<TAnswer>{} << true << QStringList{} << "18";
    QTest::newRow("18") << "18" << QList<TAnswer>{} << true << QStringList{} << "18";
    QTest::newRow("17, No") << "17" << QList<TAnswer>{TAnswer::No} << false << QStringList{VersionQuestion} << "17";
    QTest::newRow("17, Yes then Cancel") << "17" << QList<TAnswer>{TAnswer::Yes, TAnswer::Cancel} << false
                                         << QStringList{VersionQuestion, VersionWarning} << "17";
    QTest::newRow("17, Yes then OK") << "17" << QList<TAnswer>{TAnswer::Yes, TAnswer::OK} << true
                                     << QStringList{VersionQuestion, VersionWarning} << "17";
}

void TstStartup::databaseVersion()
{
    QFETCH(QString, stored);
    QFETCH(QList<TAnswer>, answers);
    QFETCH(bool, goesOn);
    QFETCH(QStringList, asked);
    QFETCH(QString, storedAfter);
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Bolag.db"));
    ConnectCompany(installation, QStringLiteral("Bolag"));
    if (stored.isEmpty())
        Exec(QStringLiteral("DELETE FROM expense_Settings WHERE SettingName = 'DB_VERSION'"));
    else
        SetSetting(QStringLiteral("DB_VERSION"), stored);
    TScriptedPrompt prompt;
    for (TAnswer answer : answers)
        prompt.Answer(answer);
    QCOMPARE(CheckDatabaseVersion(), goesOn);
    QCOMPARE(prompt.Texts(), asked);
    if (asked.size() == 2) {
        QCOMPARE(prompt.Asked().at(0).Kind, TMessageKind::Error);
        QCOMPARE(prompt.Asked().at(0).Buttons, TButtons::YesNo);
        QCOMPARE(prompt.Asked().at(1).Kind, TMessageKind::Warning);
        QCOMPARE(prompt.Asked().at(1).Buttons, TButtons::OKCancel);
    }
    QCOMPARE(GetSetting(QStringLiteral("DB_VERSION"), QString()), storedAfter);
}

void TstStartup::loginDialogOnlyWhenNeeded_data()
{
    QTest::addColumn<int>("firstState");
    QTest::addColumn<bool>("secondPerson");
    QTest::addColumn<bool>("dialog");
    QTest::newRow("one person, state 1") << 1 << false << false;
    QTest::newRow("one person, state 0") << 0 << false << true;
    QTest::newRow("two persons, empty passwords") << 1 << true << true;
}

void TstStartup::loginDialogOnlyWhenNeeded()
{
    QFETCH(int, firstState);
    QFETCH(bool, secondPerson);
    QFETCH(bool, dialog);
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Bolag.db"));
    ConnectCompany(installation, QStringLiteral("Bolag"));
    Exec(QStringLiteral("UPDATE expense_Persons SET State = %1, Password = ''").arg(firstState));
    if (secondPerson)
        AddPerson(2, QStringLiteral("per"), QString(), 1);
    bool shown = false;
    if (dialog)
        OnModal<TLoginForm>([&shown](TLoginForm& form) {
            shown = true;
            QTest::mouseClick(form.ExitButton, Qt::LeftButton);
        });
    QCOMPARE(LoginPerson(nullptr), !dialog);
    QCOMPARE(shown, dialog);
    QCOMPARE(IsLoggedIn(), !dialog);
}

void TstStartup::loginDialogFillsFromTheConfiguration()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Bolag.db"));
    ConnectCompany(installation, QStringLiteral("Bolag"));
    AddPerson(2, QStringLiteral("per"), QStringLiteral("hemligt"), 1);
    AddPerson(3, QStringLiteral("vilande"), QStringLiteral("x"), 0);
    installation.Write(QStringLiteral("LASTUSER"), QStringLiteral("PER"), QStringLiteral("LOGIN"));
    installation.Write(QStringLiteral("PASSWORD"), QStringLiteral("hemligt"), QStringLiteral("LOGIN"));
    TLoginForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Login"));
    QCOMPARE(form.UserComboBox->count(), 2);
    QCOMPARE(form.UserComboBox->currentText(), QStringLiteral("per"));
    QCOMPARE(form.PasswordEdit->text(), QStringLiteral("hemligt"));
    QCOMPARE(form.PasswordEdit->echoMode(), QLineEdit::Password);
    QCOMPARE(QApplication::focusWidget(), form.PasswordEdit);
    // The stored password is not used until "Logga in" is pressed.
    QVERIFY(!IsLoggedIn());
    QList<QWidget*> order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget());
    }
    QCOMPARE(order, (QList<QWidget*>{form.UserComboBox, form.LoginButton, form.ExitButton}));
}

void TstStartup::failedLogin_data()
{
    QTest::addColumn<QString>("lastUser");
    QTest::addColumn<QString>("typed");
    QTest::newRow("wrong password") << "admin" << "fel";
    QTest::newRow("differs only in case") << "admin" << "Admin";
    QTest::newRow("trailing blank") << "admin" << "admin ";
    QTest::newRow("last user no longer exists") << "borta" << "admin";
}

void TstStartup::failedLogin()
{
    QFETCH(QString, lastUser);
    QFETCH(QString, typed);
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Bolag.db"));
    ConnectCompany(installation, QStringLiteral("Bolag"));
    installation.Write(QStringLiteral("LASTUSER"), lastUser, QStringLiteral("LOGIN"));
    TScriptedPrompt prompt;
    TLoginForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (lastUser == QStringLiteral("borta"))
        QCOMPARE(form.UserComboBox->currentIndex(), -1);
    QTest::keyClicks(form.PasswordEdit, typed);
    QTest::keyClick(form.PasswordEdit, Qt::Key_Return);
    QCOMPARE(prompt.Beeps(), 1);
    QCOMPARE(prompt.Asked().size(), 0);
    QCOMPARE(form.PasswordEdit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), form.PasswordEdit);
    QVERIFY(form.isVisible());
    QVERIFY(!IsLoggedIn());
    QCOMPARE(installation.Read(QStringLiteral("LASTUSER"), QStringLiteral("LOGIN")), lastUser);
    // Another try is allowed.
    form.UserComboBox->setCurrentIndex(0);
    QTest::keyClicks(form.PasswordEdit, QStringLiteral("admin"));
    QTest::keyClick(form.PasswordEdit, Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void TstStartup::successfulLoginWritesLastUser()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Bolag.db"));
    ConnectCompany(installation, QStringLiteral("Bolag"));
    AddPerson(2, QStringLiteral("per"), QStringLiteral("Hemligt 1"), 1);
    TLoginForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.UserComboBox->setCurrentIndex(form.UserComboBox->findText(QStringLiteral("per")));
    QTest::keyClicks(form.PasswordEdit, QStringLiteral("Hemligt 1"));
    QTest::mouseClick(form.LoginButton, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(GetLoginPerson().Id, 2);
    QCOMPARE(installation.Read(QStringLiteral("LASTUSER"), QStringLiteral("LOGIN")), QStringLiteral("per"));
}

void TstStartup::startUpOpensTheDemoCompany()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    installation.AddCompany(QStringLiteral("DB/Annat.db"));
    installation.Write(QStringLiteral("LASTUSEDDB"), QStringLiteral("Demo"));
    TMainForm form;
    form.show();
    QString preselected;
    OnModal<TDatabaseForm>([&preselected](TDatabaseForm& dialog) {
        preselected = dialog.cbDatabase->currentText();
        QTest::keyClick(dialog.cbDatabase, Qt::Key_Return);
    });
    form.StartUp();
    QCOMPARE(preselected, QStringLiteral("Demo"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Valdrona konteringsprogram [Anna Svensson]"));
    QVERIFY(form.isVisible());
    QCOMPARE(GetDatabaseName(), installation.Path(QStringLiteral("DB/Demo.db")));
}

void TstStartup::refusedStepEndsTheProgram_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("database dialog") << "database";
    QTest::newRow("version") << "version";
    QTest::newRow("login") << "login";
}

void TstStartup::refusedStepEndsTheProgram()
{
    QFETCH(QString, refused);
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    if (refused == QStringLiteral("version")) {
        ConnectCompany(installation, QStringLiteral("Demo"));
        SetSetting(QStringLiteral("DB_VERSION"), QStringLiteral("17"));
        Disconnect();
    }
    if (refused == QStringLiteral("login")) {
        ConnectCompany(installation, QStringLiteral("Demo"));
        AddPerson(2, QStringLiteral("per"), QString(), 1);
        Disconnect();
    }
    TScriptedPrompt prompt;
    prompt.Answer(TAnswer::No);
    TMainForm form;
    form.show();
    OnModal<TDatabaseForm>([refused](TDatabaseForm& dialog) {
        QTest::mouseClick(refused == QStringLiteral("database") ? dialog.Exit : dialog.Open, Qt::LeftButton);
    });
    OnModal<TLoginForm>([](TLoginForm& dialog) { QTest::mouseClick(dialog.ExitButton, Qt::LeftButton); });
    form.StartUp();
    QVERIFY(!form.isVisible());
    QVERIFY(!IsLoggedIn());
    QCOMPARE(form.windowTitle(), QStringLiteral("Valdrona konteringsprogram"));
}

void TstStartup::changeOfDatabaseDropsTheTemplateCache()
{
    const TInstallation installation;
    // A template folder of the test's own, so that a template can change between the two databases.
    QDir().mkpath(installation.Path(QStringLiteral("sql/SQLite")));
    for (const QFileInfo& file : QDir(qEnvironmentVariable("QVB_DIST_DIR") + QStringLiteral("/sql/SQLite")).entryInfoList(QDir::Files))
        QFile::copy(file.filePath(), installation.Path(QStringLiteral("sql/SQLite/") + file.fileName()));
    installation.Write(QStringLiteral("SQLFILEPATH"), QStringLiteral("{ProgramPath}/sql"));
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    installation.AddCompany(QStringLiteral("DB/Nytt.db"), QStringLiteral("Template/qvb.db"));
    installation.Write(QStringLiteral("LASTUSEDDB"), QStringLiteral("Demo"));

    TMainForm form;
    StartUpConnected(form);
    QCOMPARE(form.windowTitle(), QStringLiteral("Valdrona konteringsprogram [Anna Svensson]"));
    const QStringList before = GetSQL(QStringLiteral("getFirstPerson.sql"));

    QFile changed(installation.Path(QStringLiteral("sql/SQLite/getFirstPerson.sql")));
    QVERIFY(changed.open(QIODevice::WriteOnly | QIODevice::Append));
    changed.write("\n-- edited\n");
    changed.close();
    // One child window: the change asks nothing.
    form.OpenChildWindow(QStringLiteral("InvoiceRegForm"), [] { return new QWidget; });
    TScriptedPrompt prompt;
    OnModal<TDatabaseForm>([](TDatabaseForm& dialog) {
        dialog.cbDatabase->setCurrentIndex(dialog.cbDatabase->findText(QStringLiteral("Nytt")));
        QTest::mouseClick(dialog.Open, Qt::LeftButton);
    });
    form.MenuEntry(QStringLiteral("Bytdatabas1"))->trigger();
    QCOMPARE(prompt.Asked().size(), 0);
    QCOMPARE(form.ChildWindows().ChildCount(), 0);
    QCOMPARE(GetDatabaseName(), installation.Path(QStringLiteral("DB/Nytt.db")));
    QCOMPARE(form.windowTitle(), QStringLiteral("Valdrona konteringsprogram [Ekonomi Admin]"));
    QCOMPARE(GetSQL(QStringLiteral("getFirstPerson.sql")).size(), before.size() + 2);
    QCOMPARE(installation.Read(QStringLiteral("LASTUSEDDB")), QStringLiteral("Nytt"));
}

void TstStartup::changeOfDatabaseRefusedKeepsEverything()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    TMainForm form;
    StartUpConnected(form);
    form.OpenChildWindow(QStringLiteral("InvoiceRegForm"), [] { return new QWidget; });
    form.OpenChildWindow(QStringLiteral("SettingsForm"), [] { return new QWidget; });
    TScriptedPrompt prompt;
    prompt.Answer(TAnswer::No);
    form.ChangeDatabase();
    QCOMPARE(prompt.Asked().size(), 1);
    QCOMPARE(form.ChildWindows().ChildCount(), 2);
    QVERIFY(IsConnected());
    QVERIFY(IsLoggedIn());
}

void TstStartup::closingTheMainWindowClosesTheDatabase()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    {
        TMainForm form;
        StartUpConnected(form);
        QVERIFY(IsLoggedIn());
        GetSQL(QStringLiteral("getUsers.sql"));
        form.MenuEntry(QStringLiteral("Avsluta1"))->trigger();
        QVERIFY(!form.isVisible());
    }
    QVERIFY(!IsLoggedIn());
    QVERIFY(!IsConnected());
    const int reads = SQLFileReadCount();
    ConnectCompany(installation, QStringLiteral("Demo"));
    GetSQL(QStringLiteral("getUsers.sql"));
    QCOMPARE(SQLFileReadCount(), reads + 1);
}

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
