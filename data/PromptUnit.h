#pragma once

#include <QString>
#include <QStringList>

// The one seam through which the program asks or tells the user anything.
// The GUI installs a prompt that shows real dialogs, the command-line program
// one that writes to standard error, and tests a scripted one.
enum class TMessageKind { Error, Warning, Information, Confirmation };
enum class TButtons { OK, YesNo, OKCancel, Yes, YesNoCancel };
enum class TAnswer { OK, Cancel, Yes, No };

class IPrompt {
public:
    virtual ~IPrompt() = default;
    virtual TAnswer Message(TMessageKind kind, const QString& text, TButtons buttons) = 0;
    // Returns false when the user cancels; value holds the proposal on entry.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
    // Return the chosen path, or the empty text when the user cancels.
    virtual QString SaveFileName(const QString& caption, const QString& folder,
                                 const QString& proposedName, const QString& filter) = 0;
    virtual QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual void Beep() = 0;
};

// The prompt in use; the console prompt until someone installs another.
IPrompt& Prompt();
// Installs a prompt (not owned); nullptr restores the console prompt.
void SetPrompt(IPrompt* prompt);

// Writes messages to standard error and answers every question with its
// cautious default (No, Cancel), since nobody can answer it.
class TConsolePrompt : public IPrompt {
public:
    TAnswer Message(TMessageKind kind, const QString& text, TButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    QString SaveFileName(const QString& caption, const QString& folder,
                         const QString& proposedName, const QString& filter) override;
    QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) override;
    void Beep() override;
};

// Shorthands for the plain OK boxes.
void ShowError(const QString& text);
void ShowWarning(const QString& text);
void ShowInformation(const QString& text);
