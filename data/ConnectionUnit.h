#pragma once

#include <QSqlDatabase>
#include <QString>

// The one process-wide database connection.
enum TDatabaseType : quint8 { dtMSSQL = 0, dtSQLite = 1 };

// Opens the connection to folder + fileName: an SQLite file, or the SQL Server
// catalogue that the server description file names. Raises on every failure
// and then leaves no connection behind.
void Connect(const QString& folder, const QString& fileName, quint8 databaseType);
// The open connection; raises "No DB connected!" when there is none.
QSqlDatabase GetConnection();
bool IsConnected();
void Disconnect();
quint8 GetDatabaseType();
QString GetDatabaseName();

// A transaction on the connection that rolls back unless committed.
class TTransaction {
public:
    TTransaction();
    ~TTransaction();
    void Commit();
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;

private:
    bool m_open = false;
};
