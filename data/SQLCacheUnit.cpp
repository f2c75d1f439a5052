#include "SQLCacheUnit.h"

#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <deque>
#include <memory>

namespace {

struct TSQLFunction {
    QString Name;
    QStringList Lines;
};

// Templates in the order they were first requested; a few dozen at most, so a
// linear search serves. A deque keeps the lines handed out valid while it grows.
using TSQLCache = std::deque<TSQLFunction>;

std::unique_ptr<TSQLCache>& Cache()
{
    static std::unique_ptr<TSQLCache> cache;
    return cache;
}

int& ReadCount()
{
    static int count = 0;
    return count;
}

QStringList ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw EError(QStringLiteral("File: ") + path + QStringLiteral(" could not be read: ") + file.errorString());
    ++ReadCount();
    QStringList lines;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd())
        lines.append(in.readLine());
    return lines;
}

} // namespace

QString GetSQLPath()
{
    const QString base = GetSQLFilePath();
    switch (GetDatabaseType()) {
    case dtMSSQL: return base + QStringLiteral("MSSQL") + PathSeparator;
    case dtSQLite: return base + QStringLiteral("SQLite") + PathSeparator;
    default: throw EError(QStringLiteral("Unknown DatabaseType"));
    }
}

const QStringList& GetSQL(const QString& name)
{
    auto& cache = Cache();
    if (!cache)
        cache = std::make_unique<TSQLCache>();
    for (const TSQLFunction& function : *cache) {
        if (function.Name == name)
            return function.Lines;
    }
    const QString folder = GetSQLPath();
    const QString path = folder + name;
    if (!QFileInfo(path).isFile())
        throw EError(QStringLiteral("File: ") + path + QStringLiteral(" does not exist!"));
    cache->push_back({name, ReadLines(path)});
    return cache->back().Lines;
}

void FreeSQLCache()
{
    Cache().reset();
}

int SQLFileReadCount()
{
    return ReadCount();
}
