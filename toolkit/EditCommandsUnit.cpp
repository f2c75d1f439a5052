#include "EditCommandsUnit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

void RunOnLineEdit(QLineEdit& edit, TEditCommand command)
{
    switch (command) {
    case TEditCommand::Cut: edit.cut(); break;
    case TEditCommand::Copy: edit.copy(); break;
    case TEditCommand::Paste: edit.paste(); break;
    case TEditCommand::Delete:
        // Delete clears the selection, as the menu entry says; it is no Delete key.
        if (edit.hasSelectedText() && !edit.isReadOnly())
            edit.del();
        break;
    }
}

template <class TTextEditor>
void RunOnTextEditor(TTextEditor& edit, TEditCommand command)
{
    switch (command) {
    case TEditCommand::Cut: edit.cut(); break;
    case TEditCommand::Copy: edit.copy(); break;
    case TEditCommand::Paste: edit.paste(); break;
    case TEditCommand::Delete:
        if (!edit.isReadOnly())
            edit.textCursor().removeSelectedText();
        break;
    }
}

} // namespace

void RunEditCommand(TEditCommand command)
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focused); combo && combo->lineEdit())
        focused = combo->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(focused))
        RunOnLineEdit(*edit, command);
    else if (auto* text = qobject_cast<QTextEdit*>(focused))
        RunOnTextEditor(*text, command);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focused))
        RunOnTextEditor(*plain, command);
}
