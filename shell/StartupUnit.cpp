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
