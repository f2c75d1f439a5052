#include "QueryUnit.h"

#include "ConnectionUnit.h"
#include "ErrorUnit.h"
#include "SQLCacheUnit.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString JoinLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + CRLF;
    return text;
}

bool IsIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::SChar: case QMetaType::UChar: case QMetaType::Char:
        return true;
    default:
        return false;
    }
}

bool IsFloatType(int typeId)
{
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

bool IsNullValue(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

bool IsAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return true;
}

TDateTime VariantAsDate(const QVariant& value)
{
    if (value.userType() == qMetaTypeId<TDateValue>())
        return value.value<TDateValue>().Value;
    if (value.userType() == QMetaType::QDate)
        return DateFromQDate(value.toDate());
    if (value.userType() == QMetaType::QDateTime)
        return DateTimeFromQDateTime(value.toDateTime());
    if (IsIntegerType(value.userType()) || IsFloatType(value.userType()))
        return value.toDouble();
    // Text columns hold what the query object wrote: "yyyy-mm-dd", maybe with a time.
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return 0;
    const QDateTime moment = QDateTime::fromString(text.left(19).replace(u'T', u' '), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (moment.isValid())
        return DateTimeFromQDateTime(moment);
    return TextToDate(text.left(10));
}

bool IsUniqueViolation(const QSqlError& error)
{
    const QString native = error.nativeErrorCode();
    const QString text = error.databaseText();
    return text.contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("PRIMARY KEY constraint"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("duplicate key"), Qt::CaseInsensitive)
        || native == QLatin1String("2067") || native == QLatin1String("1555")
        || native.contains(QLatin1String("2627")) || native.contains(QLatin1String("2601"));
}

} // namespace

QVariant DateParam(TDateTime value)
{
    return QVariant::fromValue(TDateValue{value});
}

TValdrona_ADOQuery::TValdrona_ADOQuery() : m_connection(GetConnection()) {}

// ---- Parameters ----

void TValdrona_ADOQuery::AddValue(const QString& table, const QString& column, const QVariant& value)
{
    AddParam(table, column, pkValue, value);
}

void TValdrona_ADOQuery::AddCondition(const QString& table, const QString& column, const QVariant& value)
{
    AddParam(table, column, pkAnd, value);
}

void TValdrona_ADOQuery::AddParam(const QString& table, const QString& column, quint8 kind, const QVariant& value)
{
    m_params.push_back({table, column, value, kind});
}

void TValdrona_ADOQuery::SetPlaceholder(const QString& name, const QVariant& value)
{
    AddParam(QString(), name, pkPlaceholder, value);
}

void TValdrona_ADOQuery::ClearParams()
{
    m_params.clear();
}

void TValdrona_ADOQuery::CloseAndClear()
{
    Close();
    ClearParams();
}

// ---- Templates ----

void TValdrona_ADOQuery::LoadTemplate(const QString& name)
{
    Close();
    m_sql = JoinLines(GetSQL(name));
}

// Every placeholder of the template text is replaced in one pass, so a value
// that happens to hold a placeholder's name (an invoice number "{State}")
// is never filled in again and cannot break its own quoting. Where several
// names match at one place, the one set first wins, as if they were replaced
// one after the other in list order.
void TValdrona_ADOQuery::ApplyPlaceholders(bool raw)
{
    std::vector<std::pair<QString, QString>> replacements;
    for (const TSQLParams& param : m_params) {
        if (param.Kind == pkPlaceholder && !param.Name.isEmpty())
            replacements.emplace_back(param.Name, FormatValue(param.Value, raw));
    }
    if (replacements.empty())
        return;
    QString firstLetters;
    for (const auto& replacement : replacements)
        firstLetters += replacement.first.front();
    QString filled;
    filled.reserve(m_sql.size());
    qsizetype position = 0;
    while (position < m_sql.size()) {
        if (!firstLetters.contains(m_sql[position])) {
            filled += m_sql[position++];
            continue;
        }
        const auto match = std::find_if(replacements.cbegin(), replacements.cend(), [&](const auto& replacement) {
            return QStringView(m_sql).mid(position).startsWith(replacement.first);
        });
        if (match == replacements.cend()) {
            filled += m_sql[position++];
            continue;
        }
        filled += match->second;
        position += match->first.size();
    }
    m_sql = filled;
}

void TValdrona_ADOQuery::OpenTemplate()
{
    ApplyPlaceholders(false);
    OpenSQL(m_sql);
}

std::optional<QVariant> TValdrona_ADOQuery::OpenTemplateScalar()
{
    ApplyPlaceholders(false);
    return OpenScalar(m_sql);
}

// ---- Running text ----

void TValdrona_ADOQuery::OpenSQL(const QString& text)
{
    const QString statement = text;   // text may be our own statement, which CloseAndClear keeps
    CloseAndClear();
    m_sql = statement;
    Open();
}

std::optional<QVariant> TValdrona_ADOQuery::OpenScalar(const QString& text)
{
    OpenSQL(text);
    if (IsEmpty() || FieldCount() == 0)
        return std::nullopt;
    return m_rows.front().front();
}

int TValdrona_ADOQuery::ExecText(const QString& text)
{
    const QString statement = text;
    CloseAndClear();
    m_sql = statement;
    int rowsAffected = 0;
    ExecuteSQL(false, &rowsAffected);
    return rowsAffected;
}

// ---- Building ----

int TValdrona_ADOQuery::Execute(const QString& table, int statementKind)
{
    Close();
    switch (statementKind) {
    case skInsert: return BuildInsert(table);
    case skUpdate: return BuildUpdate(table);
    case skDelete: return BuildDelete(table);
    case skSelect: BuildSelect(table); return 0;
    default: return -1;
    }
}

QString TValdrona_ADOQuery::Condition(const TSQLParams& param) const
{
    return param.Name + u' ' + ComparisonOperator(param.Value) + u' ' + FormatValue(param.Value, false);
}

int TValdrona_ADOQuery::BuildInsert(const QString& table)
{
    QStringList columns{QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (")};
    QStringList values{QStringLiteral(") VALUES (")};
    for (const TSQLParams& param : m_params) {
        if (param.Table != table)
            continue;
        // The comma goes between this table's own columns, whatever follows in the list.
        if (columns.size() > 1) {
            columns.last() += u',';
            values.last() += u',';
        }
        columns.append(param.Name);
        values.append(FormatValue(param.Value, false));
    }
    values.append(QStringLiteral(")"));
    return ExecText(JoinLines(columns) + u' ' + JoinLines(values));
}

int TValdrona_ADOQuery::BuildUpdate(const QString& table)
{
    QStringList assignments{QStringLiteral("UPDATE ") + table, QStringLiteral("SET")};
    QStringList conditions{QStringLiteral("WHERE")};
    for (const TSQLParams& param : m_params) {
        if (param.Table != table)
            continue;
        if (param.Kind == pkValue) {
            const QString assignment = param.Name + QStringLiteral(" = ") + FormatValue(param.Value, false);
            assignments.append(assignments.size() > 2 ? QStringLiteral(", ") + assignment : assignment);
        } else if (param.Kind == pkAnd) {
            conditions.append(conditions.size() > 1 ? QStringLiteral(" AND ") + Condition(param) : Condition(param));
        }
    }
    return ExecText(JoinLines(assignments) + u' ' + JoinLines(conditions));
}

// DELETE and SELECT join their conditions the same way: OR where the parameter
// says so, AND otherwise, in list order and without parentheses.
QStringList TValdrona_ADOQuery::ConditionLines(const QString& table) const
{
    QStringList lines;
    for (const TSQLParams& param : m_params) {
        if (param.Table != table)
            continue;
        if (lines.isEmpty())
            lines.append(Condition(param));
        else
            lines.append((param.Kind == pkOr ? QStringLiteral(" OR ") : QStringLiteral(" AND ")) + Condition(param));
    }
    return lines;
}

int TValdrona_ADOQuery::BuildDelete(const QString& table)
{
    const QStringList lines = QStringList{QStringLiteral("DELETE FROM ") + table, QStringLiteral("WHERE")}
        + ConditionLines(table);
    return ExecText(JoinLines(lines));
}

void TValdrona_ADOQuery::BuildSelect(const QString& table)
{
    const QStringList lines = QStringList{QStringLiteral("SELECT * FROM ") + table, QStringLiteral("WHERE")}
        + ConditionLines(table);
    m_sql = JoinLines(lines);
    Open();
}

bool TValdrona_ADOQuery::AnyRowExists()
{
    QStringList tables;
    for (const TSQLParams& param : m_params) {
        if (!tables.contains(param.Table, Qt::CaseInsensitive))
            tables.append(param.Table);
    }
    for (const QString& table : tables) {
        Execute(table, skSelect);
        if (!IsEmpty())
            return true;
    }
    return false;
}

// ---- The dataset ----

void TValdrona_ADOQuery::ExecuteSQL(bool fetchRows, int* rowsAffected)
{
    QSqlQuery query(m_connection);
    query.setForwardOnly(true);
    if (!query.exec(m_sql)) {
        const QSqlError error = query.lastError();
        throw EDatabaseError(error.text(), IsUniqueViolation(error));
    }
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    if (!fetchRows)
        return;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        m_columns.append(record.fieldName(i));
        m_columnIndex.insert(record.fieldName(i).toLower(), i);
    }
    while (query.next()) {
        std::vector<QVariant> row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row.push_back(query.value(i));
        m_rows.push_back(std::move(row));
    }
    m_active = true;
    m_row = 0;
}

void TValdrona_ADOQuery::Open()
{
    Close();
    ExecuteSQL(true, nullptr);
}

void TValdrona_ADOQuery::Close()
{
    m_active = false;
    m_columns.clear();
    m_columnIndex.clear();
    m_rows.clear();
    m_row = 0;
}

bool TValdrona_ADOQuery::Eof() const
{
    return m_row >= static_cast<int>(m_rows.size());
}

bool TValdrona_ADOQuery::IsEmpty() const
{
    return m_rows.empty();
}

void TValdrona_ADOQuery::First()
{
    m_row = 0;
}

void TValdrona_ADOQuery::Next()
{
    if (!Eof())
        ++m_row;
}

int TValdrona_ADOQuery::RecordCount() const
{
    return static_cast<int>(m_rows.size());
}

int TValdrona_ADOQuery::FieldCount() const
{
    return static_cast<int>(m_columns.size());
}

QString TValdrona_ADOQuery::FieldName(int index) const
{
    return m_columns.value(index);
}

bool TValdrona_ADOQuery::HasField(const QString& column) const
{
    return m_columnIndex.contains(column.toLower());
}

QVariant TValdrona_ADOQuery::Field(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw EError(QStringLiteral("Field index out of range (%1)").arg(index));
    // Before the first row and after the last, fields read as NULL.
    return Eof() ? QVariant() : m_rows[m_row][index];
}

QVariant TValdrona_ADOQuery::FieldByName(const QString& column) const
{
    const auto found = m_columnIndex.constFind(column.toLower());
    if (found == m_columnIndex.constEnd())
        throw EError(QStringLiteral("Field '") + column + QStringLiteral("' not found"));
    return Field(found.value());
}

int TValdrona_ADOQuery::VariantAsInteger(const QVariant& value)
{
    if (IsNullValue(value))
        return 0;
    if (IsFloatType(value.userType()))
        return static_cast<int>(std::llround(value.toDouble()));
    if (IsIntegerType(value.userType()) || value.userType() == QMetaType::Bool)
        return static_cast<int>(value.toLongLong());
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'") + value.toString() + QStringLiteral("' is not a valid integer value"));
    return number;
}

int TValdrona_ADOQuery::FieldAsInteger(const QString& column) const
{
    return VariantAsInteger(FieldByName(column));
}

double TValdrona_ADOQuery::FieldAsFloat(const QString& column) const
{
    const QVariant value = FieldByName(column);
    if (IsNullValue(value))
        return 0;
    if (IsFloatType(value.userType()) || IsIntegerType(value.userType()))
        return value.toDouble();
    return TextToFloat(value.toString());
}

double TValdrona_ADOQuery::FieldAsRoundedFloat(const QString& column, int decimals) const
{
    const QVariant value = FieldByName(column);
    if (IsNullValue(value))
        return 0;
    // Read through its text of at most 15 digits, so that a stored 0.30000000000000004 is 0.3.
    const QString text = IsFloatType(value.userType()) ? FormatFloat(value.toDouble()) : value.toString();
    return RoundToDecimals(decimals, TextToFloat(text));
}

QString TValdrona_ADOQuery::FieldAsText(const QString& column) const
{
    const QVariant value = FieldByName(column);
    if (IsNullValue(value))
        return QString();
    if (IsFloatType(value.userType()))
        return FormatFloat(value.toDouble()).replace(u'.', FormatSettings().DecimalSeparator);
    return value.toString();
}

TDateTime TValdrona_ADOQuery::FieldAsDate(const QString& column) const
{
    const QVariant value = FieldByName(column);
    return IsNullValue(value) ? 0 : VariantAsDate(value);
}

bool TValdrona_ADOQuery::FieldIsNull(const QString& column) const
{
    return IsNullValue(FieldByName(column));
}

// ---- Literals ----

QString TValdrona_ADOQuery::FormatFloat(double value)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value);
    // 15 significant digits, as "d.dddddddddddddde±x".
    const QString scientific = QString::number(value, 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    const int exponent = scientific.mid(e + 1).toInt();
    const bool negative = value < 0;
    QString digits = scientific.left(e);
    digits.remove(u'-');
    digits.remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString text;
    if (exponent >= 15 || std::fabs(value) < 0.00001) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += u'.' + digits.mid(1);
        text += u'E' + QString::number(exponent);
    } else if (exponent < 0) {
        text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() > exponent + 1) {
        text = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    } else {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    }
    return negative ? u'-' + text : text;
}

QString TValdrona_ADOQuery::FormatValue(const QVariant& value, bool raw)
{
    if (IsNullValue(value))
        return QStringLiteral("NULL");
    const int type = value.userType();
    if (type == qMetaTypeId<TDateValue>() || type == QMetaType::QDate || type == QMetaType::QDateTime) {
        const TDateTime date = VariantAsDate(value);
        return IsNoDate(date) ? QStringLiteral("NULL") : u'\'' + DateToText(date) + u'\'';
    }
    if (type == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (IsIntegerType(type))
        return QString::number(value.toLongLong());
    if (IsFloatType(type))
        return FormatFloat(value.toDouble());
    const QString text = QuoteSQLText(value.toString());
    if (raw)
        return text;
    // SQL Server keeps letters outside ASCII only in a national literal.
    const bool national = GetDatabaseType() == dtMSSQL && !IsAscii(text);
    return (national ? QStringLiteral("N'") : QStringLiteral("'")) + text + u'\'';
}

QString TValdrona_ADOQuery::ComparisonOperator(const QVariant& value)
{
    return IsNullValue(value) ? QStringLiteral("is") : QStringLiteral("=");
}
