// The help file shipped with the program and its viewer.
#include "HelpUnit.h"

#include "ErrorUnit.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

class TstHelp : public QObject {
    Q_OBJECT

    static QString ShippedHelpFile() { return qEnvironmentVariable("QVB_DIST_DIR") + QStringLiteral("/QVB.HLP"); }

private slots:
    void init() { SetHelpFile(ShippedHelpFile()); }
    void cleanup() { delete OpenHelpViewer(); }
    void shippedFileHasEveryContext_data();
    void shippedFileHasEveryContext();
    void contentsLinksOpenTheContexts();
    void viewerIsReusedForTheNextContext();
    void unknownContextRaises();
    void missingFileRaisesItsPath();
};

void TstHelp::shippedFileHasEveryContext_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("title");
    QTest::newRow("201") << 201 << "Inställningar";
    QTest::newRow("202") << 202 << "Registrering av verifikationer";
    QTest::newRow("203") << 203 << "Kontering";
    QTest::newRow("204") << 204 << "Utskrift";
}

void TstHelp::shippedFileHasEveryContext()
{
    QFETCH(int, context);
    QFETCH(QString, title);
    ShowHelp(context);
    THelpViewer* viewer = OpenHelpViewer();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->CurrentTopic(), QString::number(context));
    QVERIFY(viewer->Text().startsWith(title));
    // Real help text, not a heading alone; and nothing of another topic.
    QVERIFY(viewer->Text().size() > 300);
    QVERIFY(!viewer->Text().contains(QStringLiteral("Innehåll")));
}

void TstHelp::contentsLinksOpenTheContexts()
{
    ShowHelpContents();
    THelpViewer* viewer = OpenHelpViewer();
    QCOMPARE(viewer->CurrentTopic(), QStringLiteral("contents"));
    auto* browser = viewer->findChild<QTextBrowser*>();
    emit browser->anchorClicked(QUrl(QStringLiteral("#203")));
    QCOMPARE(viewer->CurrentTopic(), QStringLiteral("203"));
    QTest::mouseClick(viewer->findChild<QPushButton*>(QStringLiteral("ContentsButton")), Qt::LeftButton);
    QCOMPARE(viewer->CurrentTopic(), QStringLiteral("contents"));
    for (const char* link : {"#201", "#202", "#203", "#204"})
        QVERIFY(browser->toHtml().contains(QString::fromLatin1(link)));
}

void TstHelp::viewerIsReusedForTheNextContext()
{
    ShowHelp(201);
    THelpViewer* first = OpenHelpViewer();
    ShowHelp(204);
    QCOMPARE(OpenHelpViewer(), first);
    QCOMPARE(first->CurrentTopic(), QStringLiteral("204"));
}

void TstHelp::unknownContextRaises()
{
    try {
        ShowHelp(299);
        QFAIL("no error");
    } catch (const EError& error) {
        QVERIFY(error.Message().startsWith(QStringLiteral("Help topic 299 not found")));
    }
}

void TstHelp::missingFileRaisesItsPath()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("QVB.HLP"));
    SetHelpFile(missing);
    try {
        ShowHelpContents();
        QFAIL("no error");
    } catch (const EError& error) {
        QCOMPARE(error.Message(), QStringLiteral("File: ") + missing + QStringLiteral(" does not exist!"));
    }
}

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
