#pragma once

#include <QString>
#include <QTemporaryDir>

// A company of the test's own: a copy of a generated database in a fresh temp
// folder, with a qvb.ini that finds the installation's templates. The program
// path points at the folder while the object lives.
class TTestCompany {
public:
    enum class TSource { Demo, Template };

    explicit TTestCompany(TSource source = TSource::Demo, bool connect = true);
    ~TTestCompany();
    TTestCompany(const TTestCompany&) = delete;
    TTestCompany& operator=(const TTestCompany&) = delete;

    QString Folder() const;          // with a trailing separator
    QString FileName() const;        // "company.db"
    QString DatabasePath() const;
    void Connect() const;
    void Disconnect() const;         // also drops the template cache

    static QString DistDir();        // the installation folder of the build
    static QString SourceDir();      // the source tree
    static QString SourcePath(TSource source);

private:
    QTemporaryDir m_dir;
};
