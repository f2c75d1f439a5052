#pragma once

#include "QueryUnit.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <memory>

inline const QString TablePrefix = QStringLiteral("expense_");

// Base of every persistent object: one object mirrors one row of one table.
class TValdrona : public QObject {
    Q_OBJECT
public:
    TValdrona(const QString& tableName, const QString& keyColumn, QObject* owner = nullptr);
    ~TValdrona() override;

    const QString TableName;
    const QString KeyColumn;

    virtual void Clear();
    virtual bool CanDelete() = 0;
    virtual bool IsValid();
    virtual void LoadFromQuery(TValdrona_ADOQuery& query);
    virtual int Save();
    virtual int Delete();
    virtual void AddFieldValues() = 0;
    virtual QString GetDisplayText() = 0;

    int LoadById(int key);
    int NextId();
    void AddKeyCondition(int key);
    void SetId(int key);
    int GetId() const;
    QString PrefixedTableName() const { return TablePrefix + TableName; }

    int Id = 0;
    // The entity's own query object.
    TValdrona_ADOQuery& Query() { return *m_query; }

private:
    int HighestKey(TValdrona_ADOQuery& keyQuery) const;

    QSqlDatabase m_connection;
    std::unique_ptr<TValdrona_ADOQuery> m_query;
};
