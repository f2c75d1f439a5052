#include "ConfigFileUnit.h"
#include "ErrorUnit.h"
#include "TestFiles.h"
#include "ValueConversionUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestConfigFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readIniString_data();
    void readIniString();
    void readMissingFile();
    void readOpensFileAnew();
    void writeIniString_data();
    void writeIniString();
    void writeCreatesFileWithLineFeeds();
    void writeToMissingFolderRaises();
    void writeToReadOnlyFolderKeepsFile();
    void writeRejectsInvalidEntry_data();
    void writeRejectsInvalidEntry();
    void programPath();
    void folderSettings_data();
    void folderSettings();
    void printKeys_data();
    void printKeys();

private:
    QString IniFile() const { return m_dir->filePath(QStringLiteral("qvb.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestConfigFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestConfigFile::cleanup()
{
    SetProgramPath({});
    m_dir.reset();
}

void TestConfigFile::readIniString_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CR LF") << QByteArray("[SETTINGS]\r\nA=1\r\nLASTUSEDDB=Demo\r\n") << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("LF") << QByteArray("[SETTINGS]\nA=1\nLASTUSEDDB=Demo\n") << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("lone CR") << QByteArray("[SETTINGS]\rA=1\rLASTUSEDDB=Demo\r") << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("mixed line ends") << QByteArray("[LOGIN]\r\nLASTUSER=a\n[SETTINGS]\rLASTUSEDDB=Demo\r\n")
                                     << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("no final line end") << QByteArray("[SETTINGS]\nLASTUSEDDB=Demo") << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("blanks around =") << QByteArray("[SETTINGS]\n  LASTUSEDDB \t=   Demo Firma \t\n")
                                     << "SETTINGS" << "LASTUSEDDB" << "Demo Firma";
    QTest::newRow("blanks around the header") << QByteArray("  [ SETTINGS ]  \nLASTUSEDDB=Demo\n")
                                              << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("other case") << QByteArray("[settings]\nLastUsedDb=Demo\n") << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("value keeps its case") << QByteArray("[PRINT]\nFONTNAME=Arial\n") << "print" << "fontname" << "Arial";
    QTest::newRow("= inside the value") << QByteArray("[MSSQL]\nPASSWORD=a=b\n") << "MSSQL" << "PASSWORD" << "a=b";
    QTest::newRow("empty value") << QByteArray("[LOGIN]\nPASSWORD=\n") << "LOGIN" << "PASSWORD" << "";
    QTest::newRow("comments skipped") << QByteArray("[SETTINGS]\n;LASTUSEDDB=old\n  # LASTUSEDDB=older\nLASTUSEDDB=new\n")
                                      << "SETTINGS" << "LASTUSEDDB" << "new";
    QTest::newRow("commented out only") << QByteArray("[SETTINGS]\n; LASTUSEDDB=old\n") << "SETTINGS" << "LASTUSEDDB" << "";
    QTest::newRow("key of another section") << QByteArray("[LOGIN]\nLASTUSEDDB=x\n[SETTINGS]\nOTHER=1\n")
                                            << "SETTINGS" << "LASTUSEDDB" << "";
    QTest::newRow("missing section") << QByteArray("[LOGIN]\nLASTUSER=anna\n") << "SETTINGS" << "LASTUSER" << "";
    QTest::newRow("missing key") << QByteArray("[SETTINGS]\nLASTUSEDDB=Demo\n") << "SETTINGS" << "PREVIEW" << "";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[SETTINGS]\nLASTUSEDDB=Demo\n")
                                     << "SETTINGS" << "LASTUSEDDB" << "Demo";
    QTest::newRow("UTF-8 value") << QByteArray("[LOGIN]\nLASTUSER=G\xC3\xB6ran\n") << "LOGIN" << "LASTUSER"
                                 << QStringLiteral("G\u00F6ran");
    QTest::newRow("ANSI value") << QByteArray("[LOGIN]\nLASTUSER=G\xF6ran\n") << "LOGIN" << "LASTUSER"
                                << QStringLiteral("G\u00F6ran");
}

void TestConfigFile::readIniString()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    WriteFile(IniFile(), content);
    QCOMPARE(ReadIniString(IniFile(), section, key), expected);
}

void TestConfigFile::readMissingFile()
{
    QCOMPARE(ReadIniString(m_dir->filePath(QStringLiteral("none.ini")), QStringLiteral("SETTINGS"),
                           QStringLiteral("LASTUSEDDB")),
             QString());
    QCOMPARE(ReadIniString(m_dir->path(), QStringLiteral("SETTINGS"), QStringLiteral("LASTUSEDDB")), QString());
}

void TestConfigFile::readOpensFileAnew()
{
    WriteFile(IniFile(), "[SETTINGS]\nLASTUSEDDB=One\n");
    QCOMPARE(ReadIniString(IniFile(), QStringLiteral("SETTINGS"), QStringLiteral("LASTUSEDDB")), QStringLiteral("One"));
    WriteFile(IniFile(), "[SETTINGS]\nLASTUSEDDB=Two\n");
    QCOMPARE(ReadIniString(IniFile(), QStringLiteral("SETTINGS"), QStringLiteral("LASTUSEDDB")), QStringLiteral("Two"));
}

void TestConfigFile::writeIniString_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace keeps everything else")
        << QByteArray("; Installation\r\n[SETTINGS]\r\nDATABASEPATH={ProgramPath}/DB\r\nLASTUSEDDB=Old\r\n"
                      "; note\r\n\r\n[LOGIN]\r\nLASTUSER=anna\r\n")
        << "SETTINGS" << "LASTUSEDDB" << "New"
        << QByteArray("; Installation\r\n[SETTINGS]\r\nDATABASEPATH={ProgramPath}/DB\r\nLASTUSEDDB=New\r\n"
                      "; note\r\n\r\n[LOGIN]\r\nLASTUSER=anna\r\n");
    QTest::newRow("replace keeps the layout around =")
        << QByteArray("[SETTINGS]\n  LASTUSEDDB = Old  \nPREVIEW=1\n") << "SETTINGS" << "LASTUSEDDB" << "New"
        << QByteArray("[SETTINGS]\n  LASTUSEDDB = New\nPREVIEW=1\n");
    QTest::newRow("replace in other case keeps the file's names")
        << QByteArray("[settings]\nLastUsedDb=Old\n") << "SETTINGS" << "LASTUSEDDB" << "New"
        << QByteArray("[settings]\nLastUsedDb=New\n");
    QTest::newRow("replace with an empty value")
        << QByteArray("[LOGIN]\nLASTUSER=anna\n") << "LOGIN" << "LASTUSER" << ""
        << QByteArray("[LOGIN]\nLASTUSER=\n");
    QTest::newRow("new key after the section's last key")
        << QByteArray("[SETTINGS]\nA=1\n; comment\n\n[LOGIN]\nB=2\n") << "SETTINGS" << "C" << "3"
        << QByteArray("[SETTINGS]\nA=1\nC=3\n; comment\n\n[LOGIN]\nB=2\n");
    QTest::newRow("new key in a section without keys")
        << QByteArray("[SETTINGS]\n;LASTUSEDDB=Old\n[LOGIN]\nB=2\n") << "SETTINGS" << "LASTUSEDDB" << "New"
        << QByteArray("[SETTINGS]\nLASTUSEDDB=New\n;LASTUSEDDB=Old\n[LOGIN]\nB=2\n");
    QTest::newRow("new key in the last section, CR LF")
        << QByteArray("[LOGIN]\r\nLASTUSER=anna\r\n[SETTINGS]\r\nA=1\r\n") << "SETTINGS" << "PREVIEW" << "1"
        << QByteArray("[LOGIN]\r\nLASTUSER=anna\r\n[SETTINGS]\r\nA=1\r\nPREVIEW=1\r\n");
    QTest::newRow("new section at the end, CR LF")
        << QByteArray("[SETTINGS]\r\nA=1\r\n") << "LOGIN" << "LASTUSER" << "anna"
        << QByteArray("[SETTINGS]\r\nA=1\r\n[LOGIN]\r\nLASTUSER=anna\r\n");
    QTest::newRow("lone CR")
        << QByteArray("[SETTINGS]\rA=1\r") << "SETTINGS" << "B" << "2"
        << QByteArray("[SETTINGS]\rA=1\rB=2\r");
    QTest::newRow("last line without line end")
        << QByteArray("[SETTINGS]\nA=1") << "SETTINGS" << "B" << "2"
        << QByteArray("[SETTINGS]\nA=1\nB=2\n");
    QTest::newRow("new section after a last line without line end")
        << QByteArray("[SETTINGS]\r\nA=1") << "PRINT" << "FONTNAME" << "Arial"
        << QByteArray("[SETTINGS]\r\nA=1\r\n[PRINT]\r\nFONTNAME=Arial\r\n");
    QTest::newRow("empty file") << QByteArray() << "SETTINGS" << "A" << "1" << QByteArray("[SETTINGS]\nA=1\n");
    QTest::newRow("UTF-8 value")
        << QByteArray("[LOGIN]\nLASTUSER=anna\n") << "LOGIN" << "LASTUSER" << QStringLiteral("G\u00F6ran")
        << QByteArray("[LOGIN]\nLASTUSER=G\xC3\xB6ran\n");
}

