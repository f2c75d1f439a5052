#pragma once

#include "ChildWindowsUnit.h"

#include <QMainWindow>
#include <functional>

class QMenu;

// The frame of the program: the menus, the workspace of child windows and the
// status bar. Its caption names the logged-in person.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    // Closes the open database.
    ~TMainForm() override;

    // Start-up: formats, database dialog, version check, login. Ends the
    // program when any of them is refused.
    void StartUp();
    // "&Byt databas...".
    void ChangeDatabase();

    QWidget* OpenChildWindow(const QString& name, const TChildFactory& factory);
    bool ShowChildByName(const QString& name);
    // Frees the child windows, after asking when two or more are open; false when the user says no.
    bool CloseAllChildren();
    TChildWindowArea& ChildWindows() const { return *m_area; }

    // Puts a command behind a menu entry (found by its name) and enables it.
    // The screens of later work plug themselves in here.
    void SetMenuCommand(const QString& entryName, const std::function<void()>& command);
    // The menu entry of that name.
    QAction* MenuEntry(const QString& entryName) const;
    // The window menu ("&Fönster"), rebuilt whenever it opens.
    QMenu* WindowMenu() const { return m_windowMenu; }
    void RebuildWindowMenu();

private:
    void BuildMenus();
    QAction* AddEntry(QMenu* menu, const char* name, const QString& caption,
                      const QKeySequence& shortcut = {});
    QMenu* AddMenu(QMenu* parent, const char* name, const QString& caption);
    void ShowPageSetup();

    TChildWindowArea* m_area;
    QMenu* m_windowMenu = nullptr;
};
