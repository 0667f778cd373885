#pragma once
// The statements that write a dataset's changes back: to one table (the one whose
// primary key the result carries), only that table's columns, found by the old key.
#include "data/fieldinfo.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace orva::data {

class DbConnection;

struct UpdateTarget {
    QString database;
    QString table;
    std::vector<int> keyColumns; ///< result columns of the table's primary key
    std::vector<int> columns;    ///< result columns of that table (each table column once)

    bool isValid() const { return !table.isEmpty() && !keyColumns.empty(); }
    /// "`db`.`table`"
    QByteArray qualifiedName() const;

    /// The table of the first primary-key column of the result; or the given table and
    /// key fields when a statement names them (views, results without key flags).
    static UpdateTarget find(const std::vector<FieldInfo>& fields, const QString& table = {},
                             const QStringList& keyFields = {});
};

using RowValues = std::vector<CellText>;

/// INSERT of the values given (NULL columns are left to their defaults).
QByteArray insertStatement(const DbConnection& c, const UpdateTarget& t,
                           const std::vector<FieldInfo>& fields, const RowValues& values);
/// UPDATE of the columns whose value changed, by the old key; empty when none changed.
QByteArray updateStatement(const DbConnection& c, const UpdateTarget& t,
                           const std::vector<FieldInfo>& fields, const RowValues& oldValues,
                           const RowValues& newValues);
/// DELETE by the old key.
QByteArray deleteStatement(const DbConnection& c, const UpdateTarget& t,
                           const std::vector<FieldInfo>& fields, const RowValues& oldValues);
/// SELECT of the table's columns by the key (re-reading a row before it is edited).
QByteArray selectRowStatement(const DbConnection& c, const UpdateTarget& t,
                              const std::vector<FieldInfo>& fields, const RowValues& values);

} // namespace orva::data