void TestConfigFile::writeIniString()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    WriteFile(IniFile(), before);
    WriteIniString(IniFile(), section, key, value);
    QCOMPARE(ReadFile(IniFile()), after);
    QCOMPARE(ReadIniString(IniFile(), section, key), value);
}

void TestConfigFile::writeCreatesFileWithLineFeeds()
{
    WriteIniString(IniFile(), QStringLiteral("SETTINGS"), QStringLiteral("LASTUSEDDB"), QStringLiteral("Demo"));
    WriteIniString(IniFile(), QStringLiteral("LOGIN"), QStringLiteral("LASTUSER"), QStringLiteral("anna"));
    QCOMPARE(ReadFile(IniFile()), QByteArray("[SETTINGS]\nLASTUSEDDB=Demo\n[LOGIN]\nLASTUSER=anna\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("qvb.ini")});
}

void TestConfigFile::writeToMissingFolderRaises()
{
    const QString fileName = m_dir->filePath(QStringLiteral("missing/qvb.ini"));
    try {
        WriteIniString(fileName, QStringLiteral("SETTINGS"), QStringLiteral("LASTUSEDDB"), QStringLiteral("Demo"));
        QFAIL("writing into a missing folder succeeded");
    } catch (const EError& e) {
        QVERIFY2(e.Message().contains(fileName), qPrintable(e.Message()));
    }
}

void TestConfigFile::writeToReadOnlyFolderKeepsFile()
{
    const QByteArray content("[SETTINGS]\nLASTUSEDDB=Old\n");
    WriteFile(IniFile(), content);
    // Gives the folder back its rights however the test ends, so that it can be removed.
    struct TReadOnlyFolder {
        QString Path;
        QFile::Permissions Saved = QFileInfo(Path).permissions();
        ~TReadOnlyFolder() { QFile::setPermissions(Path, Saved); }
    } folder{m_dir->path()};
    QVERIFY(QFile::setPermissions(folder.Path, QFile::ReadOwner | QFile::ExeOwner));
    if (QFileInfo(folder.Path).isWritable())
        QSKIP("Folder permissions do not bind this user");
    QVERIFY_THROWS_EXCEPTION(EError, WriteIniString(IniFile(), QStringLiteral("SETTINGS"), QStringLiteral("LASTUSEDDB"),
                                                    QStringLiteral("New")));
    QCOMPARE(ReadFile(IniFile()), content);
}

void TestConfigFile::writeRejectsInvalidEntry_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("line feed in value") << "LOGIN" << "LASTUSER" << "anna\n[SETTINGS]";
    QTest::newRow("carriage return in value") << "LOGIN" << "LASTUSER" << "anna\rPASSWORD=x";
    QTest::newRow("= in key") << "LOGIN" << "LAST=USER" << "anna";
    QTest::newRow("] in section") << "LO]GIN" << "LASTUSER" << "anna";
    QTest::newRow("empty key") << "LOGIN" << "" << "anna";
}

void TestConfigFile::writeRejectsInvalidEntry()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray content("[LOGIN]\nLASTUSER=old\n");
    WriteFile(IniFile(), content);
    QVERIFY_THROWS_EXCEPTION(EError, WriteIniString(IniFile(), section, key, value));
    QCOMPARE(ReadFile(IniFile()), content);
}

