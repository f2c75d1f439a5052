#pragma once

#include "PromptUnit.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

// Answers the program's questions from a script and records what was asked.
// Installs itself as the prompt while it lives.
class TScriptedPrompt : public IPrompt {
public:
    struct TAsked {
        TMessageKind Kind;
        QString Text;
        TButtons Buttons;
    };

    TScriptedPrompt();
    ~TScriptedPrompt() override;

    // The next answers, in order; a message with no scripted answer gets OK/Yes
    // for a one-button box and fails the test otherwise.
    void Answer(TAnswer answer) { m_answers.push_back(answer); }
    void AnswerInput(const QString& text) { m_inputs.push_back(text); }
    void AnswerFileName(const QString& path) { m_fileNames.push_back(path); }

    const QList<TAsked>& Asked() const { return m_asked; }
    QStringList Texts() const;
    int Beeps() const { return m_beeps; }
    void Reset();

    TAnswer Message(TMessageKind kind, const QString& text, TButtons buttons) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    QString SaveFileName(const QString& caption, const QString& folder,
                         const QString& proposedName, const QString& filter) override;
    QString OpenFileName(const QString& caption, const QString& folder, const QString& filter) override;
    void Beep() override { ++m_beeps; }

    QString LastProposedName;

private:
    QList<TAsked> m_asked;
    std::deque<TAnswer> m_answers;
    std::deque<QString> m_inputs;
    std::deque<QString> m_fileNames;
    int m_beeps = 0;
};
