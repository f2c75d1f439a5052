#pragma once

#include <QString>
#include <QStringList>

// The store of SELECT templates: one file per statement in the folder of the
// connected database type, each read once per connection.

// SQLFILEPATH + "MSSQL/" or "SQLite/" after the connected type.
QString GetSQLPath();
// The template's lines; reads the file on first request of that exact name.
const QStringList& GetSQL(const QString& name);
// Forgets every template, so the next requests read the folder of the next database.
void FreeSQLCache();
// How many template files were read since start (for tests and benchmarks).
int SQLFileReadCount();
