#include "Valdrona_Class.h"

#include "ConnectionUnit.h"
#include "ErrorUnit.h"

namespace {
constexpr int MaxKeyAttempts = 20;
}

TValdrona::TValdrona(const QString& tableName, const QString& keyColumn, QObject* owner)
    : QObject(owner), TableName(tableName), KeyColumn(keyColumn), m_connection(GetConnection()),
      m_query(std::make_unique<TValdrona_ADOQuery>())
{
}

TValdrona::~TValdrona() = default;

void TValdrona::Clear() {}

bool TValdrona::IsValid()
{
    return true;
}

void TValdrona::LoadFromQuery(TValdrona_ADOQuery& query)
{
    Clear();
    Id = query.FieldAsInteger(KeyColumn);
}

int TValdrona::LoadById(int key)
{
    if (!m_connection.isValid())
        throw EError(QStringLiteral("ADOConnection is not set!"));
    Query().CloseAndClear();
    Id = 0;
    if (key > 0) {
        Query().OpenSQL(QStringLiteral("select * from ") + PrefixedTableName() + QStringLiteral(" where ")
                        + KeyColumn + QStringLiteral(" = ") + QString::number(key));
        LoadFromQuery(Query());
    }
    const int result = Id;
    Query().CloseAndClear();
    return result;
}

int TValdrona::Save()
{
    try {
        AddFieldValues();
        if (Id <= 0) {
            Id = NextId();
            AddKeyCondition(Id);
            Query().Execute(PrefixedTableName(), skInsert);
        } else {
            AddKeyCondition(Id);
            Query().Execute(PrefixedTableName(), skUpdate);
        }
    } catch (...) {
        // Leftover values would join the next save's statement.
        Query().CloseAndClear();
        throw;
    }
    return Id;
}

int TValdrona::Delete()
{
    if (!CanDelete())
        return -1;
    if (Id <= 0)
        return 0;
    Query().CloseAndClear();
    Query().AddValue(PrefixedTableName(), KeyColumn, Id);
    return Query().Execute(PrefixedTableName(), skDelete);
}

// The key is the highest key handed out + 1, recorded in the sequence table
// before the row is inserted. The sequence table's id is unique, so when
// another program takes the same candidate first, its insert is refused; the
// next candidate is then tried, beyond whatever the other program has taken
// meanwhile.
int TValdrona::NextId()
{
    TValdrona_ADOQuery keyQuery;
    int candidate = HighestKey(keyQuery) + 1;
    const QString sequenceTable = TableName + QStringLiteral("_seq");
    for (int attempt = 1; attempt <= MaxKeyAttempts; ++attempt) {
        keyQuery.CloseAndClear();
        keyQuery.AddCondition(sequenceTable, QStringLiteral("id"), candidate);
        try {
            keyQuery.Execute(sequenceTable, skInsert);
            return candidate;
        } catch (const EDatabaseError& error) {
            if (!error.IsUniqueViolation())
                throw;
        }
        candidate = std::max(candidate + 1, HighestKey(keyQuery) + 1);
    }
    throw EError(QStringLiteral("nextId didn't return a correct value for ") + TableName);
}

int TValdrona::HighestKey(TValdrona_ADOQuery& keyQuery) const
{
    keyQuery.CloseAndClear();
    keyQuery.LoadTemplate(QStringLiteral("getTablePK.sql"));
    keyQuery.SetPlaceholder(QStringLiteral("{TableName}"), TableName);
    keyQuery.ApplyPlaceholders(true);
    const std::optional<QVariant> answer = keyQuery.OpenTemplateScalar();
    return std::max(0, answer ? TValdrona_ADOQuery::VariantAsInteger(*answer) : 0);
}

void TValdrona::AddKeyCondition(int key)
{
    Query().AddCondition(PrefixedTableName(), KeyColumn, key);
}

void TValdrona::SetId(int key)
{
    if (key >= 0)
        Id = key;
}

int TValdrona::GetId() const
{
    return Id > 0 ? Id : 0;
}
