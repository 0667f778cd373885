#include "data/dbconnection.h"

#include "data/errors.h"

#include <mysql.h>

namespace orva::data {

void ResultDeleter::operator()(st_mysql_res* result) const noexcept {
    if (result)
        mysql_free_result(result);
}

namespace {

[[noreturn]] void raiseFrom(MYSQL* handle) {
    throw DatabaseError(QString::fromUtf8(mysql_error(handle)), mysql_errno(handle),
                        QString::fromLatin1(mysql_sqlstate(handle)));
}

[[noreturn]] void raiseNotOpen() {
    throw DatabaseError(QStringLiteral("La conexión con la base de datos no está abierta."));
}

} // namespace

DbConnection::DbConnection(QString name) : name_(std::move(name)) {}

DbConnection::~DbConnection() {
    disconnect();
}

MYSQL* DbConnection::openHandle() const {
    MYSQL* m = mysql_init(nullptr);
    if (!m)
        throw DatabaseError(QStringLiteral("No hay memoria para abrir la conexión."));
    unsigned timeout = connectTimeout_;
    unsigned char off = 0;
    mysql_options(m, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    mysql_options(m, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    mysql_options(m, MYSQL_OPT_LOCAL_INFILE, &off);
    const QByteArray host = server_.toUtf8();
    const QByteArray user = user_.toUtf8();
    const QByteArray pass = password_.toUtf8();
    const QByteArray db = database_.toUtf8();
    // Procedures may answer with several result sets; several statements in one text are
    // never allowed.
    if (!mysql_real_connect(m, host.isEmpty() ? nullptr : host.constData(), user.constData(),
                            pass.constData(), db.isEmpty() ? nullptr : db.constData(), port_,
                            nullptr, CLIENT_MULTI_RESULTS)) {
        DatabaseError error(QString::fromUtf8(mysql_error(m)), mysql_errno(m),
                            QString::fromLatin1(mysql_sqlstate(m)));
        mysql_close(m);
        throw error;
    }
    mysql_autocommit(m, 1);
    return m;
}

void DbConnection::connect() {
    disconnect();
    handle_ = openHandle();
}

void DbConnection::disconnect() noexcept {
    if (handle_) {
        mysql_close(handle_);
        handle_ = nullptr;
    }
}

void DbConnection::ping() {
    if (!handle_)
        raiseNotOpen();
    if (mysql_ping(handle_) != 0)
        raiseFrom(handle_);
}

bool DbConnection::pingOrReconnect() noexcept {
    if (!handle_)
        return false;
    if (mysql_ping(handle_) == 0)
        return true;
    try {
        MYSQL* fresh = openHandle();
        mysql_close(handle_);
        handle_ = fresh;
        return true;
    } catch (...) {
        // The dead handle stays: the next statement reports the lost link.
        return false;
    }
}

void DbConnection::send(const QByteArray& sql) {
    if (!handle_)
        raiseNotOpen();
    if (mysql_real_query(handle_, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        raiseFrom(handle_);
}

quint64 DbConnection::execute(const QByteArray& sql) {
    ResultPtr result = query(sql);
    const quint64 affected = result ? 0 : mysql_affected_rows(handle_);
    result.reset();
    finishResults();
    return affected;
}

ResultPtr DbConnection::checked(st_mysql_res* result) const {
    // No result and no error: a statement without rows.
    if (!result && mysql_errno(handle_) != 0)
        raiseFrom(handle_);
    return ResultPtr(result);
}

ResultPtr DbConnection::query(const QByteArray& sql) {
    send(sql);
    return checked(mysql_store_result(handle_));
}

ResultPtr DbConnection::queryStreamed(const QByteArray& sql) {
    send(sql);
    return checked(mysql_use_result(handle_));
}

void DbConnection::finishResults() noexcept {
    if (!handle_)
        return;
    while (mysql_more_results(handle_) && mysql_next_result(handle_) == 0) {
        if (MYSQL_RES* extra = mysql_store_result(handle_))
            mysql_free_result(extra);
    }
}

QByteArray DbConnection::escape(const QByteArray& utf8) const {
    QByteArray out(utf8.size() * 2 + 1, Qt::Uninitialized);
    unsigned long n = 0;
    if (handle_) {
        n = mysql_real_escape_string(handle_, out.data(), utf8.constData(),
                                     static_cast<unsigned long>(utf8.size()));
    } else {
        // Not connected yet: escape as for utf8mb4, where no multi-byte character holds
        // a quote or a backslash byte.
        for (char c : utf8) {
            switch (c) {
            case '\0':
                out[n++] = '\\', out[n++] = '0';
                break;
            case '\n':
                out[n++] = '\\', out[n++] = 'n';
                break;
            case '\r':
                out[n++] = '\\', out[n++] = 'r';
                break;
            case '\x1a':
                out[n++] = '\\', out[n++] = 'Z';
                break;
            case '\\':
            case '\'':
            case '"':
                out[n++] = '\\', out[n++] = c;
                break;
            default:
                out[n++] = c;
            }
        }
    }
    out.truncate(static_cast<qsizetype>(n));
    return out;
}

QByteArray DbConnection::literal(const std::optional<QString>& value) const {
    if (!value)
        return QByteArrayLiteral("NULL");
    return '\'' + escape(value->toUtf8()) + '\'';
}

unsigned long DbConnection::threadId() const {
    return handle_ ? mysql_thread_id(handle_) : 0;
}

quint64 DbConnection::insertId() const {
    return handle_ ? mysql_insert_id(handle_) : 0;
}

void DbConnection::raiseLastError() const {
    if (!handle_)
        raiseNotOpen();
    raiseFrom(handle_);
}

QByteArray quoteIdentifier(const QString& name) {
    QByteArray utf8 = name.toUtf8();
    utf8.replace('`', "``");
    return '`' + utf8 + '`';
}

} // namespace orva::data
