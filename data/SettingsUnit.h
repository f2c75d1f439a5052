#pragma once

#include <QString>

// Company settings, stored by name in expense_Settings. Every read goes to the database.
QString GetSetting(const QString& name, const QString& defaultValue);
int GetSettingInt(const QString& name, int defaultValue);
bool GetSettingBool(const QString& name, bool defaultValue);
void SetSetting(const QString& name, const QString& value);
void SetSettingInt(const QString& name, int value);
void SetSettingBool(const QString& name, bool value);
// LOCALCURRENCY; tells the user and returns "" when it is missing.
QString GetLocalCurrency();

bool HasAccess(const QString& accessName, int personId);
int CountPersons();
