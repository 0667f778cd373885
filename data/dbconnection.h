#pragma once
// One link to the MySQL/MariaDB server through the connector, owning its MYSQL handle.
// The program keeps two of them (see connection.h); tests make more to play other
// workstations.
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

struct st_mysql;
struct st_mysql_res;

namespace orva::data {

struct ResultDeleter {
    void operator()(st_mysql_res* result) const noexcept;
};
/// A result set of the connector, freed when it goes out of scope.
using ResultPtr = std::unique_ptr<st_mysql_res, ResultDeleter>;

class DbConnection {
public:
    explicit DbConnection(QString name = {});
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    const QString& name() const { return name_; }

    // Parameters, set by the login before connecting.
    void setServer(const QString& server) { server_ = server; }
    void setPort(unsigned port) { port_ = port; }
    void setUsername(const QString& user) { user_ = user; }
    void setPassword(const QString& password) { password_ = password; }
    void setDatabase(const QString& database) { database_ = database; }
    /// Seconds to wait for the server when connecting (120 by default).
    void setConnectTimeout(unsigned seconds) { connectTimeout_ = seconds; }
    const QString& server() const { return server_; }
    unsigned port() const { return port_; }
    const QString& username() const { return user_; }
    const QString& password() const { return password_; }
    const QString& database() const { return database_; }
    unsigned connectTimeout() const { return connectTimeout_; }

    /// Opens the link (utf8mb4, each statement committed by itself); closes an open one
    /// first. Throws DatabaseError with the connector's text.
    void connect();
    void disconnect() noexcept;
    bool connected() const { return handle_ != nullptr; }

    /// Asks the server whether the link is alive; throws DatabaseError when it is not.
    void ping();
    /// Pings; when the server dropped the link, connects again with the same parameters.
    /// Never throws; false when the link is still down or was never opened.
    bool pingOrReconnect() noexcept;

    /// Runs a statement that returns no rows; gives the affected row count. The
    /// QByteArray forms take the statement as UTF-8 bytes (binary values inside).
    quint64 execute(const QByteArray& sql);
    quint64 execute(const QString& sql) { return execute(sql.toUtf8()); }
    quint64 execute(const char* sql) { return execute(QByteArray(sql)); }
    /// Runs a statement and gives all its rows (read into the client at once); null for
    /// a statement without a result set.
    ResultPtr query(const QByteArray& sql);
    ResultPtr query(const QString& sql) { return query(sql.toUtf8()); }
    ResultPtr query(const char* sql) { return query(QByteArray(sql)); }
    /// Runs a statement whose rows the caller reads one by one with mysql_fetch_row
    /// (nothing else may run on the link until they are read and the result freed; then
    /// call finishResults()).
    ResultPtr queryStreamed(const QByteArray& sql);
    /// Discards further result sets of the last statement (procedures return several).
    void finishResults() noexcept;

    /// The value as a quoted SQL literal escaped for the link's character set; NULL when
    /// there is no value.
    QByteArray literal(const std::optional<QString>& value) const;
    QByteArray literal(const QString& value) const { return literal(std::optional(value)); }
    /// Escapes UTF-8 bytes for use between single quotes.
    QByteArray escape(const QByteArray& utf8) const;

    /// Server thread of this link (the id KILL takes), 0 when closed.
    unsigned long threadId() const;
    /// AUTO_INCREMENT value given by the last insert.
    quint64 insertId() const;
    /// The connector handle (benchmarks and the dataset's reader use it).
    st_mysql* handle() const { return handle_; }

    /// Throws the connector's last error on this link as DatabaseError.
    [[noreturn]] void raiseLastError() const;

private:
    st_mysql* openHandle() const; ///< a new connected handle, or throws
    void send(const QByteArray& sql);
    ResultPtr checked(st_mysql_res* result) const;

    QString name_;
    QString server_;
    unsigned port_ = 3306;
    QString user_;
    QString password_;
    QString database_;
    unsigned connectTimeout_ = 120;
    st_mysql* handle_ = nullptr;
};

/// `name` as a quoted identifier (`a``b`), for table and column names.
QByteArray quoteIdentifier(const QString& name);

} // namespace orva::data
