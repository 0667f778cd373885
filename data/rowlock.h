#pragma once
// The lock a dataset holds on the server while one of its rows is being edited.
//
// Why a named lock and not SELECT … FOR UPDATE: every window shares one connection, and
// a row lock lives only inside an open transaction. A transaction left open from Edit to
// Post on the shared connection would take in every statement other windows run
// meanwhile (their saves would be committed or rolled back with it), and the UPDATE of a
// second connection would wait on our own lock. A named lock (GET_LOCK) belongs to the
// connection's session, not to a transaction: it keeps other workstations from editing
// the same row, needs no transaction, and the server frees it by itself when a
// workstation's link drops, so a crashed program leaves no row locked.
#include <QByteArray>
#include <QString>

namespace orva::data {

class DbConnection;

class RowLock {
public:
    RowLock() = default;
    ~RowLock() { release(); }
    RowLock(const RowLock&) = delete;
    RowLock& operator=(const RowLock&) = delete;

    /// Takes the lock named after the row (database, table and key values) without
    /// waiting. False when another session holds it; throws DatabaseError when the
    /// server cannot be asked.
    bool acquire(DbConnection& connection, const QString& rowName);
    /// Frees the lock if held (errors of a lost link are ignored: the server freed it).
    void release() noexcept;
    bool held() const { return connection_ != nullptr; }

    /// The server's lock name for a row: short enough for any key.
    static QByteArray lockName(const QString& rowName);

private:
    DbConnection* connection_ = nullptr;
    QByteArray name_;
};

} // namespace orva::data
