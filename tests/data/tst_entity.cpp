// The entity base: load by key, insert with a new key, update, delete, and
// keys that stay unique when two programs save at the same moment.
#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "QueryUnit.h"
#include "SQLCacheUnit.h"
#include "TestCompany.h"
#include "Valdrona_Class.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTest>

namespace {

// A minimal entity of a table of its own, so the base is tested apart from the model.
class TThing : public TValdrona {
public:
    TThing() : TValdrona(QStringLiteral("Things"), QStringLiteral("Thing_ID")) {}
    QString Name;
    bool Referenced = false;

    bool CanDelete() override { return !Referenced; }
    void LoadFromQuery(TValdrona_ADOQuery& query) override
    {
        TValdrona::LoadFromQuery(query);
        Name = query.FieldAsText(QStringLiteral("Name"));
    }
    void AddFieldValues() override { Query().AddValue(PrefixedTableName(), QStringLiteral("Name"), Name); }
    QString GetDisplayText() override { return Name; }
};

void CreateThings()
{
    TValdrona_ADOQuery query;
    query.ExecText(QStringLiteral("create table if not exists expense_Things (Thing_ID integer primary key, Name text)"));
    query.ExecText(QStringLiteral("create table if not exists Things_seq (id integer unique)"));
}

int Count(const QString& sql)
{
    TValdrona_ADOQuery query;
    return query.OpenScalar(sql)->toInt();
}

// Writer mode of this program: saves things into a company as fast as it can.
int RunWriter(const QString& folder, int count)
{
    SetProgramPath(folder);
    Connect(folder, QStringLiteral("company.db"), dtSQLite);
    for (int i = 0; i < count; ++i) {
        TThing thing;
        thing.Name = QStringLiteral("w%1").arg(i);
        thing.Save();
        // Two programs race for keys, not for the file lock.
        QThread::msleep(1);
    }
    Disconnect();
    return 0;
}

} // namespace

class TestEntity : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void saveInsertsThenUpdates();
    void loadById_data();
    void loadById();
    void keyFromHighestKey_data();
    void keyFromHighestKey();
    void takenKeysAreSkipped_data();
    void takenKeysAreSkipped();
    void deleteRules();
    void setId();
    void twoProgramsNeverShareAKey();

private:
    std::unique_ptr<TTestCompany> m_company;
};

void TestEntity::init()
{
    m_company = std::make_unique<TTestCompany>(TTestCompany::TSource::Template);
    CreateThings();
}

void TestEntity::cleanup()
{
    m_company.reset();
}

void TestEntity::saveInsertsThenUpdates()
{
    TThing thing;
    thing.Name = QStringLiteral("Första");
    QCOMPARE(thing.Save(), 1);
    QCOMPARE(Count(QStringLiteral("select id from Things_seq")), 1);
    thing.Name = QStringLiteral("Ändrad");
    const int readsBefore = SQLFileReadCount();
    QCOMPARE(thing.Save(), 1);
    QCOMPARE(SQLFileReadCount(), readsBefore);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_Things")), 1);
    TThing loaded;
    QCOMPARE(loaded.LoadById(1), 1);
    QCOMPARE(loaded.Name, QStringLiteral("Ändrad"));
}

void TestEntity::loadById_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("stored") << 1 << 1;
    QTest::newRow("no row") << 99 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("negative") << -5 << 0;
}

void TestEntity::loadById()
{
    QFETCH(int, key);
    QFETCH(int, result);
    TThing stored;
    stored.Name = QStringLiteral("x");
    stored.Save();
    TThing thing;
    thing.Id = 42;
    thing.Name = QStringLiteral("old");
    QCOMPARE(thing.LoadById(key), result);
    QCOMPARE(thing.Id, result);
    if (result == 0 && key > 0)
        QCOMPARE(thing.Name, QString());   // loaded from an empty result
}

void TestEntity::keyFromHighestKey_data()
{
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("key");
    QTest::newRow("41") << 41 << 42;
    QTest::newRow("negative counts as 0") << -3 << 1;
}

void TestEntity::keyFromHighestKey()
{
    QFETCH(int, highest);
    QFETCH(int, key);
    TValdrona_ADOQuery query;
    query.ExecText(QStringLiteral("insert into Things_seq (id) values (%1)").arg(highest));
    TThing thing;
    QCOMPARE(thing.Save(), key);
    QCOMPARE(Count(QStringLiteral("select max(id) from Things_seq")), std::max(highest, key));
}

void TestEntity::takenKeysAreSkipped_data()
{
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("key");   // 0: no key
    QTest::newRow("19 taken") << 19 << 20;
    QTest::newRow("20 taken") << 20 << 0;
}

// A key template that lags behind (another program is saving) finds its
// candidates taken; the unique sequence refuses them and the next is tried.
void TestEntity::takenKeysAreSkipped()
{
    QFETCH(int, taken);
    QFETCH(int, key);
    const QString folder = m_company->Folder() + QStringLiteral("lagging/");
    QDir().mkpath(folder + QStringLiteral("SQLite"));
    QFile file(folder + QStringLiteral("SQLite/getTablePK.sql"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("select 0\n");
    file.close();
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("SQLFILEPATH"), folder);
    FreeSQLCache();

    TValdrona_ADOQuery query;
    for (int id = 1; id <= taken; ++id)
        query.ExecText(QStringLiteral("insert into Things_seq (id) values (%1)").arg(id));
    TThing thing;
    thing.Name = QStringLiteral("late");
    if (key > 0) {
        QCOMPARE(thing.Save(), key);
        return;
    }
    try {
        thing.Save();
        QFAIL("a key must not be invented");
    } catch (const EError& error) {
        QCOMPARE(error.Message(), QStringLiteral("nextId didn't return a correct value for Things"));
    }
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_Things")), 0);
    QCOMPARE(thing.Query().Params().size(), size_t(0));
}

void TestEntity::deleteRules()
{
    TThing thing;
    QCOMPARE(thing.Delete(), 0);   // never stored
    thing.Name = QStringLiteral("kept");
    thing.Save();
    thing.Referenced = true;
    QCOMPARE(thing.Delete(), -1);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_Things")), 1);
    thing.Referenced = false;
    QCOMPARE(thing.Delete(), 1);
    QCOMPARE(thing.Id, 1);
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_Things")), 0);
}

void TestEntity::setId()
{
    TThing thing;
    thing.SetId(7);
    thing.SetId(-1);
    QCOMPARE(thing.Id, 7);
    thing.Id = -4;
    QCOMPARE(thing.GetId(), 0);
}

void TestEntity::twoProgramsNeverShareAKey()
{
    constexpr int perWriter = 150;
    const QString folder = m_company->Folder();
    m_company->Disconnect();
    QProcess first, second;
    const QStringList arguments{QStringLiteral("--writer"), folder, QString::number(perWriter)};
    first.start(QCoreApplication::applicationFilePath(), arguments);
    second.start(QCoreApplication::applicationFilePath(), arguments);
    QVERIFY(first.waitForFinished(120000));
    QVERIFY(second.waitForFinished(120000));
    QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
    QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());

    m_company->Connect();
    QCOMPARE(Count(QStringLiteral("select count(*) from expense_Things")), 2 * perWriter);
    QCOMPARE(Count(QStringLiteral("select count(distinct Thing_ID) from expense_Things")), 2 * perWriter);
    QCOMPARE(Count(QStringLiteral("select max(Thing_ID) from expense_Things")), 2 * perWriter);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--writer") {
        try {
            return RunWriter(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
        } catch (const EError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
    }
    TestEntity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_entity.moc"