void TestConfigFile::programPath()
{
    QCOMPARE(GetProgramPath(), QCoreApplication::applicationDirPath() + u'/');
    SetProgramPath(m_dir->path());
    QCOMPARE(GetProgramPath(), m_dir->path() + u'/');
    QCOMPARE(GetIniFileName(), IniFile());
    SetProgramPath(m_dir->path() + u'/');
    QCOMPARE(GetProgramPath(), m_dir->path() + u'/');
    SetProgramPath({});
    QCOMPARE(GetProgramPath(), QCoreApplication::applicationDirPath() + u'/');
}

void TestConfigFile::folderSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // empty = key missing
    QTest::addColumn<QString>("expected"); // <app> = the program folder without separator

    QTest::newRow("database folder beside the program") << "DATABASEPATH" << "{ProgramPath}/DB" << "<app>/DB/";
    QTest::newRow("template folder beside the program") << "TEMPLATEPATH" << "{ProgramPath}/Template/" << "<app>/Template/";
    QTest::newRow("SQL folder is the program folder") << "SQLFILEPATH" << "{ProgramPath}" << "<app>/";
    QTest::newRow("lower-case placeholder stays") << "DATABASEPATH" << "{programpath}/DB" << "{programpath}/DB/";
    QTest::newRow("every placeholder replaced") << "TEMPLATEPATH" << "{ProgramPath}/a{ProgramPath}" << "<app>/a<app>/";
    QTest::newRow("absolute folder") << "SQLFILEPATH" << "/srv/qvb/sql/" << "/srv/qvb/sql/";
    QTest::newRow("missing key is the root") << "DATABASEPATH" << "" << "/";
}

