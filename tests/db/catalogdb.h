#pragma once
// A connection of the tests' own to a database of the private server, and the statements
// of its catalogue bound the way the program binds them: every value a quoted text, every
// parameter not given left at "-1".
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

struct st_mysql;

namespace orva::test {

/// One column of a result, as the connector describes it.
struct ResultColumn {
    QString name;
    QString orgTable; ///< table the value comes from (empty for computed values)
    bool primaryKey = false;
};

/// A result read whole; cells are null or text.
struct Rows {
    std::vector<ResultColumn> columns;
    std::vector<std::vector<std::optional<QString>>> cells;

    int size() const { return static_cast<int>(cells.size()); }
    /// Index of the column, compared without regard to case; -1 when absent.
    int indexOf(const QString& column) const;
    /// The cell of `row` in `column` ("<null>" for null); throws when the column is absent.
    QString at(int row, const QString& column) const;
    /// Every value of a column, in row order.
    QStringList values(const QString& column) const;
};

/// Parameter values by name (names compared without regard to case).
using Values = QMap<QString, QString>;

/// Creates the suite's database once per test program: schema, catalogue and base rows,
/// then the rows of fixture.sql.
void prepareFixtureDatabase(const std::string& database);

class CatalogDb {
public:
    explicit CatalogDb(const std::string& database);
    ~CatalogDb();
    CatalogDb(const CatalogDb&) = delete;
    CatalogDb& operator=(const CatalogDb&) = delete;

    /// Runs a statement; throws std::runtime_error with the server's text.
    void exec(const QString& sql);
    /// Runs a statement and reads its rows.
    Rows query(const QString& sql);
    /// The server's text for a statement that fails; empty when it ran.
    QString failure(const QString& sql);
    /// Rows changed by the last statement.
    unsigned long long affectedRows() const;
    /// The text as a quoted literal, escaped by the connector.
    QString literal(const QString& text);

    /// Text of the catalogued statement (name, "UPDATE"); throws when absent.
    QString statement(const QString& name);
    /// Parameter names of a catalogued statement, in order of first appearance.
    QStringList parameters(const QString& name);
    /// The statement text with each parameter replaced by its value as a quoted text
    /// ("-1" for the parameters not given).
    QString bound(const QString& name, const Values& values = {});
    /// Opens a catalogued statement.
    Rows open(const QString& name, const Values& values = {}) { return query(bound(name, values)); }
    /// Executes a catalogued statement that returns no rows.
    void run(const QString& name, const Values& values) { exec(bound(name, values)); }

private:
    st_mysql* handle_ = nullptr;
};

} // namespace orva::test
