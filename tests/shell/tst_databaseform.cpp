// The database dialog: which files it offers, what it preselects, how it
// creates a new company and what a failed connect does.
#include "DatabaseFormUnit.h"

#include "ConnectionUnit.h"
#include "Installation.h"
#include "ScriptedPrompt.h"
#include "SQLCacheUnit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TstDatabaseForm : public QObject {
    Q_OBJECT

    static QStringList Entries(const TDatabaseForm& form)
    {
        QStringList entries;
        for (int i = 0; i < form.cbDatabase->count(); ++i)
            entries.append(form.cbDatabase->itemText(i));
        return entries;
    }
    static QByteArray Content(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void cleanup()
    {
        Disconnect();
        FreeSQLCache();
    }
    void offersOnlyDbAndIniFiles();
    void layoutAndTabOrder();
    void preselection_data();
    void preselection();
    void newDatabase_data();
    void newDatabase();
    void newDatabaseWithExistingNameLeavesFileUntouched();
    void newDatabaseWithoutTemplate();
    void newDatabaseCancelled();
    void newDatabaseNameStaysInTheFolder();
    void anslutConnectsAndRemembers();
    void connectFailureEndsTheProgram();
    void emptyFolderSettingsFallBackBesideTheProgram();
};

void TstDatabaseForm::offersOnlyDbAndIniFiles()
{
    const TInstallation installation;
    for (const char* name : {"DB/A.db", "DB/B.ini", "DB/C.txt", "DB/D.DB", "DB/E.INI", "DB/F.db.bak"})
        installation.AddFile(QString::fromLatin1(name));
    const TDatabaseForm form;
    QCOMPARE(Entries(form), (QStringList{"A", "B"}));
    QCOMPARE(form.Databases().at(0).DatabaseType, quint8(dtSQLite));
    QCOMPARE(form.Databases().at(0).FileName, QStringLiteral("A.db"));
    QCOMPARE(form.Databases().at(1).DatabaseType, quint8(dtMSSQL));
    QCOMPARE(form.Databases().at(1).Folder, installation.Path(QStringLiteral("DB/")));
}

void TstDatabaseForm::layoutAndTabOrder()
{
    const TInstallation installation;
    installation.AddFile(QStringLiteral("DB/A.db"));
    TDatabaseForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Öppna databas"));
    QCOMPARE(form.Label1->text(), QStringLiteral("Välj databas:"));
    QCOMPARE(form.NewDB->text(), QStringLiteral("Ny databas..."));
    QCOMPARE(form.Open->text(), QStringLiteral("Anslut"));
    QCOMPARE(form.Exit->text(), QStringLiteral("Avsluta"));
    QVERIFY(form.Open->isDefault());
    QVERIFY(!form.cbDatabase->isEditable());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.cbDatabase);
    QList<QWidget*> order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget());
    }
    QCOMPARE(order, (QList<QWidget*>{form.Open, form.Exit, form.NewDB}));
}

void TstDatabaseForm::preselection_data()
{
    QTest::addColumn<QString>("lastUsed");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("openEnabled");
    QTest::newRow("none stored: the first") << "" << 0 << true;
    QTest::newRow("stored, other case") << "b" << 1 << true;
    QTest::newRow("deleted database") << "Bolag2009" << -1 << false;
}

void TstDatabaseForm::preselection()
{
    QFETCH(QString, lastUsed);
    QFETCH(int, selected);
    QFETCH(bool, openEnabled);
    const TInstallation installation;
    installation.AddFile(QStringLiteral("DB/A.db"));
    installation.AddFile(QStringLiteral("DB/B.db"));
    installation.Write(QStringLiteral("LASTUSEDDB"), lastUsed);
    TDatabaseForm form;
    QCOMPARE(form.cbDatabase->currentIndex(), selected);
    QCOMPARE(form.Open->isEnabled(), openEnabled);
    // Choosing an entry enables "Anslut".
    form.show();
    QTest::keyClick(form.cbDatabase, Qt::Key_End);
    QCOMPARE(form.cbDatabase->currentIndex(), 1);
    QVERIFY(form.Open->isEnabled());
}

void TstDatabaseForm::newDatabase_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("created");
    QTest::newRow("plain name") << "Bolag2012" << "Bolag2012.db";
    QTest::newRow("other extension replaced") << "Bolag2012.txt" << "Bolag2012.db";
    QTest::newRow("only the last extension") << "Bolag.2012.txt" << "Bolag.2012.db";
    QTest::newRow("Swedish letters") << "Fjällbacken Åkeri" << "Fjällbacken Åkeri.db";
}

void TstDatabaseForm::newDatabase()
{
    QFETCH(QString, typed);
    QFETCH(QString, created);
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("Template/qvb.db"), QStringLiteral("Template/qvb.db"));
    installation.AddFile(QStringLiteral("DB/Demo.db"));
    installation.Write(QStringLiteral("LASTUSEDDB"), QStringLiteral("Demo"));
    TScriptedPrompt prompt;
    prompt.AnswerInput(typed);
    TDatabaseForm form;
    form.show();
    QTest::mouseClick(form.NewDB, Qt::LeftButton);
    QCOMPARE(prompt.Texts(), QStringList{QStringLiteral("Skriv i namnet på din nya databas.")});
    const QString target = installation.Path(QStringLiteral("DB/") + created);
    QCOMPARE(Content(target), Content(installation.Path(QStringLiteral("Template/qvb.db"))));
    QVERIFY(Entries(form).contains(QFileInfo(created).completeBaseName()));
    QCOMPARE(form.cbDatabase->currentText(), QStringLiteral("Demo"));
}

