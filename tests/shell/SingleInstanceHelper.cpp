// A copy of a program guarded against a second start: prints "running" when it
// may run, "ended" when it brought the first copy forward instead, and
// "activated" whenever a later copy asks it to come forward. A line "quit" on
// standard input ends it cleanly.
#include "SingleInstanceUnit.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    TSingleInstanceGuard guard(QCoreApplication::applicationFilePath(), 1);
    const auto say = [](const char* line) {
        std::printf("%s\n", line);
        std::fflush(stdout);
    };
    if (!guard.MayRun()) {
        say("ended");
        return 0;
    }
    QObject::connect(&guard, &TSingleInstanceGuard::ActivationRequested, [&] { say("activated"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0 || QByteArray(buffer, 4) == "quit")
            QCoreApplication::quit();
    });
    say("running");
    return application.exec();
}
