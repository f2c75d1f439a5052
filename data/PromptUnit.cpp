#include "PromptUnit.h"

#include <cstdio>

namespace {
IPrompt*& CurrentPrompt()
{
    static IPrompt* prompt = nullptr;
    return prompt;
}
}

IPrompt& Prompt()
{
    static TConsolePrompt console;
    return CurrentPrompt() ? *CurrentPrompt() : console;
}

void SetPrompt(IPrompt* prompt)
{
    CurrentPrompt() = prompt;
}

TAnswer TConsolePrompt::Message(TMessageKind, const QString& text, TButtons buttons)
{
    // Messages are joined with CR LF; a terminal wants plain line feeds.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    std::fprintf(stderr, "%s\n", lines.toLocal8Bit().constData());
    switch (buttons) {
    case TButtons::OK: return TAnswer::OK;
    case TButtons::Yes: return TAnswer::Yes;
    case TButtons::OKCancel: return TAnswer::Cancel;
    case TButtons::YesNo:
    case TButtons::YesNoCancel: return TAnswer::No;
    }
    return TAnswer::Cancel;
}

bool TConsolePrompt::InputQuery(const QString&, const QString&, QString&)
{
    return false;
}

QString TConsolePrompt::SaveFileName(const QString&, const QString&, const QString&, const QString&)
{
    return {};
}

QString TConsolePrompt::OpenFileName(const QString&, const QString&, const QString&)
{
    return {};
}

void TConsolePrompt::Beep()
{
    std::fputc('\a', stderr);
}

void ShowError(const QString& text)
{
    Prompt().Message(TMessageKind::Error, text, TButtons::OK);
}

void ShowWarning(const QString& text)
{
    Prompt().Message(TMessageKind::Warning, text, TButtons::OK);
}

void ShowInformation(const QString& text)
{
    Prompt().Message(TMessageKind::Information, text, TButtons::OK);
}
