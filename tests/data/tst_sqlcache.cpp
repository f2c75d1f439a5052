// The template store: its folder, one read per template, exact names.
#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "QueryUnit.h"
#include "SQLCacheUnit.h"
#include "TestCompany.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestSQLCache : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FreeSQLCache(); }
    void folderFollowsDatabaseType_data();
    void folderFollowsDatabaseType();
    void readsEachTemplateOnce();
    void namesAreComparedExactly();
    void missingTemplates_data();
    void missingTemplates();
    void linesJoinedWithCRLF();
    void changeOfDatabaseTypeReadsOtherFolder();
};

void TestSQLCache::folderFollowsDatabaseType_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("folder");
    QTest::newRow("sql beside the program") << "{ProgramPath}/sql" << "<P>/sql/SQLite/";
    QTest::newRow("the program folder itself") << "{ProgramPath}" << "<P>/SQLite/";
    QTest::newRow("trailing separator kept") << "{ProgramPath}/sql/" << "<P>/sql/SQLite/";
    QTest::newRow("empty") << "" << "/SQLite/";
}

void TestSQLCache::folderFollowsDatabaseType()
{
    QFETCH(QString, setting);
    QFETCH(QString, folder);
    TTestCompany company(TTestCompany::TSource::Template);
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("SQLFILEPATH"), setting);
    QString program = GetProgramPath();
    program.chop(1);
    QCOMPARE(GetSQLPath(), folder.replace(QLatin1String("<P>"), program));
}

void TestSQLCache::readsEachTemplateOnce()
{
    TTestCompany company(TTestCompany::TSource::Template);
    const int before = SQLFileReadCount();
    GetSQL(QStringLiteral("getSetting.sql"));
    GetSQL(QStringLiteral("getSetting.sql"));
    GetSQL(QStringLiteral("getCountPersons.sql"));
    GetSQL(QStringLiteral("getSetting.sql"));
    QCOMPARE(SQLFileReadCount() - before, 2);
    // A change of database drops the cache: the next request reads again.
    company.Disconnect();
    company.Connect();
    GetSQL(QStringLiteral("getSetting.sql"));
    QCOMPARE(SQLFileReadCount() - before, 3);
}

void TestSQLCache::namesAreComparedExactly()
{
    TTestCompany company(TTestCompany::TSource::Template);
    const QString folder = company.Folder() + QStringLiteral("sql/SQLite/");
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("SQLFILEPATH"), company.Folder() + QStringLiteral("sql"));
    WriteFile(folder + QStringLiteral("getThing.sql"), "select 1\n");
    WriteFile(folder + QStringLiteral("GetThing.sql"), "select 2\n");
    QCOMPARE(GetSQL(QStringLiteral("getThing.sql")), QStringList{QStringLiteral("select 1")});
    QCOMPARE(GetSQL(QStringLiteral("GetThing.sql")), QStringList{QStringLiteral("select 2")});
}

void TestSQLCache::missingTemplates_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("missing folder") << false;
    QTest::newRow("empty folder") << true;
}

void TestSQLCache::missingTemplates()
{
    QFETCH(bool, folderExists);
    TTestCompany company(TTestCompany::TSource::Template);
    const QString folder = company.Folder() + QStringLiteral("empty/SQLite/");
    if (folderExists)
        QDir().mkpath(folder);
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("SQLFILEPATH"), company.Folder() + QStringLiteral("empty"));
    const QString expected = QStringLiteral("File: ") + folder + QStringLiteral("getSetting.sql does not exist!");
    for (int attempt = 0; attempt < 2; ++attempt) {   // nothing is cached for a missing file
        try {
            GetSQL(QStringLiteral("getSetting.sql"));
            QFAIL("a missing template must raise");
        } catch (const EError& error) {
            QCOMPARE(error.Message(), expected);
        }
    }
    WriteFile(folder + QStringLiteral("getSetting.sql"), "select 3\n");
    QCOMPARE(GetSQL(QStringLiteral("getSetting.sql")), QStringList{QStringLiteral("select 3")});
}

void TestSQLCache::linesJoinedWithCRLF()
{
    TTestCompany company(TTestCompany::TSource::Template);
    const QString folder = company.Folder() + QStringLiteral("sql/SQLite/");
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("SQLFILEPATH"), company.Folder() + QStringLiteral("sql"));
    WriteFile(folder + QStringLiteral("getTwice.sql"), "select {fkInvoiceID} as a,\r\n       {fkInvoiceID} as b\n");
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getTwice.sql"));
    QCOMPARE(query.SQL(), QStringLiteral("select {fkInvoiceID} as a,\r\n       {fkInvoiceID} as b\r\n"));
    query.SetPlaceholder(QStringLiteral("{fkInvoiceID}"), 12);
    query.OpenTemplate();
    QCOMPARE(query.FieldAsInteger(QStringLiteral("a")), 12);
    QCOMPARE(query.FieldAsInteger(QStringLiteral("b")), 12);
}

void TestSQLCache::changeOfDatabaseTypeReadsOtherFolder()
{
    TTestCompany company(TTestCompany::TSource::Template);
    const QString sqlite = GetSQL(QStringLiteral("getTablePK.sql")).join(u'\n');
    company.Disconnect();
    // A server description without keys fails, but the attempt sets the type.
    WriteIniString(company.Folder() + QStringLiteral("Server.ini"), QStringLiteral("MSSQL"), QStringLiteral("DBSERVER"), QString());
    QVERIFY_THROWS_EXCEPTION(EError, Connect(company.Folder(), QStringLiteral("Server.ini"), dtMSSQL));
    QVERIFY(GetSQLPath().endsWith(QLatin1String("/sql/MSSQL/")));
    const QString mssql = GetSQL(QStringLiteral("getTablePK.sql")).join(u'\n');
    QVERIFY(mssql != sqlite);
    QVERIFY(mssql.contains(QLatin1String("expense_Persons")));
}

QTEST_GUILESS_MAIN(TestSQLCache)
#include "tst_sqlcache.moc"
