// The main window: its menu tree, the child windows and the window menu.
#include "MainFormUnit.h"

#include "ConfigFileUnit.h"
#include "ErrorUnit.h"
#include "HelpUnit.h"
#include "ModalDriver.h"
#include "ScriptedPrompt.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A child window that may refuse to close, as the invoice registration window does.
class TChild : public QWidget {
public:
    explicit TChild(const QString& caption, bool refusesClose = false) : m_refusesClose(refusesClose)
    {
        setWindowTitle(caption);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLineEdit(this));
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (m_refusesClose)
            event->ignore();
    }

private:
    bool m_refusesClose;
};

TChildFactory ChildOf(const QString& caption, bool refusesClose = false)
{
    return [caption, refusesClose] { return new TChild(caption, refusesClose); };
}

QStringList Captions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* entry : menu.actions())
        captions.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
    return captions;
}

} // namespace

class TstMainForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TMainForm> m_form;

    QMenu& OpenWindowMenu()
    {
        // Alt+F, as the user opens it.
        QTest::keyClick(m_form.get(), Qt::Key_F, Qt::AltModifier);
        QMenu* menu = m_form->WindowMenu();
        if (!menu->isVisible())
            qFatal("The window menu did not open");
        return *menu;
    }
    void CloseMenu(QMenu& menu)
    {
        menu.close();
        QTRY_VERIFY(!menu.isVisible());
    }

private slots:
    void init()
    {
        SetProgramPath(qEnvironmentVariable("QVB_DIST_DIR"));
        m_form = std::make_unique<TMainForm>();
        m_form->show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        delete OpenHelpViewer();
        SetProgramPath(QString());
    }

    void windowLooksAsItShould();
    void menuEntries_data();
    void menuEntries();
    void menuOrderAndSeparators_data();
    void menuOrderAndSeparators();
    void windowMenuWithoutChildren();
    void windowMenuListsVisibleChildren();
    void settingsTwiceGivesOneWindow();
    void closedChildIsFreed();
    void childWindowKeepsItsOwnSize();
    void closeAllChildren_data();
    void closeAllChildren();
    void closeEachLeavesWindowsThatRefuse();
    void editCommandsWorkOnTheFocusedField();
    void pageSetupDialogOpens();
    void helpOpensTheContents();
    void errorInMenuCommandIsShownAndProgramGoesOn();
    void busyCursorRestoredWhenCreationFails();
};

void TstMainForm::windowLooksAsItShould()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Valdrona konteringsprogram"));
    QCOMPARE(m_form->size(), QSize(871, 614));
    QCOMPARE(m_form->font().pointSize(), 8);
    QVERIFY(m_form->statusBar()->isVisible());
    QCOMPARE(HelpFile(), qEnvironmentVariable("QVB_DIST_DIR") + QStringLiteral("/QVB.HLP"));
}

void TstMainForm::menuEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");
    const QKeySequence none;
    QTest::newRow("Exportera") << "Exportera1" << "&Exportera" << QKeySequence(Qt::CTRL | Qt::Key_E) << true;
    QTest::newRow("SIE1") << "SIE1" << "SIE..." << none << false;
    QTest::newRow("Importera") << "Importera1" << "&Importera" << QKeySequence(Qt::CTRL | Qt::Key_I) << false;
    QTest::newRow("Instllningar2") << "Instllningar2" << "I&nställningar..." << QKeySequence(Qt::CTRL | Qt::Key_N) << false;
    QTest::newRow("Bytdatabas1") << "Bytdatabas1" << "&Byt databas..." << none << true;
    QTest::newRow("Avsluta1") << "Avsluta1" << "&Avsluta" << none << true;
    QTest::newRow("Klipp ut") << "Klipput1" << "K&lipp ut" << QKeySequence(Qt::CTRL | Qt::Key_X) << true;
    QTest::newRow("Kopiera") << "Kopiera1" << "&Kopiera" << QKeySequence(Qt::CTRL | Qt::Key_C) << true;
    QTest::newRow("Klistra in") << "Klistrain1" << "Kl&istra in" << QKeySequence(Qt::CTRL | Qt::Key_V) << true;
    QTest::newRow("Radera") << "Radera1" << "&Radera" << QKeySequence(Qt::Key_Delete) << true;
    QTest::newRow("Sök") << "Sk1" << "&Sök..." << none << false;
    QTest::newRow("Verifikation1") << "Verifikation1" << "&Verifikation..." << none << false;
    QTest::newRow("Exporteradever1") << "Exporteradever1" << "&Exporterade ver" << none << false;
    QTest::newRow("Instllningar1") << "Instllningar1" << "&Inställningar..." << none << true;
    QTest::newRow("Radaupp1") << "Radaupp1" << "&Rada upp" << none << true;
    QTest::newRow("Stngalla1") << "Stngalla1" << "Stäng alla" << none << true;
    QTest::newRow("Hjlp3") << "Hjlp3" << "&Hjälp" << none << true;
    QTest::newRow("Kontrollerauppdatering1") << "Kontrollerauppdatering1" << "Sök efter uppdatering..." << none << false;
    QTest::newRow("Om1") << "Om1" << "&Om..." << none << false;
}

