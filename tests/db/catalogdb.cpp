#include "tests/db/catalogdb.h"

#include "data/sqlparams.h"
#include "support/testdb.h"

#include <QFile>
#include <mysql.h>
#include <stdexcept>

namespace orva::test {
namespace {

std::runtime_error serverError(MYSQL* handle) {
    return std::runtime_error(mysql_error(handle));
}

} // namespace

int Rows::indexOf(const QString& column) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString Rows::at(int row, const QString& column) const {
    const int c = indexOf(column);
    if (c < 0)
        throw std::runtime_error("no hay columna " + column.toStdString());
    const auto& cell = cells.at(static_cast<std::size_t>(row))[static_cast<std::size_t>(c)];
    return cell ? *cell : QStringLiteral("<null>");
}

QStringList Rows::values(const QString& column) const {
    QStringList out;
    for (int r = 0; r < size(); ++r)
        out << at(r, column);
    return out;
}

void prepareFixtureDatabase(const std::string& database) {
    static std::vector<std::string> prepared;
    for (const std::string& name : prepared)
        if (name == database)
            return;
    createDatabase(database);
    QFile fixture(QStringLiteral(ORVA_DB_FIXTURE));
    if (!fixture.open(QIODevice::ReadOnly))
        throw std::runtime_error("no se pudo leer " + fixture.fileName().toStdString());
    runSql(database, fixture.readAll().toStdString());
    prepared.push_back(database);
}

CatalogDb::CatalogDb(const std::string& database) : handle_(mysql_init(nullptr)) {
    const DbSettings s = dbSettings();
    if (!mysql_real_connect(handle_, s.host.c_str(), s.user.c_str(), s.password.c_str(),
                            database.c_str(), s.port, nullptr, 0)) {
        const std::runtime_error e = serverError(handle_);
        mysql_close(handle_);
        throw e;
    }
    mysql_set_character_set(handle_, "utf8mb4");
}

CatalogDb::~CatalogDb() {
    mysql_close(handle_);
}

void CatalogDb::exec(const QString& sql) {
    const QByteArray text = sql.toUtf8();
    if (mysql_real_query(handle_, text.constData(), static_cast<unsigned long>(text.size())))
        throw serverError(handle_);
    if (MYSQL_RES* r = mysql_store_result(handle_))
        mysql_free_result(r);
}

Rows CatalogDb::query(const QString& sql) {
    const QByteArray text = sql.toUtf8();
    if (mysql_real_query(handle_, text.constData(), static_cast<unsigned long>(text.size())))
        throw serverError(handle_);
    MYSQL_RES* r = mysql_store_result(handle_);
    if (!r)
        throw std::runtime_error("la sentencia no devolvió filas: " + sql.toStdString());
    Rows rows;
    const unsigned n = mysql_num_fields(r);
    const MYSQL_FIELD* fields = mysql_fetch_fields(r);
    for (unsigned i = 0; i < n; ++i)
        rows.columns.push_back({QString::fromUtf8(fields[i].name),
                                QString::fromUtf8(fields[i].org_table),
                                (fields[i].flags & PRI_KEY_FLAG) != 0});
    while (MYSQL_ROW row = mysql_fetch_row(r)) {
        const unsigned long* lengths = mysql_fetch_lengths(r);
        auto& cells = rows.cells.emplace_back();
        for (unsigned i = 0; i < n; ++i) {
            if (row[i])
                cells.emplace_back(QString::fromUtf8(row[i], static_cast<qsizetype>(lengths[i])));
            else
                cells.emplace_back(std::nullopt);
        }
    }
    mysql_free_result(r);
    return rows;
}

QString CatalogDb::failure(const QString& sql) {
    try {
        exec(sql);
    } catch (const std::runtime_error& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

unsigned long long CatalogDb::affectedRows() const {
    return mysql_affected_rows(handle_);
}

QString CatalogDb::literal(const QString& text) {
    const QByteArray raw = text.toUtf8();
    QByteArray escaped(raw.size() * 2 + 1, '\0');
    const unsigned long n = mysql_real_escape_string(handle_, escaped.data(), raw.constData(),
                                                     static_cast<unsigned long>(raw.size()));
    escaped.truncate(static_cast<qsizetype>(n));
    return QLatin1Char('\'') + QString::fromUtf8(escaped) + QLatin1Char('\'');
}

QString CatalogDb::statement(const QString& name) {
    const Rows r = query(QStringLiteral("SELECT `SQL` FROM master_consultassql "
                                        "WHERE NombreConsulta = %1 AND Tipo = 'UPDATE'")
                             .arg(literal(name)));
    if (r.size() != 1)
        throw std::runtime_error("no está en el catálogo: " + name.toStdString());
    return r.at(0, QStringLiteral("SQL"));
}

QStringList CatalogDb::parameters(const QString& name) {
    return data::sqlParamNames(statement(name));
}

QString CatalogDb::bound(const QString& name, const Values& values) {
    QMap<QString, QString> byName;
    for (auto it = values.begin(); it != values.end(); ++it)
        byName.insert(it.key().toLower(), it.value());
    return data::bindSqlParams(statement(name), [&](const QString& param) {
        return literal(byName.value(param.toLower(), QStringLiteral("-1")));
    });
}

} // namespace orva::test
