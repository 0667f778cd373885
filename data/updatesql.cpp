#include "data/updatesql.h"

#include "data/dbconnection.h"

namespace orva::data {
namespace {

QByteArray column(const std::vector<FieldInfo>& fields, int i) {
    const FieldInfo& f = fields[static_cast<std::size_t>(i)];
    return quoteIdentifier(f.orgName.isEmpty() ? f.name : f.orgName);
}

QByteArray literalBytes(const DbConnection& c, const CellText& v) {
    return v ? '\'' + c.escape(*v) + '\'' : QByteArray("NULL");
}

QByteArray whereKey(const DbConnection& c, const UpdateTarget& t,
                    const std::vector<FieldInfo>& fields, const RowValues& values) {
    QByteArray out = " WHERE ";
    bool first = true;
    for (int k : t.keyColumns) {
        if (!first)
            out += " AND ";
        first = false;
        const CellText& v = values[static_cast<std::size_t>(k)];
        out += column(fields, k) + (v ? " = " + literalBytes(c, v) : QByteArray(" IS NULL"));
    }
    return out;
}

} // namespace

QByteArray UpdateTarget::qualifiedName() const {
    return database.isEmpty() ? quoteIdentifier(table)
                              : quoteIdentifier(database) + '.' + quoteIdentifier(table);
}

UpdateTarget UpdateTarget::find(const std::vector<FieldInfo>& fields, const QString& table,
                                const QStringList& keyFields) {
    UpdateTarget t;
    const int n = static_cast<int>(fields.size());
    if (!table.isEmpty()) {
        t.table = table;
        for (int i = 0; i < n; ++i)
            if (fields[i].orgTable.compare(table, Qt::CaseInsensitive) == 0 && t.database.isEmpty())
                t.database = fields[i].database;
    } else {
        for (int i = 0; i < n; ++i) {
            if (fields[i].isPrimaryKey() && !fields[i].orgTable.isEmpty()) {
                t.table = fields[i].orgTable;
                t.database = fields[i].database;
                break;
            }
        }
        if (t.table.isEmpty())
            return t;
    }
    QStringList seen;
    for (int i = 0; i < n; ++i) {
        const FieldInfo& f = fields[i];
        const bool ofTable =
            table.isEmpty()
                ? f.orgTable == t.table && f.database == t.database
                : f.orgTable.compare(table, Qt::CaseInsensitive) == 0 ||
                      (f.orgTable.isEmpty() && keyFields.contains(f.name, Qt::CaseInsensitive));
        if (!ofTable)
            continue;
        const QString col = (f.orgName.isEmpty() ? f.name : f.orgName).toLower();
        if (seen.contains(col))
            continue;
        seen << col;
        t.columns.push_back(i);
        const bool key = keyFields.isEmpty() ? f.isPrimaryKey()
                                             : keyFields.contains(f.name, Qt::CaseInsensitive);
        if (key)
            t.keyColumns.push_back(i);
    }
    return t;
}

QByteArray insertStatement(const DbConnection& c, const UpdateTarget& t,
                           const std::vector<FieldInfo>& fields, const RowValues& values) {
    QByteArray names, literals;
    for (int i : t.columns) {
        const CellText& v = values[static_cast<std::size_t>(i)];
        if (!v)
            continue;
        if (!names.isEmpty()) {
            names += ", ";
            literals += ", ";
        }
        names += column(fields, i);
        literals += literalBytes(c, v);
    }
    if (names.isEmpty())
        return "INSERT INTO " + t.qualifiedName() + " () VALUES ()";
    return "INSERT INTO " + t.qualifiedName() + " (" + names + ") VALUES (" + literals + ")";
}

QByteArray updateStatement(const DbConnection& c, const UpdateTarget& t,
                           const std::vector<FieldInfo>& fields, const RowValues& oldValues,
                           const RowValues& newValues) {
    QByteArray sets;
    for (int i : t.columns) {
        const auto k = static_cast<std::size_t>(i);
        if (oldValues[k] == newValues[k])
            continue;
        if (!sets.isEmpty())
            sets += ", ";
        sets += column(fields, i) + " = " + literalBytes(c, newValues[k]);
    }
    if (sets.isEmpty())
        return {};
    return "UPDATE " + t.qualifiedName() + " SET " + sets + whereKey(c, t, fields, oldValues);
}

QByteArray deleteStatement(const DbConnection& c, const UpdateTarget& t,
                           const std::vector<FieldInfo>& fields, const RowValues& oldValues) {
    return "DELETE FROM " + t.qualifiedName() + whereKey(c, t, fields, oldValues);
}

QByteArray selectRowStatement(const DbConnection& c, const UpdateTarget& t,
                              const std::vector<FieldInfo>& fields, const RowValues& values) {
    QByteArray names;
    for (int i : t.columns) {
        if (!names.isEmpty())
            names += ", ";
        names += column(fields, i);
    }
    return "SELECT " + names + " FROM " + t.qualifiedName() + whereKey(c, t, fields, values);
}

} // namespace orva::data