void TestConfigFile::folderSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const QString program = m_dir->filePath(QStringLiteral("App"));
    SetProgramPath(program);
    QVERIFY(QDir().mkpath(program));
    WriteFile(GetIniFileName(), "[SETTINGS]\nLASTUSEDDB=Demo\n");
    if (!value.isEmpty())
        WriteIniString(GetIniFileName(), QStringLiteral("SETTINGS"), key, value);

    expected.replace(QStringLiteral("<app>"), program);
    QCOMPARE(GetFolderSetting(key), expected);
    const QString viaGetter = key == u"DATABASEPATH"   ? GetDatabasePath()
                              : key == u"TEMPLATEPATH" ? GetTemplatePath()
                                                       : GetSQLFilePath();
    QCOMPARE(viaGetter, expected);
}

void TestConfigFile::printKeys_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("one") << QByteArray("SUMVERPRINT=1") << true;
    QTest::newRow("zero") << QByteArray("SUMVERPRINT=0") << false;
    QTest::newRow("yes has no digit") << QByteArray("SUMVERPRINT=yes") << false;
    QTest::newRow("x1 has a digit") << QByteArray("SUMVERPRINT=x1") << true;
    QTest::newRow("missing") << QByteArray("PREVIEW=1") << false;
}

void TestConfigFile::printKeys()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, chosen);
    WriteFile(IniFile(), "[SETTINGS]\r\n" + line + "\r\n");
    QCOMPARE(DigitsToInt(ReadIniString(IniFile(), QStringLiteral("SETTINGS"), QStringLiteral("SUMVERPRINT"))) > 0,
             chosen);
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
