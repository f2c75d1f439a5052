#include "GuiPromptUnit.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget* DialogParent()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon IconOf(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::Error: return QMessageBox::Critical;
    case TMessageKind::Warning: return QMessageBox::Warning;
    case TMessageKind::Information: return QMessageBox::Information;
    case TMessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The caption the message boxes of the home platform carry for each kind.
QString CaptionOf(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::Error: return QStringLiteral("Fel");
    case TMessageKind::Warning: return QStringLiteral("Varning");
    case TMessageKind::Information: return QStringLiteral("Information");
    case TMessageKind::Confirmation: return QStringLiteral("Bekräfta");
    }
    return QString();
}

struct TButtonSpec {
    TAnswer Answer;
    QMessageBox::ButtonRole Role;
    const char* Text;
};

QList<TButtonSpec> ButtonsOf(TButtons buttons)
{
    const TButtonSpec ok{TAnswer::OK, QMessageBox::AcceptRole, "OK"};
    const TButtonSpec cancel{TAnswer::Cancel, QMessageBox::RejectRole, "Avbryt"};
    const TButtonSpec yes{TAnswer::Yes, QMessageBox::YesRole, "Ja"};
    const TButtonSpec no{TAnswer::No, QMessageBox::NoRole, "Nej"};
    switch (buttons) {
    case TButtons::OK: return {ok};
    case TButtons::YesNo: return {yes, no};
    case TButtons::OKCancel: return {ok, cancel};
    case TButtons::Yes: return {yes};
    case TButtons::YesNoCancel: return {yes, no, cancel};
    }
    return {ok};
}

// Closing the box without a button gives the most cautious answer of its set.
TAnswer EscapeAnswer(TButtons buttons)
{
    switch (buttons) {
    case TButtons::OK: return TAnswer::OK;
    case TButtons::Yes: return TAnswer::Yes;
    case TButtons::YesNo: return TAnswer::No;
    case TButtons::OKCancel:
    case TButtons::YesNoCancel: return TAnswer::Cancel;
    }
    return TAnswer::Cancel;
}

} // namespace

QString DisplayLines(const QString& text)
{
    QString lines = text;
    return lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

TGuiPrompt::TGuiPrompt()
{
    SetPrompt(this);
}

TGuiPrompt::~TGuiPrompt()
{
    SetPrompt(nullptr);
}

TAnswer TGuiPrompt::Message(TMessageKind kind, const QString& text, TButtons buttons)
{
    QMessageBox box(IconOf(kind), CaptionOf(kind), DisplayLines(text), QMessageBox::NoButton, DialogParent());
    QList<QPair<QAbstractButton*, TAnswer>> answers;
    for (const TButtonSpec& spec : ButtonsOf(buttons))
        answers.append({box.addButton(QString::fromUtf8(spec.Text), spec.Role), spec.Answer});
    box.setDefaultButton(static_cast<QPushButton*>(answers.first().first));
    box.exec();
    for (const auto& [button, answer] : answers) {
        if (box.clickedButton() == button)
            return answer;
    }
    return EscapeAnswer(buttons);
}

bool TGuiPrompt::InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Avbryt"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QString TGuiPrompt::SaveFileName(const QString& caption, const QString& folder,
                                 const QString& proposedName, const QString& filter)
{
    const QString start = proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
    return QFileDialog::getSaveFileName(DialogParent(), caption, start, filter);
}

QString TGuiPrompt::OpenFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(DialogParent(), caption, folder, filter);
}

void TGuiPrompt::Beep()
{
    QApplication::beep();
}