void TstMainForm::menuEntries()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, enabled);
    const QAction* entry = m_form->MenuEntry(name);
    QVERIFY(entry);
    QCOMPARE(entry->text(), caption);
    QCOMPARE(entry->shortcut(), shortcut);
    QCOMPARE(entry->isEnabled(), enabled);
}

void TstMainForm::menuOrderAndSeparators_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("menu bar") << "" << QStringList{"&Arkiv", "&Redigera", "&Utskrifter", "&Fönster", "&Hjälp"};
    QTest::newRow("Arkiv") << "Arkiv1"
                           << QStringList{"&Exportera", "&Importera", "-", "I&nställningar...", "-", "&Byt databas...", "&Avsluta"};
    QTest::newRow("Exportera") << "Exportera1" << QStringList{"SIE..."};
    QTest::newRow("Importera") << "Importera1" << QStringList{"E-faktura...", "-", "Kontoplan..."};
    QTest::newRow("Redigera") << "Redigera1" << QStringList{"K&lipp ut", "&Kopiera", "Kl&istra in", "&Radera", "-", "&Sök..."};
    QTest::newRow("Utskrifter") << "Utskrifter1" << QStringList{"&Verifikation...", "&Exporterade ver", "-", "&Inställningar..."};
    QTest::newRow("Fönster") << "Fnster1" << QStringList{"&Rada upp", "Stäng alla", "-"};
    QTest::newRow("Hjälp") << "Hjlp1" << QStringList{"&Hjälp", "-", "Sök efter uppdatering...", "-", "&Om..."};
}

void TstMainForm::menuOrderAndSeparators()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, captions);
    if (menu.isEmpty()) {
        QStringList bar;
        for (const QAction* entry : m_form->menuBar()->actions())
            bar.append(entry->text());
        QCOMPARE(bar, captions);
        return;
    }
    const auto* found = m_form->menuBar()->findChild<QMenu*>(menu);
    QVERIFY(found);
    QCOMPARE(Captions(*found), captions);
}

void TstMainForm::windowMenuWithoutChildren()
{
    QMenu& menu = OpenWindowMenu();
    QCOMPARE(Captions(menu), (QStringList{"&Rada upp", "Stäng alla", "-", "Inga fönster öppnade"}));
    QVERIFY(!menu.actions().last()->isEnabled());
    CloseMenu(menu);
    // Rebuilt each time: the entry is not added twice.
    QMenu& again = OpenWindowMenu();
    QCOMPARE(again.actions().size(), 4);
    CloseMenu(again);
}

void TstMainForm::windowMenuListsVisibleChildren()
{
    m_form->OpenChildWindow(QStringLiteral("SettingsForm"), ChildOf(QStringLiteral("Inställningar")));
    QWidget* hidden = m_form->OpenChildWindow(QStringLiteral("HiddenForm"), ChildOf(QStringLiteral("Dold")));
    hidden->parentWidget()->hide();
    m_form->OpenChildWindow(QStringLiteral("RegForm"), ChildOf(QStringLiteral("Registrering")));

    QMenu& menu = OpenWindowMenu();
    QCOMPARE(Captions(menu), (QStringList{"&Rada upp", "Stäng alla", "-", "&Inställningar", "R&egistrering"}));
    QCOMPARE(menu.actions().at(3)->objectName(), QStringLiteral("SettingsForm"));
    QCOMPARE(menu.actions().at(4)->objectName(), QStringLiteral("RegForm"));
    // Choosing an entry brings its window forward.
    menu.actions().at(3)->trigger();
    QCOMPARE(m_form->ChildWindows().activeSubWindow()->widget()->objectName(), QStringLiteral("SettingsForm"));
    CloseMenu(menu);

    // A hidden window is neither freed nor listed, and the menu is not "empty" either.
    TScriptedPrompt prompt;
    prompt.Answer(TAnswer::Yes);
    QVERIFY(m_form->CloseAllChildren());
    QCOMPARE(m_form->ChildWindows().ChildCount(), 1);
    QMenu& onlyHidden = OpenWindowMenu();
    QCOMPARE(Captions(onlyHidden), (QStringList{"&Rada upp", "Stäng alla", "-"}));
    CloseMenu(onlyHidden);
}

