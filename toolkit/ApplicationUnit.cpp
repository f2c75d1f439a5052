#include "ApplicationUnit.h"

#include "ErrorUnit.h"
#include "PromptUnit.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowUncaughtError(error);
    }
    return false;
}

void RunGuarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ShowUncaughtError(error);
    }
}

void ShowUncaughtError(const std::exception& error)
{
    if (const auto* known = dynamic_cast<const EError*>(&error))
        ShowError(known->Message());
    else
        ShowError(QString::fromLocal8Bit(error.what()));
}

QFont ProgramFont()
{
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
