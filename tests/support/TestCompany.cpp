#include "TestCompany.h"

#include "ConfigFileUnit.h"
#include "ConnectionUnit.h"
#include "SQLCacheUnit.h"

#include <QFile>
#include <QTest>

QString TTestCompany::DistDir()
{
    return qEnvironmentVariable("QVB_DIST_DIR");
}

QString TTestCompany::SourceDir()
{
    return qEnvironmentVariable("QVB_SOURCE_DIR");
}

QString TTestCompany::SourcePath(TSource source)
{
    return DistDir() + (source == TSource::Demo ? QStringLiteral("/DB/Demo.db") : QStringLiteral("/Template/qvb.db"));
}

TTestCompany::TTestCompany(TSource source, bool connect)
{
    if (!m_dir.isValid() || !QFile::copy(SourcePath(source), DatabasePath()))
        qFatal("Cannot make a test company from %s", qPrintable(SourcePath(source)));
    QFile::setPermissions(DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
    SetProgramPath(Folder());
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("SQLFILEPATH"), DistDir() + QStringLiteral("/sql"));
    WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), QStringLiteral("DATABASEPATH"), QStringLiteral("{ProgramPath}"));
    if (connect)
        Connect();
}

TTestCompany::~TTestCompany()
{
    Disconnect();
    SetProgramPath(QString());
}

QString TTestCompany::Folder() const
{
    return m_dir.path() + u'/';
}

QString TTestCompany::FileName() const
{
    return QStringLiteral("company.db");
}

QString TTestCompany::DatabasePath() const
{
    return Folder() + FileName();
}

void TTestCompany::Connect() const
{
    ::Connect(Folder(), FileName(), dtSQLite);
}

void TTestCompany::Disconnect() const
{
    ::Disconnect();
    FreeSQLCache();
}
