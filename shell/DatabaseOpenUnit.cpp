#include "DatabaseOpenUnit.h"

#include "ConnectionUnit.h"
#include "Person_Class.h"
#include "PromptUnit.h"
#include "QueryUnit.h"
#include "SettingsUnit.h"
#include "ValdronaConstantUnit.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString VersionSetting = QStringLiteral("DB_VERSION");
}

QString TDatabaseRecord::DisplayName() const
{
    return FileName.left(FileName.lastIndexOf(u'.'));
}

QList<TDatabaseRecord> ListDatabases(const QString& folder)
{
    QList<TDatabaseRecord> databases;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.endsWith(QLatin1String(".db"), Qt::CaseSensitive))
            databases.append({folder, name, dtSQLite});
        else if (name.endsWith(QLatin1String(".ini"), Qt::CaseSensitive))
            databases.append({folder, name, dtMSSQL});
    }
    return databases;
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
