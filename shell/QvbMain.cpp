// Opens the demo company through the data layer and lists its tables with
// their row counts. The main window takes this program's place.
#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "QueryUnit.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString database = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Demo");
    try {
        Connect(GetDatabasePath(), database + QStringLiteral(".db"), dtSQLite);
        TValdrona_ADOQuery tables;
        tables.OpenSQL(QStringLiteral("select name from sqlite_master where type = 'table' order by name"));
        std::printf("%s\n", qPrintable(GetDatabaseName()));
        for (; !tables.Eof(); tables.Next()) {
            const QString table = tables.FieldAsText(QStringLiteral("name"));
            TValdrona_ADOQuery count;
            const auto rows = count.OpenScalar(QStringLiteral("select count(*) from ") + table);
            std::printf("%-45s %6d\n", qPrintable(table), rows ? TValdrona_ADOQuery::VariantAsInteger(*rows) : 0);
        }
        Disconnect();
    } catch (const EError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    return 0;
}
