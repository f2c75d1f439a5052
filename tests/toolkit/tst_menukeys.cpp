// Access keys given to the window menu's entries.
#include "MenuUnit.h"

#include <QTest>

class TstMenuKeys : public QObject {
    Q_OBJECT
private slots:
    void withAccessKey_data();
    void withAccessKey();
};

void TstMenuKeys::withAccessKey_data()
{
    QTest::addColumn<QString>("used");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("usedAfter");
    QTest::newRow("first letter") << "" << "Inställningar" << "&Inställningar" << "I";
    QTest::newRow("first letter taken") << "R" << "Registrering" << "R&egistrering" << "RE";
    QTest::newRow("taken regardless of case") << "I" << "inställningar" << "i&nställningar" << "IN";
    QTest::newRow("Swedish letter") << "S" << "Ärenden" << "&Ärenden" << "SÄ";
    QTest::newRow("blanks skipped") << "OM" << "Om Valdrona" << "Om &Valdrona" << "OMV";
    QTest::newRow("ampersand doubled") << "" << "A & B" << "&A && B" << "A";
    QTest::newRow("all taken") << "AB" << "ab" << "ab" << "AB";
}

void TstMenuKeys::withAccessKey()
{
    QFETCH(QString, used);
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    QFETCH(QString, usedAfter);
    QSet<QChar> keys(used.cbegin(), used.cend());
    QCOMPARE(WithAccessKey(caption, keys), expected);
    const QSet<QChar> after(usedAfter.cbegin(), usedAfter.cend());
    QCOMPARE(keys, after);
    QCOMPARE(AccessKeyOf(expected), expected == caption ? QChar() : expected[expected.indexOf(u'&') + 1].toUpper());
}

QTEST_MAIN(TstMenuKeys)
#include "tst_menukeys.moc"
