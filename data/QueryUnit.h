#pragma once

#include "ValueConversionUnit.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

enum TParamKind : quint8 { pkValue = 1, pkAnd = 2, pkPlaceholder = 4, pkOr = 8 };
enum TStatementKind : int { skInsert = 1, skUpdate = 2, skDelete = 4, skSelect = 8 };

// One parameter of a statement: a column value, a condition or a template placeholder.
struct TSQLParams {
    QString Table;      // prefix included; empty for placeholders
    QString Name;       // column, or placeholder with its braces
    QVariant Value;     // invalid or null = NULL; wrap dates with DateParam
    quint8 Kind = pkValue;
};

// A date for a parameter, so that it is written as a date literal.
QVariant DateParam(TDateTime value);

// The one class through which SQL runs. Every result is read into memory when
// it is opened, so no statement stays open on the connection between calls.
class TValdrona_ADOQuery {
public:
    TValdrona_ADOQuery();   // raises "No DB connected!"

    // Parameters
    void AddValue(const QString& table, const QString& column, const QVariant& value);
    void AddCondition(const QString& table, const QString& column, const QVariant& value);
    void AddParam(const QString& table, const QString& column, quint8 kind, const QVariant& value);
    void SetPlaceholder(const QString& name, const QVariant& value);
    void ClearParams();
    void CloseAndClear();
    const std::vector<TSQLParams>& Params() const { return m_params; }

    // Templates
    void LoadTemplate(const QString& name);
    void ApplyPlaceholders(bool raw);
    void OpenTemplate();
    std::optional<QVariant> OpenTemplateScalar();

    // Running text
    void OpenSQL(const QString& text);
    std::optional<QVariant> OpenScalar(const QString& text);
    int ExecText(const QString& text);

    // Building
    int Execute(const QString& table, int statementKind);
    bool AnyRowExists();

    // The dataset
    const QString& SQL() const { return m_sql; }
    void SetSQL(const QString& text) { m_sql = text; }
    void Open();
    void Close();
    bool Active() const { return m_active; }
    bool Eof() const;
    bool IsEmpty() const;
    void First();
    void Next();
    int RecordCount() const;
    int FieldCount() const;
    QString FieldName(int index) const;
    bool HasField(const QString& column) const;
    QVariant Field(int index) const;
    QVariant FieldByName(const QString& column) const;   // raises for an unknown column

    // Field readers: NULL reads as 0, the empty text or no date.
    int FieldAsInteger(const QString& column) const;
    double FieldAsFloat(const QString& column) const;
    double FieldAsRoundedFloat(const QString& column, int decimals) const;
    QString FieldAsText(const QString& column) const;
    TDateTime FieldAsDate(const QString& column) const;
    bool FieldIsNull(const QString& column) const;

    static QString FormatValue(const QVariant& value, bool raw);
    static QString FormatFloat(double value);
    static QString ComparisonOperator(const QVariant& value);
    static int VariantAsInteger(const QVariant& value);

private:
    int BuildInsert(const QString& table);
    int BuildUpdate(const QString& table);
    int BuildDelete(const QString& table);
    void BuildSelect(const QString& table);
    QString Condition(const TSQLParams& param) const;
    QStringList ConditionLines(const QString& table) const;
    void ExecuteSQL(bool fetchRows, int* rowsAffected);

    QSqlDatabase m_connection;
    std::vector<TSQLParams> m_params;
    QString m_sql;
    bool m_active = false;
    QStringList m_columns;
    QHash<QString, int> m_columnIndex;   // lower-case names: columns are found without regard to case
    std::vector<std::vector<QVariant>> m_rows;
    int m_row = 0;
};
