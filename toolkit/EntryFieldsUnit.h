#pragma once

#include <QLineEdit>

// Which typed characters reach an entry field (the key filters of ValueConversionUnit).
enum class TKeyFilter {
    AnyKey,
    DigitKeys,          // digits and backspace
    AmountKeys,         // digits, one decimal comma
    SignedAmountKeys,   // as AmountKeys, and one leading minus
};

// How a field holding text is rewritten when the focus leaves it.
enum class TExitMask { None, Amount, Rate };

// The entry field of every screen: Enter moves on to the next field (the key is
// consumed), typed characters pass the field's key filter, and the text is
// rewritten with the field's mask when the field is left.
class TEntryField : public QLineEdit {
    Q_OBJECT
public:
    explicit TEntryField(QWidget* parent = nullptr, TKeyFilter filter = TKeyFilter::AnyKey,
                         TExitMask mask = TExitMask::None);

    void SetKeyFilter(TKeyFilter filter) { m_filter = filter; }
    void SetExitMask(TExitMask mask) { m_mask = mask; }
    // Several screens let Ctrl+G (character 7) move on as Enter does.
    void SetMoveOnCtrlG(bool moves) { m_moveOnCtrlG = moves; }

    // Whether the filter lets the character reach the field as it stands now.
    bool Accepts(QChar c) const;

signals:
    // Enter was pressed; the focus has already moved on.
    void EnterPressed();
    // The focus moved to another control of the window; the mask has been applied.
    void Exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool IsMoveOnKey(const QKeyEvent* event) const;

    TKeyFilter m_filter;
    TExitMask m_mask;
    bool m_moveOnCtrlG = false;
};
