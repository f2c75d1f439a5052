// Company settings by name and type, access rights and the persons count.
#include "ErrorUnit.h"
#include "QueryUnit.h"
#include "ScriptedPrompt.h"
#include "SettingsUnit.h"
#include "TestCompany.h"

#include <QTest>

namespace {
void StoreRaw(const QString& name, const QVariant& value)
{
    TValdrona_ADOQuery query;
    query.AddValue(QStringLiteral("expense_Settings"), QStringLiteral("SettingValue"), value);
    query.AddValue(QStringLiteral("expense_Settings"), QStringLiteral("SettingType"), 1);
    query.AddValue(QStringLiteral("expense_Settings"), QStringLiteral("SettingName"), name);
    query.Execute(QStringLiteral("expense_Settings"), skInsert);
}

int Rows(const QString& name)
{
    TValdrona_ADOQuery query;
    return query.OpenScalar(QStringLiteral("select count(*) from expense_Settings where SettingName = '%1'").arg(name))->toInt();
}
}

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void readByType_data();
    void readByType();
    void boolOfNonNumberRaises();
    void setInsertsOnceThenUpdates();
    void localCurrency_data();
    void localCurrency();
    void accessAndPersons();
};

void TestSettings::readByType_data()
{
    QTest::addColumn<QVariant>("stored");     // invalid: no row
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");
    const QVariant noRow;
    const QVariant null = QVariant(QMetaType::fromType<QString>());
    QTest::newRow("no row") << noRow << "dflt" << -1 << true;
    QTest::newRow("NULL value") << null << "" << 0 << true;
    QTest::newRow("digits with a blank") << QVariant("12 34") << "12 34" << 1234 << true;
    QTest::newRow("minus is dropped") << QVariant("-5") << "-5" << 5 << false;
    QTest::newRow("one") << QVariant("1") << "1" << 1 << true;
    QTest::newRow("zero") << QVariant("0") << "0" << 0 << false;
}

void TestSettings::readByType()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, text);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    TTestCompany company(TTestCompany::TSource::Template);
    const QString name = QStringLiteral("TESTSETTING");
    if (stored.isValid())
        StoreRaw(name, stored);
    QCOMPARE(GetSetting(name, QStringLiteral("dflt")), text);
    QCOMPARE(GetSettingInt(name, -1), integer);
    if (stored.isValid() && (stored.isNull() || stored.toString().contains(u' ')))
        QVERIFY_THROWS_EXCEPTION(EConvertError, GetSettingBool(name, true));
    else
        QCOMPARE(GetSettingBool(name, true), boolean);
}

void TestSettings::boolOfNonNumberRaises()
{
    TTestCompany company(TTestCompany::TSource::Template);
    StoreRaw(QStringLiteral("SHADED_PDF"), QStringLiteral("ja"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, GetSettingBool(QStringLiteral("SHADED_PDF"), false));
}

void TestSettings::setInsertsOnceThenUpdates()
{
    TTestCompany company(TTestCompany::TSource::Template);
    SetSetting(QStringLiteral("COMPANYNAME"), QStringLiteral("Bolaget AB"));
    SetSetting(QStringLiteral("COMPANYNAME"), QStringLiteral("Åkeri & Söner's AB"));
    QCOMPARE(Rows(QStringLiteral("COMPANYNAME")), 1);
    QCOMPARE(GetSetting(QStringLiteral("COMPANYNAME"), QString()), QStringLiteral("Åkeri & Söner's AB"));
    SetSettingInt(QStringLiteral("CREDITACCOUNT"), 17);
    SetSettingBool(QStringLiteral("ROUNDAMOUNT_SUMVER"), true);
    QCOMPARE(GetSetting(QStringLiteral("CREDITACCOUNT"), QString()), QStringLiteral("17"));
    QCOMPARE(GetSettingBool(QStringLiteral("ROUNDAMOUNT_SUMVER"), false), true);
    SetSettingBool(QStringLiteral("ROUNDAMOUNT_SUMVER"), false);
    QCOMPARE(GetSetting(QStringLiteral("ROUNDAMOUNT_SUMVER"), QString()), QStringLiteral("0"));
}

void TestSettings::localCurrency_data()
{
    QTest::addColumn<QString>("stored");   // "-": no row
    QTest::addColumn<QString>("currency");
    QTest::addColumn<bool>("told");
    QTest::newRow("SEK") << "SEK" << "SEK" << false;
    QTest::newRow("missing") << "-" << "" << true;
    QTest::newRow("the text ERROR") << "ERROR" << "" << true;
}

void TestSettings::localCurrency()
{
    QFETCH(QString, stored);
    QFETCH(QString, currency);
    QFETCH(bool, told);
    TTestCompany company(TTestCompany::TSource::Template);
    TValdrona_ADOQuery query;
    query.ExecText(QStringLiteral("delete from expense_Settings where SettingName = 'LOCALCURRENCY'"));
    if (stored != QLatin1String("-"))
        SetSetting(QStringLiteral("LOCALCURRENCY"), stored);
    TScriptedPrompt prompt;
    QCOMPARE(GetLocalCurrency(), currency);
    QCOMPARE(prompt.Texts(), told ? QStringList{QStringLiteral("Error: No local currency specified in settings.")} : QStringList());
}

void TestSettings::accessAndPersons()
{
    TTestCompany company(TTestCompany::TSource::Template);
    QCOMPARE(CountPersons(), 1);
    TValdrona_ADOQuery query;
    query.ExecText(QStringLiteral("insert into expense_Access (PersonID, AccessName) values (7, 'CAN_FINISH')"));
    QVERIFY(HasAccess(QStringLiteral("CAN_FINISH"), 7));
    QVERIFY(!HasAccess(QStringLiteral("IS_SYSADMIN"), 7));
    QVERIFY(!HasAccess(QStringLiteral("CAN_FINISH"), 8));   // no access rows at all
    query.ExecText(QStringLiteral("delete from expense_Persons"));
    QCOMPARE(CountPersons(), 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
