// The GUI prompt: real message boxes with Swedish buttons, answered by clicking them.
#include "GuiPromptUnit.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(TButtons)
Q_DECLARE_METATYPE(TAnswer)
Q_DECLARE_METATYPE(TMessageKind)

namespace {

struct TSeenBox {
    QStringList Buttons;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

// Clicks the button with that text in the message box once it is shown, and
// remembers what the box showed.
void ClickWhenShown(const QString& buttonText, TSeenBox& seen)
{
    QTimer::singleShot(0, [buttonText, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen.Text = box->text();
        seen.Icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.Buttons.append(button->text());
            if (button->text() == buttonText)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    });
}

} // namespace

class TstGuiPrompt : public QObject {
    Q_OBJECT
private slots:
    void buttonSetsAndAnswers_data();
    void buttonSetsAndAnswers();
    void iconsFollowTheKind_data();
    void iconsFollowTheKind();
    void escapeGivesTheCautiousAnswer();
    void crlfTextShownAsLines();
    void inputQueryReturnsTypedText();
    void inputQueryCancelled();
    void installsItselfWhileItLives();
};

void TstGuiPrompt::buttonSetsAndAnswers_data()
{
    QTest::addColumn<TButtons>("buttons");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<TAnswer>("answer");
    QTest::newRow("OK") << TButtons::OK << QStringList{"OK"} << "OK" << TAnswer::OK;
    QTest::newRow("Yes/No, Ja") << TButtons::YesNo << QStringList{"Ja", "Nej"} << "Ja" << TAnswer::Yes;
    QTest::newRow("Yes/No, Nej") << TButtons::YesNo << QStringList{"Ja", "Nej"} << "Nej" << TAnswer::No;
    QTest::newRow("OK/Cancel, Avbryt") << TButtons::OKCancel << QStringList{"OK", "Avbryt"} << "Avbryt" << TAnswer::Cancel;
    QTest::newRow("OK/Cancel, OK") << TButtons::OKCancel << QStringList{"OK", "Avbryt"} << "OK" << TAnswer::OK;
    QTest::newRow("the single Yes") << TButtons::Yes << QStringList{"Ja"} << "Ja" << TAnswer::Yes;
}

void TstGuiPrompt::buttonSetsAndAnswers()
{
    QFETCH(TButtons, buttons);
    QFETCH(QStringList, texts);
    QFETCH(QString, clicked);
    QFETCH(TAnswer, answer);
    const TGuiPrompt prompt;
    TSeenBox seen;
    ClickWhenShown(clicked, seen);
    QCOMPARE(Prompt().Message(TMessageKind::Confirmation, QStringLiteral("Fråga"), buttons), answer);
    QStringList sorted = seen.Buttons;
    sorted.sort();
    texts.sort();
    QCOMPARE(sorted, texts);
}

void TstGuiPrompt::iconsFollowTheKind_data()
{
    QTest::addColumn<TMessageKind>("kind");
    QTest::addColumn<int>("icon");
    QTest::newRow("error") << TMessageKind::Error << int(QMessageBox::Critical);
    QTest::newRow("warning") << TMessageKind::Warning << int(QMessageBox::Warning);
    QTest::newRow("information") << TMessageKind::Information << int(QMessageBox::Information);
    QTest::newRow("confirmation") << TMessageKind::Confirmation << int(QMessageBox::Question);
}

void TstGuiPrompt::iconsFollowTheKind()
{
    QFETCH(TMessageKind, kind);
    QFETCH(int, icon);
    const TGuiPrompt prompt;
    TSeenBox seen;
    ClickWhenShown(QStringLiteral("OK"), seen);
    QCOMPARE(Prompt().Message(kind, QStringLiteral("Meddelande"), TButtons::OK), TAnswer::OK);
    QCOMPARE(int(seen.Icon), icon);
}

void TstGuiPrompt::escapeGivesTheCautiousAnswer()
{
    const TGuiPrompt prompt;
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QCOMPARE(Prompt().Message(TMessageKind::Confirmation, QStringLiteral("Byta?"), TButtons::YesNo), TAnswer::No);
}

void TstGuiPrompt::crlfTextShownAsLines()
{
    const TGuiPrompt prompt;
    TSeenBox seen;
    ClickWhenShown(QStringLiteral("OK"), seen);
    ShowError(QStringLiteral("Databasmallen saknas, kan inte skapa databas!\r\nKontrollera TEMPLATEPATH i ini-filen."));
    QCOMPARE(seen.Text, QStringLiteral("Databasmallen saknas, kan inte skapa databas!\nKontrollera TEMPLATEPATH i ini-filen."));
}

void TstGuiPrompt::inputQueryReturnsTypedText()
{
    const TGuiPrompt prompt;
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        caption = dialog->windowTitle();
        QLineEdit* edit = dialog->findChild<QLineEdit*>();
        QTest::keyClicks(edit, QStringLiteral("Bolag2012"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QString value;
    QVERIFY(Prompt().InputQuery(QStringLiteral("Ny databas"), QStringLiteral("Skriv i namnet på din nya databas."), value));
    QCOMPARE(value, QStringLiteral("Bolag2012"));
    QCOMPARE(caption, QStringLiteral("Ny databas"));
}

void TstGuiPrompt::inputQueryCancelled()
{
    const TGuiPrompt prompt;
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        QWidget* dialog = QApplication::activeModalWidget();
        for (auto* button : dialog->findChildren<QPushButton*>())
            buttons.append(button->text());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QString value = QStringLiteral("förslag");
    QVERIFY(!Prompt().InputQuery(QStringLiteral("Ny databas"), QStringLiteral("Namn"), value));
    QCOMPARE(value, QStringLiteral("förslag"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Avbryt", "OK"}));
}

void TstGuiPrompt::installsItselfWhileItLives()
{
    {
        const TGuiPrompt prompt;
        QCOMPARE(&Prompt(), static_cast<const IPrompt*>(&prompt));
    }
    QVERIFY(dynamic_cast<TConsolePrompt*>(&Prompt()));
}

QTEST_MAIN(TstGuiPrompt)
#include "tst_guiprompt.moc"
