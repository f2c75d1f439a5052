#include "StartupUnit.h"

#include "ApplicationUnit.h"
#include "ConnectionUnit.h"
#include "DatabaseFormUnit.h"
#include "ErrorUnit.h"
#include "LoginFormUnit.h"
#include "Person_Class.h"
#include "PromptUnit.h"
#include "QueryUnit.h"
#include "SQLCacheUnit.h"
#include "SettingsUnit.h"
#include "ValdronaConstantUnit.h"

#include <memory>

namespace {

const QString VersionSetting = QStringLiteral("DB_VERSION");

bool Accepted(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

bool SelectDatabase(QWidget* parent)
{
    std::unique_ptr<TDatabaseForm> dialog;
    try {
        dialog = std::make_unique<TDatabaseForm>(parent);
    } catch (const EError& error) {
        // Without its folder the dialog has nothing to offer, and the program nothing to open.
        ShowUncaughtError(error);
        return false;
    }
    return Accepted(*dialog);
}

bool CheckDatabaseVersion()
{
    const int version = GetSettingInt(VersionSetting, -1);
    if (version == -1) {
        SetSettingInt(VersionSetting, ExpectedDatabaseVersion);
        return true;
    }
    if (version == ExpectedDatabaseVersion)
        return true;
    if (Prompt().Message(TMessageKind::Error,
                         QStringLiteral("Databasen är en annan version än vad som förväntades.\r\n"
                                        "Kontrollera din installation eller kontakta support.\r\n\r\n"
                                        "Vill du forsätta? (ej rekommenderat)"),
                         TButtons::YesNo) != TAnswer::Yes)
        return false;
    return Prompt().Message(TMessageKind::Warning,
                            QStringLiteral("PROGRAMMET ANVÄNDER NU EN VERSION AV DATABASEN SOM EVENTUELLT INTE ÄR KOMPATIBEL.\r\n"
                                           "Detta kan innebära problem som i värsta fall kan leda till datakorruption.\r\n"
                                           "Kontakta support för mer information.\r\n\r\n"
                                           "Tryck \"avsluta\" för att avsluta programmet."),
                            TButtons::OKCancel)
        == TAnswer::OK;
}

bool AutoLogin()
{
    if (CountPersons() != 1)
        return false;
    TValdrona_ADOQuery person;
    person.LoadTemplate(QStringLiteral("getFirstPerson.sql"));
    person.OpenTemplate();
    if (person.Eof())
        return false;
    return Login(person.FieldAsText(QStringLiteral("Username")), person.FieldAsText(QStringLiteral("Password"))) > 0;
}

bool LoginPerson(QWidget* parent)
{
    if (AutoLogin())
        return true;
    TLoginForm dialog(parent);
    return Accepted(dialog);
}

bool OpenDatabase(QWidget* parent)
{
    return SelectDatabase(parent) && CheckDatabaseVersion() && LoginPerson(parent);
}

void CloseDatabase()
{
    Logout();
    Disconnect();
    FreeSQLCache();
}

QString MainCaption()
{
    QString caption = QString::fromUtf8(ProductName);
    if (IsLoggedIn())
        caption += QStringLiteral(" [") + GetLoginPerson().GetDisplayText() + u']';
    return caption;
}