void TstMainForm::settingsTwiceGivesOneWindow()
{
    int created = 0;
    m_form->SetMenuCommand(QStringLiteral("Instllningar2"), [&] {
        m_form->OpenChildWindow(QStringLiteral("SettingsForm"), [&created] {
            ++created;
            return new TChild(QStringLiteral("Inställningar"));
        });
    });
    QVERIFY(m_form->MenuEntry(QStringLiteral("Instllningar2"))->isEnabled());
    QTest::keyClick(m_form.get(), Qt::Key_N, Qt::ControlModifier);
    QWidget* first = m_form->ChildWindows().FindChild(QStringLiteral("SettingsForm"));
    QVERIFY(first);
    m_form->ChildWindows().activeSubWindow()->showMinimized();
    QTest::keyClick(m_form.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(created, 1);
    QCOMPARE(m_form->ChildWindows().ChildCount(), 1);
    QCOMPARE(m_form->ChildWindows().FindChild(QStringLiteral("SettingsForm")), first);
    QVERIFY(!first->parentWidget()->isMinimized());
}

void TstMainForm::closedChildIsFreed()
{
    QPointer<QWidget> child = m_form->OpenChildWindow(QStringLiteral("AboutForm"), ChildOf(QStringLiteral("Om")));
    child->parentWidget()->close();
    QTRY_VERIFY(child.isNull());
    QCOMPARE(m_form->ChildWindows().ChildCount(), 0);
    QVERIFY(m_form->OpenChildWindow(QStringLiteral("AboutForm"), ChildOf(QStringLiteral("Om"))));
}

void TstMainForm::childWindowKeepsItsOwnSize()
{
    QWidget* child = m_form->OpenChildWindow(QStringLiteral("SettingsForm"), [] {
        auto* window = new QWidget;
        window->resize(392, 392);
        return window;
    });
    QCOMPARE(child->size(), QSize(392, 392));
}

void TstMainForm::closeAllChildren_data()
{
    QTest::addColumn<int>("windows");
    QTest::addColumn<QList<TAnswer>>("answers");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("questions");
    QTest::newRow("none") << 0 << QList<TAnswer>{} << true << 0 << 0;
    QTest::newRow("one asks nothing") << 1 << QList<TAnswer>{} << true << 0 << 0;
    QTest::newRow("two, No keeps both") << 2 << QList<TAnswer>{TAnswer::No} << false << 2 << 1;
    QTest::newRow("two, Yes frees both") << 2 << QList<TAnswer>{TAnswer::Yes} << true << 0 << 1;
}

void TstMainForm::closeAllChildren()
{
    QFETCH(int, windows);
    QFETCH(QList<TAnswer>, answers);
    QFETCH(bool, result);
    QFETCH(int, remaining);
    QFETCH(int, questions);
    TScriptedPrompt prompt;
    for (TAnswer answer : answers)
        prompt.Answer(answer);
    // The first window refuses a close request; freeing it is no request.
    for (int i = 0; i < windows; ++i)
        m_form->OpenChildWindow(QStringLiteral("Form%1").arg(i), ChildOf(QStringLiteral("Fönster %1").arg(i), i == 0));
    QCOMPARE(m_form->CloseAllChildren(), result);
    QCOMPARE(m_form->ChildWindows().ChildCount(), remaining);
    QCOMPARE(prompt.Asked().size(), questions);
    if (questions > 0) {
        QCOMPARE(prompt.Asked().first().Text, QStringLiteral("Du har formulär öppna\r\nVill du verkligen byta databas?"));
        QCOMPARE(prompt.Asked().first().Buttons, TButtons::YesNo);
        QCOMPARE(prompt.Asked().first().Kind, TMessageKind::Confirmation);
    }
}

void TstMainForm::closeEachLeavesWindowsThatRefuse()
{
    m_form->OpenChildWindow(QStringLiteral("InvoiceRegForm"), ChildOf(QStringLiteral("Registrering"), true));
    m_form->OpenChildWindow(QStringLiteral("SettingsForm"), ChildOf(QStringLiteral("Inställningar")));
    m_form->OpenChildWindow(QStringLiteral("AboutForm"), ChildOf(QStringLiteral("Om")));
    m_form->MenuEntry(QStringLiteral("Stngalla1"))->trigger();
    QTRY_COMPARE(m_form->ChildWindows().ChildCount(), 1);
    QVERIFY(m_form->ChildWindows().FindChild(QStringLiteral("InvoiceRegForm")));
}

void TstMainForm::editCommandsWorkOnTheFocusedField()
{
    QWidget* child = m_form->OpenChildWindow(QStringLiteral("SettingsForm"), ChildOf(QStringLiteral("Inställningar")));
    auto* field = child->findChild<QLineEdit*>();
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("Kaffe Åre"));
    field->selectAll();
    m_form->MenuEntry(QStringLiteral("Klipput1"))->trigger();
    QCOMPARE(field->text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Kaffe Åre"));
    m_form->MenuEntry(QStringLiteral("Klistrain1"))->trigger();
    m_form->MenuEntry(QStringLiteral("Klistrain1"))->trigger();
    QCOMPARE(field->text(), QStringLiteral("Kaffe ÅreKaffe Åre"));
    field->setSelection(0, 5);
    m_form->MenuEntry(QStringLiteral("Kopiera1"))->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Kaffe"));
    m_form->MenuEntry(QStringLiteral("Radera1"))->trigger();
    QCOMPARE(field->text(), QStringLiteral(" ÅreKaffe Åre"));
    // Without a selection "Radera" deletes nothing.
    field->setCursorPosition(0);
    m_form->MenuEntry(QStringLiteral("Radera1"))->trigger();
    QCOMPARE(field->text(), QStringLiteral(" ÅreKaffe Åre"));
}

void TstMainForm::pageSetupDialogOpens()
{
    bool shown = false;
    QStringList enabled;
    OnModal<QPageSetupDialog>([&](QPageSetupDialog& dialog) {
        shown = true;
        for (const char* name : {"pageSizeCombo", "topMargin", "leftMargin", "rightMargin", "bottomMargin"}) {
            if (const auto* control = dialog.findChild<QWidget*>(QString::fromLatin1(name)); control && control->isEnabled())
                enabled.append(control->objectName());
        }
        dialog.reject();
    });
    m_form->MenuEntry(QStringLiteral("Instllningar1"))->trigger();
    QVERIFY(shown);
    QCOMPARE(enabled, QStringList());
}

void TstMainForm::helpOpensTheContents()
{
    m_form->MenuEntry(QStringLiteral("Hjlp3"))->trigger();
    QVERIFY(OpenHelpViewer());
    QCOMPARE(OpenHelpViewer()->CurrentTopic(), QStringLiteral("contents"));
}

void TstMainForm::errorInMenuCommandIsShownAndProgramGoesOn()
{
    TScriptedPrompt prompt;
    m_form->SetMenuCommand(QStringLiteral("SIE1"), [] { throw EError(QStringLiteral("No DB connected!")); });
    m_form->MenuEntry(QStringLiteral("SIE1"))->trigger();
    QCOMPARE(prompt.Texts(), QStringList{QStringLiteral("No DB connected!")});
    QCOMPARE(prompt.Asked().first().Kind, TMessageKind::Error);
    QVERIFY(m_form->isVisible());
}

void TstMainForm::busyCursorRestoredWhenCreationFails()
{
    Qt::CursorShape during = Qt::ArrowCursor;
    try {
        m_form->OpenChildWindow(QStringLiteral("SIEExportForm"), [&during]() -> QWidget* {
            during = QApplication::overrideCursor()->shape();
            throw EError(QStringLiteral("No DB connected!"));
        });
        QFAIL("no error");
    } catch (const EError&) {
    }
    QCOMPARE(during, Qt::BusyCursor);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(m_form->ChildWindows().ChildCount(), 0);
}

QTEST_MAIN(TstMainForm)
#include "tst_mainform.moc"
