#include "SettingsUnit.h"

#include "ErrorUnit.h"
#include "PromptUnit.h"
#include "QueryUnit.h"
#include "Valdrona_Class.h"

#include <optional>

namespace {

const QString SettingsTable = TablePrefix + QStringLiteral("Settings");

// The stored value, or nothing when the setting has no row; NULL reads as "".
std::optional<QString> ReadSetting(const QString& name)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getSetting.sql"));
    query.SetPlaceholder(QStringLiteral("{SettingName}"), name);
    query.OpenTemplate();
    if (query.IsEmpty())
        return std::nullopt;
    const QVariant value = query.Field(0);
    return value.isNull() ? QString() : value.toString();
}

} // namespace

QString GetSetting(const QString& name, const QString& defaultValue)
{
    return ReadSetting(name).value_or(defaultValue);
}

int GetSettingInt(const QString& name, int defaultValue)
{
    const std::optional<QString> value = ReadSetting(name);
    return value ? DigitsToInt(*value) : defaultValue;
}

bool GetSettingBool(const QString& name, bool defaultValue)
{
    const QString value = GetSetting(name, defaultValue ? QStringLiteral("1") : QStringLiteral("0"));
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'") + value + QStringLiteral("' is not a valid integer value"));
    return number > 0;
}

void SetSetting(const QString& name, const QString& value)
{
    const bool exists = ReadSetting(name).has_value();
    TValdrona_ADOQuery query;
    query.AddValue(SettingsTable, QStringLiteral("SettingValue"), value);
    query.AddValue(SettingsTable, QStringLiteral("SettingType"), 1);
    query.AddCondition(SettingsTable, QStringLiteral("SettingName"), name);
    query.Execute(SettingsTable, exists ? skUpdate : skInsert);
}

void SetSettingInt(const QString& name, int value)
{
    SetSetting(name, QString::number(value));
}

void SetSettingBool(const QString& name, bool value)
{
    SetSetting(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString GetLocalCurrency()
{
    const QString currency = GetSetting(QStringLiteral("LOCALCURRENCY"), QStringLiteral("ERROR"));
    if (currency == QLatin1String("ERROR")) {
        Prompt().Message(TMessageKind::Information, QStringLiteral("Error: No local currency specified in settings."),
                         TButtons::OK);
        return QString();
    }
    return currency;
}

bool HasAccess(const QString& accessName, int personId)
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getAccess.sql"));
    query.SetPlaceholder(QStringLiteral("{AccessName}"), accessName);
    query.SetPlaceholder(QStringLiteral("{PersonID}"), personId);
    query.OpenTemplate();
    if (query.IsEmpty())
        return false;
    const QVariant value = query.Field(0);
    bool ok = false;
    return !value.isNull() && value.toInt(&ok) == 1 && ok;
}

int CountPersons()
{
    TValdrona_ADOQuery query;
    query.LoadTemplate(QStringLiteral("getCountPersons.sql"));
    const std::optional<QVariant> count = query.OpenTemplateScalar();
    return count ? TValdrona_ADOQuery::VariantAsInteger(*count) : 0;
}
