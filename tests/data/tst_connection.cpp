// Opening and closing the one connection, and the errors of a bad database.
#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "QueryUnit.h"
#include "TestCompany.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString ConnectError(const QString& folder, const QString& file, quint8 type)
{
    try {
        Connect(folder, file, type);
    } catch (const EError& error) {
        return error.Message();
    }
    return QString();
}
}

class TestConnection : public QObject {
    Q_OBJECT

private slots:
    void connectAndDisconnect();
    void serverDescriptionKeys_data();
    void serverDescriptionKeys();
    void unreachableServerLeavesNoConnection();
    void badDatabaseFiles_data();
    void badDatabaseFiles();
    void readOnlyDatabase();
};

void TestConnection::connectAndDisconnect()
{
    TTestCompany company(TTestCompany::TSource::Template, false);
    QVERIFY_THROWS_EXCEPTION(EError, GetConnection());
    company.Connect();
    QVERIFY(IsConnected());
    QCOMPARE(GetDatabaseType(), quint8(dtSQLite));
    QCOMPARE(GetDatabaseName(), company.Folder() + company.FileName());
    QCOMPARE(ConnectError(company.Folder(), company.FileName(), dtSQLite), QStringLiteral("Already a DB connected!"));
    // The busy time-out is part of the connection.
    QVERIFY(GetConnection().connectOptions().contains(QLatin1String("QSQLITE_BUSY_TIMEOUT=1000")));
    Disconnect();
    Disconnect();   // nothing left to close
    try {
        GetConnection();
        QFAIL("no connection expected");
    } catch (const EError& error) {
        QCOMPARE(error.Message(), QStringLiteral("No DB connected!"));
    }
}

void TestConnection::serverDescriptionKeys_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("userId");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << "" << "" << "" << "" << "No DB PASSWORD specified.";
    QTest::newRow("no password, no user") << "" << "" << "Bolag" << "srv" << "No DB PASSWORD specified.";
    QTest::newRow("no user") << "pw" << "" << "Bolag" << "srv" << "No DB USERID specified.";
    QTest::newRow("no database") << "pw" << "sa" << "" << "srv" << "No DATABASE specified.";
    QTest::newRow("no server") << "pw" << "sa" << "Bolag" << "" << "No DBSERVER specified.";
}

void TestConnection::serverDescriptionKeys()
{
    QFETCH(QString, password);
    QFETCH(QString, userId);
    QFETCH(QString, database);
    QFETCH(QString, server);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/Bolag.ini");
    const QString section = QStringLiteral("MSSQL");
    WriteIniString(file, section, QStringLiteral("PASSWORD"), password);
    WriteIniString(file, section, QStringLiteral("USERID"), userId);
    WriteIniString(file, section, QStringLiteral("DATABASE"), database);
    WriteIniString(file, section, QStringLiteral("DBSERVER"), server);
    // The folder comes without its separator: one is added.
    QCOMPARE(ConnectError(dir.path(), QStringLiteral("Bolag.ini"), dtMSSQL), message);
    QVERIFY(!IsConnected());
    QCOMPARE(GetDatabaseType(), quint8(dtMSSQL));
    QCOMPARE(GetDatabaseName(), dir.path() + QStringLiteral("Bolag.ini"));
}

void TestConnection::unreachableServerLeavesNoConnection()
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/Fjarr.ini");
    const QString section = QStringLiteral("MSSQL");
    WriteIniString(file, section, QStringLiteral("PASSWORD"), QStringLiteral("secret"));
    WriteIniString(file, section, QStringLiteral("USERID"), QStringLiteral("sa"));
    WriteIniString(file, section, QStringLiteral("DATABASE"), QStringLiteral("Bolag"));
    WriteIniString(file, section, QStringLiteral("DBSERVER"), QStringLiteral("127.0.0.1,1"));
    QVERIFY(!ConnectError(dir.path() + u'/', QStringLiteral("Fjarr.ini"), dtMSSQL).isEmpty());
    QVERIFY(!IsConnected());
    // A failed attempt leaves the way open for the next one.
    TTestCompany company(TTestCompany::TSource::Template);
    QVERIFY(IsConnected());
}

void TestConnection::badDatabaseFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("missing") << QByteArray() << false << "Database file: ";
    QTest::newRow("not a database") << QByteArray("This is a letter, not a company.\n").repeated(200) << true << "Database file: ";
}

void TestConnection::badDatabaseFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QFETCH(QString, messageStart);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Bolag.db");
    if (create) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QString message = ConnectError(dir.path(), QStringLiteral("Bolag.db"), dtSQLite);
    QVERIFY2(message.startsWith(messageStart), qPrintable(message));
    QVERIFY(!IsConnected());
    QCOMPARE(QFile::exists(path), create);   // never creates a file
    if (create) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

void TestConnection::readOnlyDatabase()
{
    if (geteuid() == 0)
        QSKIP("root writes to read-only files");
    TTestCompany company(TTestCompany::TSource::Template, false);
    QFile::setPermissions(company.DatabasePath(), QFile::ReadOwner);
    company.Connect();
    TValdrona_ADOQuery query;
    QVERIFY_THROWS_EXCEPTION(EError, query.ExecText(QStringLiteral("delete from expense_Settings")));
    QVERIFY(query.OpenScalar(QStringLiteral("select count(*) from expense_Settings"))->toInt() > 0);
}

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
