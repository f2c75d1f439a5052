// Entry fields: Enter moves on, typed characters pass the key filter, and the
// text is rewritten with the mask when the field is left.
#include "EntryFieldsUnit.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

class TstEntryFields : public QObject {
    Q_OBJECT

    struct TWindow {
        QWidget Window;
        TEntryField* Field;
        TEntryField* Next;
        explicit TWindow(TKeyFilter filter, TExitMask mask = TExitMask::None)
        {
            auto* layout = new QVBoxLayout(&Window);
            Field = new TEntryField(&Window, filter, mask);
            Next = new TEntryField(&Window);
            layout->addWidget(Field);
            layout->addWidget(Next);
            Window.show();
            QApplication::setActiveWindow(&Window);
            Field->setFocus();
        }
    };

private slots:
    void filtersTypedKeys_data();
    void filtersTypedKeys();
    void enterMovesOnAndIsConsumed_data();
    void enterMovesOnAndIsConsumed();
    void ctrlGMovesOnOnlyWhenAsked();
    void maskAppliedWhenLeft_data();
    void maskAppliedWhenLeft();
    void backspaceAndArrowsStillEdit();
};

void TstEntryFields::filtersTypedKeys_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("any key") << int(TKeyFilter::AnyKey) << "Kaffe 12,5 -x" << "Kaffe 12,5 -x";
    QTest::newRow("digits drop letters and signs") << int(TKeyFilter::DigitKeys) << "1a2-3,4 5" << "12345";
    QTest::newRow("amount takes one comma") << int(TKeyFilter::AmountKeys) << "12,3,4" << "12,34";
    QTest::newRow("amount without minus") << int(TKeyFilter::AmountKeys) << "-12" << "12";
    QTest::newRow("amount drops a point") << int(TKeyFilter::AmountKeys) << "12.50" << "1250";
    QTest::newRow("signed amount leading minus") << int(TKeyFilter::SignedAmountKeys) << "-1-2,5" << "-12,5";
    QTest::newRow("signed amount minus only at start") << int(TKeyFilter::SignedAmountKeys) << "3-4" << "34";
}

void TstEntryFields::filtersTypedKeys()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TWindow window(static_cast<TKeyFilter>(filter));
    QTest::keyClicks(window.Field, typed);
    QCOMPARE(window.Field->text(), expected);
}

void TstEntryFields::enterMovesOnAndIsConsumed_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TstEntryFields::enterMovesOnAndIsConsumed()
{
    QFETCH(int, key);
    TWindow window(TKeyFilter::DigitKeys);
    QSignalSpy entered(window.Field, &TEntryField::EnterPressed);
    QTest::keyClicks(window.Field, "12");
    QTest::keyClick(window.Field, Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), window.Next);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(window.Field->text(), QStringLiteral("12"));
    QCOMPARE(window.Next->text(), QString());
}

void TstEntryFields::ctrlGMovesOnOnlyWhenAsked()
{
    TWindow window(TKeyFilter::AnyKey);
    QTest::keyClick(window.Field, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), window.Field);
    window.Field->SetMoveOnCtrlG(true);
    QTest::keyClick(window.Field, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), window.Next);
}

void TstEntryFields::maskAppliedWhenLeft_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("amount gets two decimals") << int(TExitMask::Amount) << "12" << "12,00";
    QTest::newRow("amount rounded") << int(TExitMask::Amount) << "-7,125" << "-7,13";
    QTest::newRow("empty amount stays empty") << int(TExitMask::Amount) << "" << "";
    QTest::newRow("rate keeps its decimals") << int(TExitMask::Rate) << "10,4567" << "10,4567";
    QTest::newRow("no mask") << int(TExitMask::None) << "12" << "12";
}

void TstEntryFields::maskAppliedWhenLeft()
{
    QFETCH(int, mask);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TWindow window(TKeyFilter::SignedAmountKeys, static_cast<TExitMask>(mask));
    QSignalSpy exited(window.Field, &TEntryField::Exited);
    QTest::keyClicks(window.Field, typed);
    QTest::keyClick(window.Field, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.Next);
    QCOMPARE(window.Field->text(), expected);
    QCOMPARE(exited.count(), 1);
}

void TstEntryFields::backspaceAndArrowsStillEdit()
{
    TWindow window(TKeyFilter::SignedAmountKeys);
    QTest::keyClicks(window.Field, "12,5");
    QTest::keyClick(window.Field, Qt::Key_Backspace);
    QTest::keyClick(window.Field, Qt::Key_Backspace);
    QTest::keyClicks(window.Field, ",7");
    QTest::keyClick(window.Field, Qt::Key_Home);
    QTest::keyClicks(window.Field, "-");
    QCOMPARE(window.Field->text(), QStringLiteral("-12,7"));
}

QTEST_MAIN(TstEntryFields)
#include "tst_entryfields.moc"
