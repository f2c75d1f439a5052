#pragma once

#include "PromptUnit.h"

class QWidget;

// The prompt of the GUI: modal message boxes, the input dialog and the file
// dialogs, with Swedish button texts. Installs itself while it lives.
class TGuiPrompt : public IPrompt {
public:
    TGuiPrompt();
    ~TGuiPrompt() override;
    TGuiPrompt(const TGuiPrompt&) = delete;
    TGuiPrompt& operator=(const TGuiPrompt&) = delete;

    TAnswer Message(TMessageKind kind, const QString& text, TButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    QString SaveFileName(const QString& caption, const QString& folder,
                         const QString& proposedName, const QString& filter) override;
    QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) override;
    void Beep() override;
};

// Messages are joined with CR LF; a label wants plain line feeds.
QString DisplayLines(const QString& text);
