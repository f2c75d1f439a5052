#include "MainFormUnit.h"

#include "ApplicationUnit.h"
#include "ConfigFileUnit.h"
#include "EditCommandsUnit.h"
#include "ErrorUnit.h"
#include "HelpUnit.h"
#include "MenuUnit.h"
#include "PromptUnit.h"
#include "StartupUnit.h"
#include "ValdronaConstantUnit.h"
#include "ValueConversionUnit.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>

namespace {

// The window menu keeps these; everything else in it is rebuilt.
const QStringList FixedWindowEntries = {QStringLiteral("Radaupp1"), QStringLiteral("Stngalla1"), QStringLiteral("N7")};

QRect CentredOnDesktop(const QSize& size)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    QRect frame({0, 0}, size);
    if (screen)
        frame.moveCenter(screen->availableGeometry().center());
    return frame;
}

// Only printer and orientation are the user's to change here: the reports set
// their own paper and margins.
void DisablePaperAndMargins(QPageSetupDialog& dialog)
{
    static const QStringList paperAndMargins = {
        QStringLiteral("pageSizeCombo"), QStringLiteral("pageWidth"), QStringLiteral("pageHeight"),
        QStringLiteral("paperSource"), QStringLiteral("unitCombo"), QStringLiteral("preview"),
        QStringLiteral("topMargin"), QStringLiteral("leftMargin"), QStringLiteral("rightMargin"),
        QStringLiteral("bottomMargin")};
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (paperAndMargins.contains(control->objectName()))
            control->setEnabled(false);
    }
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), m_area(new TChildWindowArea(this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf8(ProductName));
    setFont(ProgramFont());
    setWindowIcon(ProgramIcon());
    setGeometry(CentredOnDesktop({871, 614}));
    setCentralWidget(m_area);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    SetHelpFile(GetProgramPath() + QString::fromUtf8(HelpFileName));
    BuildMenus();
}

TMainForm::~TMainForm()
{
    CloseDatabase();
}

QMenu* TMainForm::AddMenu(QMenu* parent, const char* name, const QString& caption)
{
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* TMainForm::AddEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(shortcut);
    return entry;
}

void TMainForm::BuildMenus()
{
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    const auto disabled = [](QAction* entry) { entry->setEnabled(false); };

    QMenu* file = AddMenu(nullptr, "Arkiv1", QStringLiteral("&Arkiv"));
    QMenu* exportMenu = AddMenu(file, "Exportera1", QStringLiteral("&Exportera"));
    exportMenu->menuAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    disabled(AddEntry(exportMenu, "SIE1", QStringLiteral("SIE...")));
    QMenu* importMenu = AddMenu(file, "Importera1", QStringLiteral("&Importera"));
    importMenu->menuAction()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    AddEntry(importMenu, "Efaktura1", QStringLiteral("E-faktura..."));
    separator(importMenu, "N2");
    AddEntry(importMenu, "Kontoplan1", QStringLiteral("Kontoplan..."));
    disabled(importMenu->menuAction());
    separator(file, "N1");
    disabled(AddEntry(file, "Instllningar2", QStringLiteral("I&nställningar..."), QKeySequence(Qt::CTRL | Qt::Key_N)));
    separator(file, "N3");
    connect(AddEntry(file, "Bytdatabas1", QStringLiteral("&Byt databas...")), &QAction::triggered, this,
            [this] { RunGuarded([this] { ChangeDatabase(); }); });
    connect(AddEntry(file, "Avsluta1", QStringLiteral("&Avsluta")), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = AddMenu(nullptr, "Redigera1", QStringLiteral("&Redigera"));
    const auto editEntry = [&](const char* name, const QString& caption, const QKeySequence& shortcut,
                               TEditCommand command) {
        connect(AddEntry(edit, name, caption, shortcut), &QAction::triggered, this,
                [command] { RunEditCommand(command); });
    };
    editEntry("Klipput1", QStringLiteral("K&lipp ut"), QKeySequence(Qt::CTRL | Qt::Key_X), TEditCommand::Cut);
    editEntry("Kopiera1", QStringLiteral("&Kopiera"), QKeySequence(Qt::CTRL | Qt::Key_C), TEditCommand::Copy);
    editEntry("Klistrain1", QStringLiteral("Kl&istra in"), QKeySequence(Qt::CTRL | Qt::Key_V), TEditCommand::Paste);
    editEntry("Radera1", QStringLiteral("&Radera"), QKeySequence(Qt::Key_Delete), TEditCommand::Delete);
    separator(edit, "N4");
    disabled(AddEntry(edit, "Sk1", QStringLiteral("&Sök...")));

    QMenu* print = AddMenu(nullptr, "Utskrifter1", QStringLiteral("&Utskrifter"));
    disabled(AddEntry(print, "Verifikation1", QStringLiteral("&Verifikation...")));
    disabled(AddEntry(print, "Exporteradever1", QStringLiteral("&Exporterade ver")));
    separator(print, "N5");
    connect(AddEntry(print, "Instllningar1", QStringLiteral("&Inställningar...")), &QAction::triggered, this,
            [this] { RunGuarded([this] { ShowPageSetup(); }); });

    m_windowMenu = AddMenu(nullptr, "Fnster1", QStringLiteral("&Fönster"));
    connect(AddEntry(m_windowMenu, "Radaupp1", QStringLiteral("&Rada upp")), &QAction::triggered, m_area,
            &QMdiArea::cascadeSubWindows);
    connect(AddEntry(m_windowMenu, "Stngalla1", QStringLiteral("Stäng alla")), &QAction::triggered, m_area,
            &TChildWindowArea::CloseEachChild);
    separator(m_windowMenu, "N7");
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::RebuildWindowMenu);

    QMenu* help = AddMenu(nullptr, "Hjlp1", QStringLiteral("&Hjälp"));
    connect(AddEntry(help, "Hjlp3", QStringLiteral("&Hjälp")), &QAction::triggered, this,
            [] { RunGuarded(ShowHelpContents); });
    separator(help, "N8");
    disabled(AddEntry(help, "Kontrollerauppdatering1", QStringLiteral("Sök efter uppdatering...")));
    separator(help, "N9");
    disabled(AddEntry(help, "Om1", QStringLiteral("&Om...")));
}

