#include "ConnectionUnit.h"

#include "ConfigFileUnit.h"
#include "ErrorUnit.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString ConnectionName = QStringLiteral("qvb");

struct TConnectionState {
    bool Exists = false;
    quint8 DatabaseType = dtMSSQL;
    QString DatabaseName;
};

TConnectionState& State()
{
    static TConnectionState state;
    return state;
}

QString WithSeparator(const QString& folder)
{
    return folder.endsWith(PathSeparator) ? folder : folder + PathSeparator;
}

// FreeTDS is registered by Debian's tdsodbc package under this name; the library
// path is the fall-back for a machine whose odbcinst.ini lacks the entry.
QString FreeTdsDriver()
{
    const QString library = QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so");
    return QFileInfo::exists(library) ? library : QStringLiteral("{FreeTDS}");
}

QString OdbcValue(const QString& value)
{
    // Braces keep ';' and '=' inside a value from ending it.
    QString escaped = value;
    escaped.replace(u'}', QLatin1String("}}"));
    return u'{' + escaped + u'}';
}

void ConfigureMSSQL(QSqlDatabase& db, const QString& descriptionFile)
{
    const QString section = QStringLiteral("MSSQL");
    const QString password = ReadIniString(descriptionFile, section, QStringLiteral("PASSWORD"));
    const QString userId = ReadIniString(descriptionFile, section, QStringLiteral("USERID"));
    const QString database = ReadIniString(descriptionFile, section, QStringLiteral("DATABASE"));
    const QString server = ReadIniString(descriptionFile, section, QStringLiteral("DBSERVER"));
    if (password.isEmpty())
        throw EError(QStringLiteral("No DB PASSWORD specified."));
    if (userId.isEmpty())
        throw EError(QStringLiteral("No DB USERID specified."));
    if (database.isEmpty())
        throw EError(QStringLiteral("No DATABASE specified."));
    if (server.isEmpty())
        throw EError(QStringLiteral("No DBSERVER specified."));

    // "host,port" is the SQL Server way of naming a port; FreeTDS wants it apart.
    QString host = server;
    QString port = QStringLiteral("1433");
    if (const qsizetype comma = server.indexOf(u','); comma >= 0) {
        host = server.left(comma).trimmed();
        port = server.mid(comma + 1).trimmed();
    }
    db.setDatabaseName(QStringLiteral("DRIVER=%1;SERVER=%2;PORT=%3;DATABASE=%4;UID=%5;PWD=%6;TDS_Version=7.3;ClientCharset=UTF-8")
                           .arg(FreeTdsDriver(), OdbcValue(host), port, OdbcValue(database),
                                OdbcValue(userId), OdbcValue(password)));
    // An unreachable server must fail within seconds instead of hanging start-up.
    db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=5;SQL_ATTR_CONNECTION_TIMEOUT=5"));
}

void ConfigureSQLite(QSqlDatabase& db, const QString& path)
{
    // The driver would create a missing file; a missing company is an error.
    if (!QFileInfo(path).isFile())
        throw EError(QStringLiteral("Database file: ") + path + QStringLiteral(" does not exist!"));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
}

// The driver opens any file; the first read tells whether it is a database.
void CheckSQLiteFile(QSqlDatabase& db, const QString& path)
{
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")))
        throw EError(QStringLiteral("Database file: ") + path + QStringLiteral(" is not a database: ")
                     + probe.lastError().text());
}

} // namespace

void Connect(const QString& folder, const QString& fileName, quint8 databaseType)
{
    TConnectionState& state = State();
    if (state.Exists)
        throw EError(QStringLiteral("Already a DB connected!"));

    const QString path = WithSeparator(folder) + fileName;
    state.DatabaseType = databaseType;
    state.DatabaseName = folder + fileName;
    try {
        {
            QSqlDatabase db;
            if (databaseType == dtMSSQL) {
                db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), ConnectionName);
                ConfigureMSSQL(db, path);
            } else if (databaseType == dtSQLite) {
                db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
                ConfigureSQLite(db, path);
            } else {
                throw EError(QStringLiteral("Unknown DatabaseType"));
            }
            if (!db.open())
                throw EError(db.lastError().text());
            if (databaseType == dtSQLite)
                CheckSQLiteFile(db, path);
        }
        state.Exists = true;
    } catch (...) {
        if (QSqlDatabase::contains(ConnectionName)) {
            QSqlDatabase::database(ConnectionName, false).close();
            QSqlDatabase::removeDatabase(ConnectionName);
        }
        throw;
    }
}

QSqlDatabase GetConnection()
{
    if (!State().Exists)
        throw EError(QStringLiteral("No DB connected!"));
    QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
    if (!db.isOpen() && !db.open())
        throw EError(db.lastError().text());
    return db;
}

bool IsConnected()
{
    return State().Exists;
}

void Disconnect()
{
    TConnectionState& state = State();
    if (!state.Exists)
        return;
    state.Exists = false;
    QSqlDatabase::database(ConnectionName, false).close();
    QSqlDatabase::removeDatabase(ConnectionName);
}

quint8 GetDatabaseType()
{
    return State().DatabaseType;
}

QString GetDatabaseName()
{
    return State().DatabaseName;
}

TTransaction::TTransaction()
{
    QSqlDatabase db = GetConnection();
    if (!db.transaction())
        throw EError(QStringLiteral("Could not begin a transaction: ") + db.lastError().text());
    m_open = true;
}

TTransaction::~TTransaction()
{
    if (m_open && IsConnected())
        GetConnection().rollback();
}

void TTransaction::Commit()
{
    QSqlDatabase db = GetConnection();
    if (!db.commit())
        throw EError(QStringLiteral("Could not commit: ") + db.lastError().text());
    m_open = false;
}
