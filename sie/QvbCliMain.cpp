// qvb-cli: the month-end SIE export without the windows, for scripts. It uses
// the installation's qvb.ini, database folder and templates like the program.
#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "DatabaseOpenUnit.h"
#include "ErrorUnit.h"
#include "Person_Class.h"
#include "PromptUnit.h"
#include "SIEExportProcedureUnit.h"
#include "SQLCacheUnit.h"
#include "SettingsUnit.h"
#include "ValdronaConstantUnit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

#include <cstdio>
#include <optional>

namespace {

enum TExitCode : int { ecSuccess = 0, ecFailed = 1, ecUsage = 2 };

const QString CRLF = QStringLiteral("\r\n");

const char* const UsageLine =
    "Användning: qvb-cli export-sie --database NAMN --from DATUM --to DATUM --output FIL "
    "[--user NAMN --password LÖSENORD]\n";

const char* const HelpText =
    "Kommandon:\n"
    "  export-sie   Exporterar de ej exporterade fakturorna vars bokföringsdatum ligger i\n"
    "               perioden till en SIE-fil och markerar dem som exporterade.\n"
    "               --database NAMN    databasens namn i databasmappen, som i databasvalet\n"
    "               --from DATUM       första bokföringsdatum (240101, 2024-01-01 ...; tomt = ingen gräns)\n"
    "               --to DATUM         sista bokföringsdatum (tomt = ingen gräns)\n"
    "               --output FIL       SIE-filen som skrivs\n"
    "               --user NAMN        användare, när databasen har fler än en person\n"
    "               --password LÖSENORD\n"
    "  --help       Visar den här hjälpen.\n"
    "Slutkod 0 när filen är skriven och fakturorna markerade, 1 när exporten inte gjordes,\n"
    "2 vid fel i kommandoraden.\n";

class EUsage : public EError {
public:
    using EError::EError;
};

void PrintError(const QString& text)
{
    Prompt().Message(TMessageKind::Error, text, TButtons::OK);
}

int Usage(const QString& reason)
{
    if (!reason.isEmpty())
        std::fprintf(stderr, "%s\n", reason.toLocal8Bit().constData());
    std::fputs(UsageLine, stderr);
    return ecUsage;
}

// "--name value" or "--name=value"; every option at most once.
QHash<QString, QString> ParseOptions(const QStringList& arguments)
{
    static const QStringList known = {QStringLiteral("database"), QStringLiteral("from"), QStringLiteral("to"),
                                      QStringLiteral("output"), QStringLiteral("user"), QStringLiteral("password")};
    QHash<QString, QString> options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--")))
            throw EUsage(QStringLiteral("Okänt argument: ") + argument);
        QString name = argument.mid(2);
        QString value;
        const qsizetype equals = name.indexOf(u'=');
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw EUsage(QStringLiteral("Värde saknas för --") + name);
        }
        if (!known.contains(name))
            throw EUsage(QStringLiteral("Okänd flagga: --") + name);
        if (options.contains(name))
            throw EUsage(QStringLiteral("Flaggan --") + name + QStringLiteral(" är angiven flera gånger"));
        options.insert(name, value);
    }
    for (const char* required : {"database", "from", "to", "output"}) {
        if (!options.contains(QLatin1String(required)))
            throw EUsage(QStringLiteral("Flaggan --") + QLatin1String(required) + QStringLiteral(" saknas"));
    }
    if (options.contains(QStringLiteral("user")) != options.contains(QStringLiteral("password")))
        throw EUsage(QStringLiteral("--user och --password anges tillsammans"));
    return options;
}

// A date as typed in the program; an empty text is no date (an open end of the period).
TDateTime ParseDateOption(const QString& name, const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    TDateTime date = 0;
    try {
        date = ParseDateEntry(text);
    } catch (const EConvertError&) {
    }
    if (date == 0)
        throw EUsage(QStringLiteral("Ogiltigt datum för --") + name + QStringLiteral(": ") + text);
    return date;
}

// The entry of the database folder whose display name (file name without its
// extension) is the name; an exact match first, then one without regard to case.
std::optional<TDatabaseRecord> FindDatabase(const QString& displayName)
{
    std::optional<TDatabaseRecord> caseInsensitive;
    for (const TDatabaseRecord& database : ListDatabases(GetDatabasePath())) {
        if (database.DisplayName() == displayName)
            return database;
        if (!caseInsensitive && database.DisplayName().compare(displayName, Qt::CaseInsensitive) == 0)
            caseInsensitive = database;
    }
    return caseInsensitive;
}

// As at start-up: the one person of a company logs in by itself; otherwise the
// given user name and password are checked.
bool LogIn(const QHash<QString, QString>& options)
{
    if (AutoLogin())
        return true;
    if (!options.contains(QStringLiteral("user"))) {
        PrintError(QStringLiteral("Databasen har flera användare: ange --user och --password."));
        return false;
    }
    const QString user = options.value(QStringLiteral("user"));
    if (Login(user, options.value(QStringLiteral("password"))) > 0)
        return true;
    PrintError(QStringLiteral("Inloggningen misslyckades för användaren ") + user + u'.');
    return false;
}

int ExportSIE(const QHash<QString, QString>& options)
{
    const TDateTime fromDate = ParseDateOption(QStringLiteral("from"), options.value(QStringLiteral("from")));
    const TDateTime toDate = ParseDateOption(QStringLiteral("to"), options.value(QStringLiteral("to")));
    const QString output = QFileInfo(options.value(QStringLiteral("output"))).absoluteFilePath();

    const QString name = options.value(QStringLiteral("database"));
    const std::optional<TDatabaseRecord> database = FindDatabase(name);
    if (!database) {
        PrintError(QStringLiteral("Det finns ingen databas med namnet ") + name + QStringLiteral(" i databasmappen."));
        return ecFailed;
    }
    try {
        Connect(database->Folder, database->FileName, database->DatabaseType);
    } catch (const EError& error) {
        PrintError(QStringLiteral("Följande fel uppstod när databasen skulle öppnas: ") + error.Message() + CRLF
                   + QStringLiteral("Kontrollera databasinställningar i ini-filen."));
        return ecFailed;
    }

    int result = ecFailed;
    try {
        if (CheckDatabaseVersion() && LogIn(options)) {
            TSIEExportRequest request;
            request.FromDate = fromDate;
            request.ToDate = toDate;
            request.FileName = output;
            // The period of the last export, as the export window keeps it.
            request.StoreDates = [&] {
                SetSetting(QStringLiteral("SIEEXPORTFROM"), DateToText(fromDate));
                SetSetting(QStringLiteral("SIEEXPORTTO"), DateToText(toDate));
            };
            if (RunSIEExport(request) == TSIEExportResult::Exported)
                result = ecSuccess;
        }
    } catch (const EError& error) {
        PrintError(error.Message());
    }
    Logout();
    Disconnect();
    FreeSQLCache();
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return Usage({});
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(UsageLine, stdout);
        std::fputs(HelpText, stdout);
        return ecSuccess;
    }
    if (command != QLatin1String("export-sie"))
        return Usage(QStringLiteral("Okänt kommando: ") + command);
    try {
        return ExportSIE(ParseOptions(arguments));
    } catch (const EUsage& error) {
        return Usage(error.Message());
    }
}
