// The dialogs and the main window as a person sees them: no caption is cut
// off and no two controls overlap. With QVB_SCREENSHOT_DIR set, each window is
// also saved as a picture there, for a look with one's own eyes.
#include "DatabaseFormUnit.h"
#include "Installation.h"
#include "LoginFormUnit.h"
#include "MainFormUnit.h"
#include "ConnectionUnit.h"
#include "Person_Class.h"
#include "SQLCacheUnit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

void Save(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("QVB_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(widget.grab().save(folder + u'/' + name + QStringLiteral(".png")));
}

// The controls of a dialog: each shows its whole text, and none covers another.
void CheckControls(QWidget& dialog)
{
    QList<QWidget*> controls;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->parentWidget() != &dialog)
            continue;
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)
            || qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control))
            controls.append(control);
    }
    QVERIFY(controls.size() >= 4);
    for (QWidget* control : controls) {
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY2(dialog.rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget* other : controls) {
            if (other != control)
                QVERIFY2(!control->geometry().intersects(other->geometry()),
                         qPrintable(control->objectName() + QStringLiteral(" / ") + other->objectName()));
        }
    }
}

// The screen around the window, menus that pop up over it included.
void SaveScreen(const QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("QVB_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    // Let the window system draw the popup before the picture is taken.
    QTest::qWait(100);
    QVERIFY(window.screen()->grabWindow(0, window.x(), window.y(), window.frameGeometry().width(),
                                        window.frameGeometry().height())
                .save(folder + u'/' + name + QStringLiteral(".png")));
}

} // namespace

class TstLayout : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        Logout();
        Disconnect();
        FreeSQLCache();
    }
    void databaseDialog();
    void loginDialog();
    void mainWindowWithItsMenus();
};

void TstLayout::databaseDialog()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    installation.AddCompany(QStringLiteral("DB/Fjällbacken Åkeri AB.db"));
    installation.Write(QStringLiteral("LASTUSEDDB"), QStringLiteral("Demo"));
    TDatabaseForm dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CheckControls(dialog);
    QVERIFY(dialog.cbDatabase->width() >= dialog.cbDatabase->sizeHint().width());
    Save(dialog, QStringLiteral("database-dialog"));
}

void TstLayout::loginDialog()
{
    const TInstallation installation;
    installation.AddCompany(QStringLiteral("DB/Demo.db"));
    Connect(installation.Path(QStringLiteral("DB/")), QStringLiteral("Demo.db"), dtSQLite);
    TLoginForm dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.Label1->width() >= dialog.Label1->sizeHint().width());
    QVERIFY(dialog.LoginButton->width() >= dialog.LoginButton->sizeHint().width());
    QVERIFY(!dialog.Label3->geometry().intersects(dialog.UserComboBox->geometry()));
    QVERIFY(!dialog.Label2->geometry().intersects(dialog.PasswordEdit->geometry()));
    QVERIFY(dialog.rect().contains(dialog.ExitButton->geometry()));
    Save(dialog, QStringLiteral("login-dialog"));
}

void TstLayout::mainWindowWithItsMenus()
{
    SetProgramPath(qEnvironmentVariable("QVB_DIST_DIR"));
    TMainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.OpenChildWindow(QStringLiteral("SettingsForm"), [] {
        auto* window = new QWidget;
        window->setWindowTitle(QStringLiteral("Inställningar"));
        window->resize(392, 392);
        return window;
    });
    Save(form, QStringLiteral("main-window"));
    for (const char* name : {"Arkiv1", "Redigera1", "Utskrifter1", "Fnster1", "Hjlp1"}) {
        auto* menu = form.menuBar()->findChild<QMenu*>(QString::fromLatin1(name));
        form.menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        // Each entry with a shortcut leaves room for it beside the caption.
        QVERIFY(menu->width() >= menu->sizeHint().width());
        Save(*menu, QStringLiteral("menu-") + QString::fromLatin1(name));
        SaveScreen(form, QStringLiteral("main-window-") + QString::fromLatin1(name));
        menu->close();
    }
    SetProgramPath(QString());
}

QTEST_MAIN(TstLayout)
#include "tst_layout.moc"
