#pragma once

// Direct reads and writes of a test company, beside the model under test.
#include "QueryUnit.h"

#include <QString>
#include <QVariant>

inline QVariant Scalar(const QString& sql)
{
    TValdrona_ADOQuery query;
    return query.OpenScalar(sql).value_or(QVariant());
}

inline int Count(const QString& sql)
{
    return Scalar(sql).toInt();
}

inline void Exec(const QString& sql)
{
    TValdrona_ADOQuery query;
    query.ExecText(sql);
}