QAction* TMainForm::MenuEntry(const QString& entryName) const
{
    for (QAction* entry : menuBar()->findChildren<QAction*>(entryName))
        return entry;
    return nullptr;
}

void TMainForm::SetMenuCommand(const QString& entryName, const std::function<void()>& command)
{
    QAction* entry = MenuEntry(entryName);
    if (!entry)
        throw EError(QStringLiteral("No menu entry ") + entryName + u'!');
    entry->setEnabled(true);
    connect(entry, &QAction::triggered, this, [command] { RunGuarded(command); });
}

void TMainForm::RebuildWindowMenu()
{
    const QList<QAction*> entries = m_windowMenu->actions();
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry) {
        if (!FixedWindowEntries.contains((*entry)->objectName()))
            delete *entry;
    }
    if (m_area->ChildCount() == 0) {
        QAction* none = m_windowMenu->addAction(QStringLiteral("Inga fönster öppnade"));
        none->setEnabled(false);
        return;
    }
    QSet<QChar> usedKeys;
    for (const QAction* fixed : m_windowMenu->actions()) {
        if (const QChar key = AccessKeyOf(fixed->text()); !key.isNull())
            usedKeys.insert(key);
    }
    for (const QMdiSubWindow* frame : m_area->VisibleChildren()) {
        const QString name = frame->widget()->objectName();
        QAction* entry = m_windowMenu->addAction(WithAccessKey(frame->widget()->windowTitle(), usedKeys));
        entry->setObjectName(name);
        connect(entry, &QAction::triggered, this, [this, name] { ShowChildByName(name); });
    }
}

QWidget* TMainForm::OpenChildWindow(const QString& name, const TChildFactory& factory)
{
    return m_area->OpenChildWindow(name, factory);
}

bool TMainForm::ShowChildByName(const QString& name)
{
    return m_area->ShowChildByName(name);
}

bool TMainForm::CloseAllChildren()
{
    if (m_area->ChildCount() >= 2
        && Prompt().Message(TMessageKind::Confirmation,
                            QStringLiteral("Du har formulär öppna\r\nVill du verkligen byta databas?"),
                            TButtons::YesNo) != TAnswer::Yes)
        return false;
    m_area->FreeVisibleChildren();
    return true;
}

void TMainForm::StartUp()
{
    setWindowTitle(QString::fromUtf8(ProductName));
    SetProcessFormats();
    if (!OpenDatabase(this)) {
        close();
        return;
    }
    setWindowTitle(MainCaption());
}

void TMainForm::ChangeDatabase()
{
    if (!CloseAllChildren())
        return;
    CloseDatabase();
    setWindowTitle(MainCaption());
    if (!OpenDatabase(this)) {
        close();
        return;
    }
    setWindowTitle(MainCaption());
}

void TMainForm::ShowPageSetup()
{
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PageSetupDialog"));
    DisablePaperAndMargins(dialog);
    dialog.exec();
}
