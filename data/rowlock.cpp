#include "data/rowlock.h"

#include "data/dbconnection.h"
#include "data/errors.h"

#include <QCryptographicHash>
#include <mysql.h>

namespace orva::data {

QByteArray RowLock::lockName(const QString& rowName) {
    // Lock names are limited to 64 characters; a digest keeps any key short.
    return "orva:" + QCryptographicHash::hash(rowName.toUtf8(), QCryptographicHash::Md5).toHex();
}

bool RowLock::acquire(DbConnection& connection, const QString& rowName) {
    release();
    const QByteArray name = lockName(rowName);
    ResultPtr result = connection.query("SELECT GET_LOCK('" + name + "', 0)");
    MYSQL_ROW row = result ? mysql_fetch_row(result.get()) : nullptr;
    if (!row || !row[0]) {
        if (mysql_errno(connection.handle()) != 0)
            connection.raiseLastError();
        throw DatabaseError(QStringLiteral("El servidor no pudo bloquear el registro."));
    }
    if (row[0][0] != '1')
        return false;
    connection_ = &connection;
    name_ = name;
    return true;
}

void RowLock::release() noexcept {
    if (!connection_)
        return;
    DbConnection* connection = connection_;
    connection_ = nullptr;
    try {
        connection->query("SELECT RELEASE_LOCK('" + name_ + "')");
    } catch (...) {
        // A lost link has already freed the lock on the server.
    }
}

} // namespace orva::data
