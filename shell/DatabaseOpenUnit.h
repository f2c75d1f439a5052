#pragma once

#include <QList>
#include <QString>

// Opening a company without windows: the databases of a folder, the structure
// version check and the automatic login. The program and qvb-cli share them.

// One database of the database folder.
struct TDatabaseRecord {
    QString Folder;      // with a trailing separator
    QString FileName;    // with its extension
    quint8 DatabaseType; // dtSQLite for ".db", dtMSSQL for ".ini"

    QString DisplayName() const;
};

// The databases of a folder: ".db" files as SQLite, ".ini" files as SQL Server
// descriptions; the extensions are compared case-sensitively.
QList<TDatabaseRecord> ListDatabases(const QString& folder);

// Stamps a database without DB_VERSION with the expected version; another
// version is used only when the user insists twice.
bool CheckDatabaseVersion();
// Logs the only person of the company in without asking; false when the
// company has not exactly one person or that person may not log in.
bool AutoLogin();
