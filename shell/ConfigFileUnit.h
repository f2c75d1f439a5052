#pragma once

#include <QString>

// The installation's configuration file (qvb.ini beside the program) and the
// server description files. Every read and write opens the file anew.

inline constexpr QChar PathSeparator = u'/';

QString GetProgramPath();                 // the program's folder with a trailing separator
// Tests and tools run from another folder than the installation: an empty path restores the real one.
void SetProgramPath(const QString& folder);
QString GetIniFileName();

QString ReadIniString(const QString& fileName, const QString& section, const QString& key);
void WriteIniString(const QString& fileName, const QString& section, const QString& key,
                    const QString& value);   // raises EError when the file cannot be written

QString ReplaceProgramPath(const QString& text);
// SETTINGS/<key> of the configuration file, {ProgramPath} replaced, with a trailing separator.
QString GetFolderSetting(const QString& key);
QString GetDatabasePath();
QString GetTemplatePath();
QString GetSQLFilePath();
