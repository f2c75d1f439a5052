#pragma once

#include "ConfigFileUnit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// An installation folder of the test's own: qvb.ini with the database and
// template folders beside the program, and the build's SQL templates.
class TInstallation {
public:
    TInstallation()
    {
        SetProgramPath(m_dir.path());
        Write(QStringLiteral("SQLFILEPATH"), qEnvironmentVariable("QVB_DIST_DIR") + QStringLiteral("/sql"));
        Write(QStringLiteral("DATABASEPATH"), QStringLiteral("{ProgramPath}/DB"));
        Write(QStringLiteral("TEMPLATEPATH"), QStringLiteral("{ProgramPath}/Template"));
    }
    ~TInstallation() { SetProgramPath(QString()); }
    TInstallation(const TInstallation&) = delete;
    TInstallation& operator=(const TInstallation&) = delete;

    QString Path(const QString& relative) const { return m_dir.filePath(relative); }
    void Write(const QString& key, const QString& value, const QString& section = QStringLiteral("SETTINGS")) const
    {
        WriteIniString(GetIniFileName(), section, key, value);
    }
    QString Read(const QString& key, const QString& section = QStringLiteral("SETTINGS")) const
    {
        return ReadIniString(GetIniFileName(), section, key);
    }
    // Puts a copy of the build's demo company (or template) at the relative path.
    void AddCompany(const QString& relative, const QString& source = QStringLiteral("DB/Demo.db")) const
    {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QFile::copy(qEnvironmentVariable("QVB_DIST_DIR") + u'/' + source, Path(relative));
        QFile::setPermissions(Path(relative), QFile::ReadOwner | QFile::WriteOwner);
    }
    void AddFile(const QString& relative, const QByteArray& content = {}) const
    {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QFile file(Path(relative));
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }

private:
    QTemporaryDir m_dir;
};
