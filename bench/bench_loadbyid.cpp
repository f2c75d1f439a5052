// Loading by key must stay a single indexed SELECT: no template read, no reconnect.
// Usage: bench_loadbyid <installation folder> [calls]
#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "SQLCacheUnit.h"
#include "Valdrona_Class.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class TPersonRow : public TValdrona {
public:
    TPersonRow() : TValdrona(QStringLiteral("Persons"), QStringLiteral("Person_ID")) {}
    QString Username;
    bool CanDelete() override { return false; }
    void LoadFromQuery(TValdrona_ADOQuery& query) override
    {
        TValdrona::LoadFromQuery(query);
        Username = query.FieldAsText(QStringLiteral("Username"));
    }
    void AddFieldValues() override {}
    QString GetDisplayText() override { return Username; }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_loadbyid <installation folder> [calls]\n");
        return 2;
    }
    const QString dist = QString::fromLocal8Bit(argv[1]);
    const int calls = argc > 2 ? std::atoi(argv[2]) : 10000;
    QTemporaryDir dir;
    QFile::copy(dist + QStringLiteral("/DB/Demo.db"), dir.filePath(QStringLiteral("Demo.db")));
    SetProgramPath(dir.path() + u'/');
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("SQLFILEPATH"), dist + QStringLiteral("/sql"));
    try {
        Connect(dir.path(), QStringLiteral("Demo.db"), dtSQLite);
        const int person = [] {
            QSqlQuery first(GetConnection());
            first.exec(QStringLiteral("select min(Person_ID) from expense_Persons"));
            return first.next() ? first.value(0).toInt() : 1;
        }();

        const int readsBefore = SQLFileReadCount();
        QElapsedTimer timer;
        timer.start();
        {
            TPersonRow row;
            for (int i = 0; i < calls; ++i)
                row.LoadById(person);
        }
        const double entityMs = timer.nsecsElapsed() / 1e6;

        // The lower bound: the same SELECT through the driver alone.
        timer.restart();
        for (int i = 0; i < calls; ++i) {
            QSqlQuery raw(GetConnection());
            raw.exec(QStringLiteral("select * from expense_Persons where Person_ID = %1").arg(person));
            raw.next();
        }
        const double rawMs = timer.nsecsElapsed() / 1e6;

        std::printf("LoadById x %d: %.1f ms (%.2f us per call)\n", calls, entityMs, entityMs * 1000 / calls);
        std::printf("raw SELECT x %d: %.1f ms (%.2f us per call)\n", calls, rawMs, rawMs * 1000 / calls);
        std::printf("ratio LoadById / raw: %.2f\n", entityMs / rawMs);
        std::printf("template files read during the loop: %d\n", SQLFileReadCount() - readsBefore);
        Disconnect();
    } catch (const EError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
