#pragma once

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <functional>

// The application object of the GUI: an error that no screen catches is shown
// by the default error dialog with its message text, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs a command of a menu or button; an error it raises is shown and swallowed.
void RunGuarded(const std::function<void()>& command);
// Shows an error that no screen caught.
void ShowUncaughtError(const std::exception& error);

// The program's icon, for the main window and its child windows.
QIcon ProgramIcon();

// Tahoma 8 pt, or the nearest installed sans-serif font.
QFont ProgramFont();