void TstDatabaseForm::newDatabaseWithExistingNameLeavesFileUntouched()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("Template/qvb.db"), QStringLiteral("Template/qvb.db"));
    installation.AddFile(QStringLiteral("DB/Bolag2012.db"), "company data");
    TScriptedPrompt prompt;
    prompt.AnswerInput(QStringLiteral("Bolag2012.sqlite"));
    TDatabaseForm form;
    QTest::mouseClick(form.NewDB, Qt::LeftButton);
    QCOMPARE(prompt.Texts().last(), QStringLiteral("Finns redan en databas med namnet Bolag2012.sqlite"));
    QCOMPARE(prompt.Asked().last().Kind, TMessageKind::Information);
    QCOMPARE(Content(installation.Path(QStringLiteral("DB/Bolag2012.db"))), QByteArray("company data"));
}

void TstDatabaseForm::newDatabaseWithoutTemplate()
{
    const TInstallation installation;
    TScriptedPrompt prompt;
    prompt.AnswerInput(QStringLiteral("Bolag2012"));
    TDatabaseForm form;
    QTest::mouseClick(form.NewDB, Qt::LeftButton);
    QCOMPARE(prompt.Texts().last(),
             QStringLiteral("Databasmallen saknas, kan inte skapa databas!\r\nKontrollera TEMPLATEPATH i ini-filen."));
    QCOMPARE(prompt.Asked().last().Kind, TMessageKind::Error);
    QVERIFY(!QFile::exists(installation.Path(QStringLiteral("DB/Bolag2012.db"))));
    // The template folder is created for the next try.
    QVERIFY(QFileInfo(installation.Path(QStringLiteral("Template"))).isDir());
}

void TstDatabaseForm::newDatabaseCancelled()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("Template/qvb.db"), QStringLiteral("Template/qvb.db"));
    TScriptedPrompt prompt;
    TDatabaseForm form;
    QTest::mouseClick(form.NewDB, Qt::LeftButton);
    prompt.AnswerInput(QString());
    QTest::mouseClick(form.NewDB, Qt::LeftButton);
    QCOMPARE(prompt.Asked().size(), 2);
    QCOMPARE(QDir(installation.Path(QStringLiteral("DB"))).entryList(QDir::Files), QStringList());
}

void TstDatabaseForm::newDatabaseNameStaysInTheFolder()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("Template/qvb.db"), QStringLiteral("Template/qvb.db"));
    TScriptedPrompt prompt;
    prompt.AnswerInput(QStringLiteral("../Utanför"));
    TDatabaseForm form;
    QTest::mouseClick(form.NewDB, Qt::LeftButton);
    QCOMPARE(prompt.Asked().last().Kind, TMessageKind::Error);
    QVERIFY(!QFile::exists(installation.Path(QStringLiteral("Utanför.db"))));
}

void TstDatabaseForm::anslutConnectsAndRemembers()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Fjällbacken.db"));
    TDatabaseForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.cbDatabase, Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(IsConnected());
    QCOMPARE(GetDatabaseName(), installation.Path(QStringLiteral("DB/Fjällbacken.db")));
    QCOMPARE(installation.Read(QStringLiteral("LASTUSEDDB")), QStringLiteral("Fjällbacken"));
}

void TstDatabaseForm::connectFailureEndsTheProgram()
{
    const TInstallation installation;
    installation.AddFile(QStringLiteral("DB/Server.ini"), "[MSSQL]\r\nDBSERVER=sql01\r\nDATABASE=Bolag\r\n");
    installation.Write(QStringLiteral("LASTUSEDDB"), QStringLiteral("Tidigare"));
    TScriptedPrompt prompt;
    TDatabaseForm form;
    form.cbDatabase->setCurrentIndex(0);
    form.show();
    QTest::mouseClick(form.Open, Qt::LeftButton);
    QCOMPARE(prompt.Texts(), QStringList{QStringLiteral("Följande fel uppstod när databasen skulle öppnas: "
                                                        "No DB PASSWORD specified.\r\n"
                                                        "Kontrollera databasinställningar i ini-filen.")});
    QCOMPARE(prompt.Asked().first().Kind, TMessageKind::Error);
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(!form.isVisible());
    QVERIFY(!IsConnected());
    QCOMPARE(installation.Read(QStringLiteral("LASTUSEDDB")), QStringLiteral("Tidigare"));
}

void TstDatabaseForm::emptyFolderSettingsFallBackBesideTheProgram()
{
    const TInstallation installation;
    installation.Write(QStringLiteral("DATABASEPATH"), QString());
    installation.Write(QStringLiteral("TEMPLATEPATH"), QString());
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    installation.AddCompany(QStringLiteral("Template/qvb.db"), QStringLiteral("Template/qvb.db"));
    TScriptedPrompt prompt;
    prompt.AnswerInput(QStringLiteral("Nytt"));
    TDatabaseForm form;
    QCOMPARE(Entries(form), QStringList{QStringLiteral("Demo")});
    QTest::mouseClick(form.NewDB, Qt::LeftButton);
    QCOMPARE(prompt.Asked().size(), 1);
    QVERIFY(QFile::exists(installation.Path(QStringLiteral("DB/Nytt.db"))));
    QCOMPARE(Entries(form), (QStringList{"Demo", "Nytt"}));
}

QTEST_MAIN(TstDatabaseForm)
#include "tst_databaseform.moc"
