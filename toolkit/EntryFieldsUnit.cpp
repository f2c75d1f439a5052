#include "EntryFieldsUnit.h"

#include "ValueConversionUnit.h"

#include <QFocusEvent>
#include <QKeyEvent>

TEntryField::TEntryField(QWidget* parent, TKeyFilter filter, TExitMask mask)
    : QLineEdit(parent), m_filter(filter), m_mask(mask)
{
}

bool TEntryField::Accepts(QChar c) const
{
    switch (m_filter) {
    case TKeyFilter::AnyKey: return true;
    case TKeyFilter::DigitKeys: return FilterDigitKey(c);
    case TKeyFilter::AmountKeys: return FilterAmountKey(text(), cursorPosition(), c, false);
    case TKeyFilter::SignedAmountKeys: return FilterAmountKey(text(), cursorPosition(), c, true);
    }
    return true;
}

bool TEntryField::IsMoveOnKey(const QKeyEvent* event) const
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    const bool ctrlG = event->text() == QStringLiteral("\x07")
        || (event->key() == Qt::Key_G && (event->modifiers() & Qt::ControlModifier));
    return m_moveOnCtrlG && ctrlG;
}

void TEntryField::keyPressEvent(QKeyEvent* event)
{
    if (IsMoveOnKey(event)) {
        event->accept();
        focusNextPrevChild(true);
        emit EnterPressed();
        return;
    }
    // Only printable characters are filtered; editing and navigation keys
    // (backspace, arrows, the clipboard shortcuts) keep their meaning.
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isPrint() && !Accepts(typed.front())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEntryField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu does not leave the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (!text().isEmpty()) {
        if (m_mask == TExitMask::Amount)
            setText(FormatAmountEdit(text()));
        else if (m_mask == TExitMask::Rate)
            setText(FormatRateEdit(text()));
    }
    emit Exited();
}
