SELECT SettingValue, SettingName, SettingType FROM expense_Settings
WHERE SettingName = {SettingName}
