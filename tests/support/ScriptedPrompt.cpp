#include "ScriptedPrompt.h"

#include <QTest>

TScriptedPrompt::TScriptedPrompt()
{
    SetPrompt(this);
}

TScriptedPrompt::~TScriptedPrompt()
{
    SetPrompt(nullptr);
}

QStringList TScriptedPrompt::Texts() const
{
    QStringList texts;
    for (const TAsked& asked : m_asked)
        texts.append(asked.Text);
    return texts;
}

void TScriptedPrompt::Reset()
{
    m_asked.clear();
    m_answers.clear();
    m_inputs.clear();
    m_fileNames.clear();
    m_beeps = 0;
}

TAnswer TScriptedPrompt::Message(TMessageKind kind, const QString& text, TButtons buttons)
{
    m_asked.append({kind, text, buttons});
    if (!m_answers.empty()) {
        const TAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (buttons == TButtons::OK)
        return TAnswer::OK;
    if (buttons == TButtons::Yes)
        return TAnswer::Yes;
    qWarning("Unscripted question: %s", qPrintable(text));
    return TAnswer::Cancel;
}

bool TScriptedPrompt::InputQuery(const QString&, const QString& prompt, QString& value)
{
    m_asked.append({TMessageKind::Confirmation, prompt, TButtons::OKCancel});
    if (m_inputs.empty())
        return false;
    value = m_inputs.front();
    m_inputs.pop_front();
    return true;
}

QString TScriptedPrompt::SaveFileName(const QString&, const QString&, const QString& proposedName, const QString&)
{
    LastProposedName = proposedName;
    if (m_fileNames.empty())
        return QString();
    const QString path = m_fileNames.front();
    m_fileNames.pop_front();
    return path;
}

QString TScriptedPrompt::OpenFileName(const QString&, const QString&, const QString&)
{
    if (m_fileNames.empty())
        return QString();
    const QString path = m_fileNames.front();
    m_fileNames.pop_front();
    return path;
}
