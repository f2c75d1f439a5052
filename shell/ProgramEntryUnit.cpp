#include "ProgramEntryUnit.h"

#include "ApplicationUnit.h"
#include "ErrorUnit.h"
#include "GuiPromptUnit.h"
#include "MainFormUnit.h"
#include "SingleInstanceUnit.h"
#include "ValdronaConstantUnit.h"

#include <QTimer>
#include <cstdio>
#include <memory>

int RunProgram(TApplication& application)
{
    std::unique_ptr<TSingleInstanceGuard> guard;
    try {
        guard = std::make_unique<TSingleInstanceGuard>(QCoreApplication::applicationFilePath(), 1);
    } catch (const EError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    if (!guard->MayRun())
        return 0;

    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromUtf8(ApplicationTitle));
    QApplication::setFont(ProgramFont());
    const TGuiPrompt prompt;
    TMainForm mainForm;
    QObject::connect(guard.get(), &TSingleInstanceGuard::ActivationRequested, &mainForm,
                     [&mainForm] { BringToFront(mainForm); });
    mainForm.show();
    QTimer::singleShot(0, &mainForm, [&mainForm] { RunGuarded([&mainForm] { mainForm.StartUp(); }); });
    return application.exec();
}
