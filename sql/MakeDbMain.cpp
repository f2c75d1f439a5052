// qvb-makedb OUTPUT.db SCRIPT.sql...
// Builds a fresh SQLite database from SQL scripts, run in the order given. A
// statement ends with a line whose last character is ';'; lines that begin
// with "--" are comments. Any failing statement ends the run with its file,
// line and text, and leaves no database behind, so that the build never
// installs a half-made file.

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>

namespace {

class EScriptError : public std::runtime_error {
public:
    explicit EScriptError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

void RunStatement(QSqlDatabase& db, const QString& statement, const QString& where)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw EScriptError(where + QStringLiteral(": ") + query.lastError().text() +
                           QStringLiteral("\n") + statement);
}

void RunScript(QSqlDatabase& db, const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw EScriptError(fileName + QStringLiteral(": ") + file.errorString());
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    QStringList lines;
    int lineNumber = 0;
    int firstLine = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))
            continue;
        if (lines.isEmpty())
            firstLine = lineNumber;
        lines.append(line);
        if (trimmed.endsWith(u';')) {
            QString statement = lines.join(u'\n').trimmed();
            statement.chop(1);
            RunStatement(db, statement, fileName + u':' + QString::number(firstLine));
            lines.clear();
        }
    }
    if (!lines.isEmpty())
        RunStatement(db, lines.join(u'\n'), fileName + u':' + QString::number(firstLine));
}

// Runs every script into a new database file; raises on the first failure.
void MakeDatabase(const QString& fileName, const QStringList& scripts)
{
    const QString connectionName = QStringLiteral("qvb-makedb");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(fileName);
        if (!db.open())
            throw EScriptError(fileName + QStringLiteral(": ") + db.lastError().text());
        // One transaction: the scripts insert row by row, and each commit of its
        // own would wait for the disk.
        db.transaction();
        for (const QString& script : scripts)
            RunScript(db, script);
        if (!db.commit())
            throw EScriptError(fileName + QStringLiteral(": ") + db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (arguments.size() < 2) {
        std::fputs("usage: qvb-makedb OUTPUT.db SCRIPT.sql...\n", stderr);
        return 2;
    }
    const QString target = arguments.takeFirst();
    const QString building = target + QStringLiteral(".part");
    QFile::remove(building);
    try {
        MakeDatabase(building, arguments);
    } catch (const EScriptError& error) {
        QFile::remove(building);
        std::fprintf(stderr, "qvb-makedb: %s\n", error.what());
        return 1;
    }
    QFile::remove(target);
    if (!QFile::rename(building, target)) {
        std::fprintf(stderr, "qvb-makedb: cannot replace %s\n", qPrintable(target));
        QFile::remove(building);
        return 1;
    }
    return 0;
}
