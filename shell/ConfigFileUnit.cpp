#include "ConfigFileUnit.h"

#include "ErrorUnit.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>
#include <vector>

namespace {

QString& ProgramPathOverride()
{
    static QString folder;
    return folder;
}

QString WithTrailingSeparator(const QString& folder)
{
    return folder.endsWith(PathSeparator) ? folder : folder + PathSeparator;
}

// One physical line of an INI file, kept as its bytes so that a write gives back
// every line it does not change exactly as it was read.
struct TIniLine {
    QByteArray Text;
    QByteArray Ending; // "\r\n", "\n", "\r", or empty for a last line without one
};

std::vector<TIniLine> SplitLines(const QByteArray& content)
{
    std::vector<TIniLine> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = start;
        while (end < content.size() && content[end] != '\n' && content[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < content.size())
            next += (content[next] == '\r' && next + 1 < content.size() && content[next + 1] == '\n') ? 2 : 1;
        lines.push_back({content.mid(start, end - start), content.mid(end, next - end)});
        start = next;
    }
    return lines;
}

// New lines follow the file's own line ends; a file without any gets line feeds.
QByteArray LineEndStyle(const std::vector<TIniLine>& lines)
{
    for (const TIniLine& line : lines) {
        if (!line.Ending.isEmpty())
            return line.Ending;
    }
    return "\n";
}

// Files written by this program are UTF-8; older ones may come from an ANSI editor.
QString DecodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

enum class TLineKind { Other, Section, Key };

struct TParsedLine {
    TLineKind Kind = TLineKind::Other;
    QString Name;
    QString Value;
};

TParsedLine ParseLine(const QByteArray& bytes)
{
    const QString line = DecodeLine(bytes).trimmed();
    if (line.startsWith(u';') || line.startsWith(u'#'))
        return {};
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        if (close < 0)
            return {};
        return {TLineKind::Section, line.mid(1, close - 1).trimmed(), {}};
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return {};
    return {TLineKind::Key, line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key stands in the file, or where it would be added to its section.
struct TKeyPlace {
    std::optional<size_t> KeyLine;
    std::optional<size_t> LastLineOfSection; // the header, or the section's last key line
};

TKeyPlace FindKey(const std::vector<TIniLine>& lines, const QString& section, const QString& key)
{
    TKeyPlace place;
    bool inSection = false;
    bool inFirstSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const TParsedLine parsed = ParseLine(lines[i].Text);
        if (parsed.Kind == TLineKind::Section) {
            inSection = SameName(parsed.Name, section);
            inFirstSection = inSection && !place.LastLineOfSection;
            if (inFirstSection)
                place.LastLineOfSection = i;
        } else if (parsed.Kind == TLineKind::Key && inSection) {
            if (SameName(parsed.Name, key)) {
                place.KeyLine = i;
                return place;
            }
            if (inFirstSection)
                place.LastLineOfSection = i;
        }
    }
    return place;
}

QByteArray ReadWholeFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {};
    // An existing file that cannot be read must not be replaced by a file holding
    // only the new key.
    if (!file.open(QIODevice::ReadOnly))
        throw EError(QStringLiteral("Cannot read the file %1: %2").arg(fileName, file.errorString()));
    return file.readAll();
}

// Replaces what follows "=" and the blanks after it, keeping how the key was written.
QByteArray WithValue(const QByteArray& keyLine, const QByteArray& value)
{
    qsizetype valueStart = keyLine.indexOf('=') + 1;
    while (valueStart < keyLine.size() && (keyLine[valueStart] == ' ' || keyLine[valueStart] == '\t'))
        ++valueStart;
    return keyLine.left(valueStart) + value;
}

void InsertLine(std::vector<TIniLine>& lines, size_t position, const QByteArray& text, const QByteArray& ending)
{
    if (position > 0 && lines[position - 1].Ending.isEmpty())
        lines[position - 1].Ending = ending;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(position), TIniLine{text, ending});
}

void CheckEntry(const QString& fileName, const QString& section, const QString& key, const QString& value)
{
    // A line break would split the entry and could plant another key in the file.
    const auto hasLineBreak = [](const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); };
    // Names are read back trimmed, so blanks around them could never be found again.
    const auto isName = [](const QString& name) { return !name.isEmpty() && name.trimmed() == name; };
    if (!isName(section) || !isName(key) || hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)
        || section.contains(u']') || key.contains(u'='))
        throw EError(QStringLiteral("Cannot write key \"%1\" of section \"%2\" to the file %3: invalid name or value")
                         .arg(key, section, fileName));
}

} // namespace

QString GetProgramPath()
{
    if (!ProgramPathOverride().isEmpty())
        return ProgramPathOverride();
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

void SetProgramPath(const QString& folder)
{
    ProgramPathOverride() = folder.isEmpty() ? QString() : WithTrailingSeparator(folder);
}

QString GetIniFileName()
{
    return GetProgramPath() + QStringLiteral("qvb.ini");
}

QString ReadIniString(const QString& fileName, const QString& section, const QString& key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inSection = false;
    for (const TIniLine& line : SplitLines(file.readAll())) {
        const TParsedLine parsed = ParseLine(line.Text);
        if (parsed.Kind == TLineKind::Section)
            inSection = SameName(parsed.Name, section);
        else if (parsed.Kind == TLineKind::Key && inSection && SameName(parsed.Name, key))
            return parsed.Value;
    }
    return {};
}

void WriteIniString(const QString& fileName, const QString& section, const QString& key, const QString& value)
{
    CheckEntry(fileName, section, key, value);
    std::vector<TIniLine> lines = SplitLines(ReadWholeFile(fileName));
    const QByteArray ending = LineEndStyle(lines);
    const QByteArray valueBytes = value.trimmed().toUtf8();

    const TKeyPlace place = FindKey(lines, section, key);
    if (place.KeyLine) {
        lines[*place.KeyLine].Text = WithValue(lines[*place.KeyLine].Text, valueBytes);
    } else {
        const QByteArray keyLine = key.toUtf8() + '=' + valueBytes;
        if (place.LastLineOfSection) {
            InsertLine(lines, *place.LastLineOfSection + 1, keyLine, ending);
        } else {
            InsertLine(lines, lines.size(), '[' + section.toUtf8() + ']', ending);
            InsertLine(lines, lines.size(), keyLine, ending);
        }
    }

    // Written beside the file and renamed over it, so that a failed write leaves
    // the old file whole.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EError(QStringLiteral("Cannot write the file %1: %2").arg(fileName, file.errorString()));
    for (const TIniLine& line : lines) {
        file.write(line.Text);
        file.write(line.Ending);
    }
    if (!file.commit())
        throw EError(QStringLiteral("Cannot write the file %1: %2").arg(fileName, file.errorString()));
}

QString ReplaceProgramPath(const QString& text)
{
    QString programFolder = GetProgramPath();
    programFolder.chop(1);
    QString replaced = text;
    return replaced.replace(QStringLiteral("{ProgramPath}"), programFolder);
}

QString GetFolderSetting(const QString& key)
{
    return WithTrailingSeparator(ReplaceProgramPath(ReadIniString(GetIniFileName(), QStringLiteral("SETTINGS"), key)));
}

QString GetDatabasePath()
{
    return GetFolderSetting(QStringLiteral("DATABASEPATH"));
}

QString GetTemplatePath()
{
    return GetFolderSetting(QStringLiteral("TEMPLATEPATH"));
}

QString GetSQLFilePath()
{
    return GetFolderSetting(QStringLiteral("SQLFILEPATH"));
}
