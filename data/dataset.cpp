// Dataset: statement, parameters, loading, cursor and field access.
#include "data/dataset.h"

#include "data/dbconnection.h"
#include "data/errors.h"
#include "data/rowsort.h"
#include "data/sqlparams.h"

#include <QDateTime>
#include <QRegularExpression>
#include <mysql.h>

namespace orva::data {

Dataset::Dataset(DbConnection* connection, QObject* parent)
    : QObject(parent), connection_(connection) {}

Dataset::~Dataset() = default;

// Statement and parameters ------------------------------------------------------------------

void Dataset::setSql(const QString& sql) {
    if (isActive())
        close();
    sql_ = sql;
    paramNames_ = sqlParamNames(sql);
    // Values carry over by name to the new text.
    QHash<QString, std::optional<QString>> kept;
    for (const QString& name : std::as_const(paramNames_)) {
        const QString key = name.toLower();
        kept.insert(key, params_.value(key));
    }
    params_ = std::move(kept);
}

bool Dataset::hasParam(const QString& name) const {
    return params_.contains(name.toLower());
}

void Dataset::setParam(const QString& name, const QVariant& value) {
    const QString key = name.toLower();
    auto it = params_.find(key);
    if (it == params_.end())
        throw Exception(QStringLiteral("La sentencia no tiene el parámetro %1.").arg(name));
    if (!value.isValid() || value.isNull()) {
        *it = std::nullopt;
        return;
    }
    switch (value.typeId()) {
    case QMetaType::QDate:
        *it = value.toDate().toString(Qt::ISODate);
        break;
    case QMetaType::QDateTime:
        *it = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        break;
    case QMetaType::Bool:
        *it = value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        break;
    default:
        *it = value.toString();
    }
}

QVariant Dataset::param(const QString& name) const {
    const std::optional<QString> v = params_.value(name.toLower());
    return v ? QVariant(*v) : QVariant();
}

QByteArray Dataset::boundSql() const {
    DbConnection unconnected;
    const DbConnection& c = connection_ ? *connection_ : unconnected;
    return bindSqlParams(sql_,
                         [&](const QString& name) {
                             return QString::fromUtf8(c.literal(params_.value(name.toLower())));
                         })
        .toUtf8();
}

// Opening -----------------------------------------------------------------------------------

void Dataset::requireActive() const {
    if (!isActive())
        throw Exception(QStringLiteral(
            "No se puede realizar esta operación con el conjunto de datos cerrado."));
}

void Dataset::loadRows(const QByteArray& sql) {
    if (!connection_)
        throw Exception(QStringLiteral("El conjunto de datos no tiene conexión asignada."));
    if (sql.trimmed().isEmpty())
        throw Exception(QStringLiteral("El conjunto de datos no tiene sentencia SQL."));
    ResultPtr result = connection_->queryStreamed(sql);
    if (!result) {
        connection_->finishResults();
        throw Exception(QStringLiteral("La sentencia no devuelve registros."));
    }
    const unsigned n = mysql_num_fields(result.get());
    const MYSQL_FIELD* meta = mysql_fetch_fields(result.get());
    std::vector<FieldInfo> fields;
    fields.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        fields.push_back(FieldInfo::fromMysql(meta[i]));
    std::vector<PackedRow> rows;
    while (MYSQL_ROW row = mysql_fetch_row(result.get()))
        rows.push_back(PackedRow::fromCells(n, row, mysql_fetch_lengths(result.get())));
    if (mysql_errno(connection_->handle()) != 0)
        connection_->raiseLastError();
    result.reset();
    connection_->finishResults();

    for (const FieldInfo& def : fieldDefs_) {
        auto it = std::find_if(fields.begin(), fields.end(), [&](const FieldInfo& f) {
            return f.name.compare(def.name, Qt::CaseInsensitive) == 0;
        });
        if (it == fields.end())
            throw Exception(
                QStringLiteral("La consulta no tiene el campo %1 que se esperaba.").arg(def.name));
        it->required = def.required;
    }

    emit aboutToResetRows();
    fields_ = std::move(fields);
    fieldIndex_.clear();
    for (int i = static_cast<int>(fields_.size()) - 1; i >= 0; --i)
        fieldIndex_.insert(fields_[static_cast<std::size_t>(i)].name.toLower(), i);
    rows_ = std::move(rows);
    status_.assign(rows_.size(), Unchanged);
    originals_.clear();
    changeOrder_.clear();
    target_.reset();
    ++generation_;
}

void Dataset::resetRows() {
    lock_.release();
    fields_.clear();
    fieldIndex_.clear();
    rows_.clear();
    rows_.shrink_to_fit();
    status_.clear();
    status_.shrink_to_fit();
    view_.clear();
    view_.shrink_to_fit();
    buffer_.clear();
    originals_.clear();
    changeOrder_.clear();
    target_.reset();
    cur_ = -1;
    bof_ = eof_ = true;
}

void Dataset::open() {
    if (isActive())
        return;
    if (hooks.beforeOpen)
        hooks.beforeOpen(*this);
    loadRows(boundSql());
    try {
        rebuildOrEmpty();
    } catch (...) {
        resetRows();
        throw;
    }
    cur_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    setState(State::Browse);
    emit rowsReset();
    emit currentRowChanged(cur_);
    if (hooks.afterOpen)
        hooks.afterOpen(*this);
}

void Dataset::close() {
    if (!isActive())
        return;
    emit aboutToResetRows();
    resetRows();
    setState(State::Inactive);
    emit rowsReset();
    emit currentRowChanged(-1);
}

void Dataset::refresh() {
    requireActive();
    checkBrowseMode();
    if (updatesPending())
        throw Exception(QStringLiteral(
            "Hay cambios sin aplicar: aplíquelos o cancélelos antes de refrescar los datos."));
    if (hooks.beforeRefresh)
        hooks.beforeRefresh(*this);
    const int oldRow = cur_;
    std::vector<CellText> key;
    if (cur_ >= 0)
        key = keyOf(rows_[static_cast<std::size_t>(storeRowAt(cur_))].unpack());
    loadRows(boundSql());
    rebuildOrEmpty();
    restorePosition(std::nullopt, key, oldRow);
    emit rowsReset();
    emit currentRowChanged(cur_);
}

quint64 Dataset::execSql() {
    if (!connection_)
        throw Exception(QStringLiteral("El conjunto de datos no tiene conexión asignada."));
    if (sql_.trimmed().isEmpty())
        throw Exception(QStringLiteral("El conjunto de datos no tiene sentencia SQL."));
    return connection_->execute(boundSql());
}

void Dataset::setState(State s) {
    if (state_ == s)
        return;
    state_ = s;
    emit stateChanged(s);
}

// Visible rows ------------------------------------------------------------------------------

void Dataset::rebuildView() {
    std::vector<int> view;
    view.reserve(rows_.size());
    const bool filtering = filtered_ && !filterExpr_.isEmpty();
    if (filtering)
        filterExpr_.bind(fields_, filterCaseInsensitive_);
    const std::vector<SortKey> keys = parseOrderBy(orderBy_, fields_);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const unsigned char s = status_[i];
        if (s == Deleted || s == Gone || s == Unposted)
            continue;
        if (filtering && !filterExpr_.matches(rows_[i]))
            continue;
        view.push_back(static_cast<int>(i));
    }
    sortRows(view, rows_, fields_, keys);
    view_ = std::move(view);
}

void Dataset::rebuildOrEmpty() {
    try {
        rebuildView();
    } catch (...) {
        // The views were told the rows are changing: show none rather than stale ones.
        view_.clear();
        cur_ = -1;
        bof_ = eof_ = true;
        emit rowsReset();
        emit currentRowChanged(-1);
        throw;
    }
}

void Dataset::showRows(std::optional<int> keep, int fallback) {
    emit aboutToResetRows();
    rebuildOrEmpty();
    restorePosition(keep, {}, fallback);
    emit rowsReset();
    emit currentRowChanged(cur_);
}

std::optional<int> Dataset::findStoreRowByKey(const std::vector<CellText>& key) const {
    if (key.empty() || !target_ || !target_->isValid())
        return std::nullopt;
    for (std::size_t pos = 0; pos < view_.size(); ++pos) {
        const PackedRow& row = rows_[static_cast<std::size_t>(view_[pos])];
        bool same = true;
        for (std::size_t k = 0; k < key.size() && same; ++k)
            same = row.value(static_cast<unsigned>(target_->keyColumns[k])) == key[k];
        if (same)
            return view_[pos];
    }
    return std::nullopt;
}

void Dataset::restorePosition(std::optional<int> storeRow, const std::vector<CellText>& key,
                              int fallback) {
    if (!storeRow && !key.empty()) {
        target();
        storeRow = findStoreRowByKey(key);
    }
    int pos = -1;
    if (storeRow) {
        auto it = std::find(view_.begin(), view_.end(), *storeRow);
        if (it != view_.end())
            pos = static_cast<int>(it - view_.begin());
    }
    if (pos < 0)
        pos = view_.empty() ? -1 : std::clamp(fallback, 0, static_cast<int>(view_.size()) - 1);
    cur_ = pos;
    bof_ = eof_ = view_.empty();
}

std::vector<CellText> Dataset::keyOf(const std::vector<CellText>& values) const {
    std::vector<CellText> key;
    const UpdateTarget& t = target();
    for (int k : t.keyColumns)
        key.push_back(values[static_cast<std::size_t>(k)]);
    return key;
}

const UpdateTarget& Dataset::target() const {
    if (!target_)
        target_ = UpdateTarget::find(fields_, updateTable_, updateKeys_);
    return *target_;
}

void Dataset::setUpdateTable(const QString& table, const QStringList& keyFields) {
    updateTable_ = table;
    updateKeys_ = keyFields;
    target_.reset();
}

void Dataset::setFilter(const QString& expression) {
    FilterExpression parsed(expression);
    if (isActive() && filtered_) {
        checkBrowseMode();
        parsed.bind(fields_, filterCaseInsensitive_);
    }
    filterText_ = expression;
    filterExpr_ = std::move(parsed);
    if (isActive() && filtered_) {
        showRows(std::nullopt, 0);
    }
}

void Dataset::setFiltered(bool filtered) {
    if (filtered_ == filtered)
        return;
    if (isActive()) {
        checkBrowseMode();
        if (filtered)
            filterExpr_.bind(fields_, filterCaseInsensitive_);
    }
    filtered_ = filtered;
    if (isActive()) {
        showRows(std::nullopt, 0);
    }
}

void Dataset::setFilterCaseInsensitive(bool caseInsensitive) {
    if (filterCaseInsensitive_ == caseInsensitive)
        return;
    filterCaseInsensitive_ = caseInsensitive;
    if (isActive() && filtered_) {
        checkBrowseMode();
        showRows(std::nullopt, 0);
    }
}

void Dataset::setOrderBy(const QString& orderBy) {
    if (isActive()) {
        parseOrderBy(orderBy, fields_); // refuses an unknown field before anything changes
        checkBrowseMode();
    }
    orderBy_ = orderBy;
    if (isActive()) {
        showRows(cur_ >= 0 ? std::optional(storeRowAt(cur_)) : std::nullopt, 0);
    }
}

std::size_t Dataset::rowBytes() const {
    std::size_t bytes =
        rows_.capacity() * sizeof(PackedRow) + status_.capacity() + view_.capacity() * sizeof(int);
    for (const PackedRow& row : rows_)
        bytes += row.byteSize();
    return bytes;
}

// Cursor ------------------------------------------------------------------------------------

void Dataset::moveTo(int row) {
    if (row == cur_)
        return;
    cur_ = row;
    emit currentRowChanged(cur_);
}

void Dataset::setCurrentRow(int row) {
    requireActive();
    if (view_.empty())
        return;
    row = std::clamp(row, 0, static_cast<int>(view_.size()) - 1);
    if (row != cur_)
        checkBrowseMode();
    moveTo(row);
    bof_ = eof_ = false;
}

void Dataset::first() {
    requireActive();
    checkBrowseMode();
    moveTo(view_.empty() ? -1 : 0);
    bof_ = true;
    eof_ = view_.empty();
}

void Dataset::last() {
    requireActive();
    checkBrowseMode();
    moveTo(static_cast<int>(view_.size()) - 1);
    eof_ = true;
    bof_ = view_.empty();
}

void Dataset::next() {
    requireActive();
    checkBrowseMode();
    if (cur_ + 1 < static_cast<int>(view_.size())) {
        moveTo(cur_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void Dataset::prior() {
    requireActive();
    checkBrowseMode();
    if (cur_ > 0) {
        moveTo(cur_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void Dataset::moveBy(int distance) {
    requireActive();
    if (view_.empty() || distance == 0)
        return;
    checkBrowseMode();
    const int target = cur_ + distance;
    moveTo(std::clamp(target, 0, static_cast<int>(view_.size()) - 1));
    bof_ = target < 0;
    eof_ = target >= static_cast<int>(view_.size());
}

Bookmark Dataset::bookmark() const {
    Bookmark mark;
    if (!isActive() || cur_ < 0)
        return mark;
    mark.storeRow = storeRowAt(cur_);
    mark.generation = generation_;
    if (state_ != State::Insert)
        mark.key = keyOf(rows_[static_cast<std::size_t>(mark.storeRow)].unpack());
    return mark;
}

bool Dataset::gotoBookmark(const Bookmark& mark) {
    requireActive();
    if (!mark.isValid())
        return false;
    checkBrowseMode();
    std::optional<int> storeRow;
    if (mark.generation == generation_)
        storeRow = mark.storeRow;
    else
        storeRow = findStoreRowByKey(mark.key);
    if (!storeRow)
        return false;
    auto it = std::find(view_.begin(), view_.end(), *storeRow);
    if (it == view_.end())
        return false;
    moveTo(static_cast<int>(it - view_.begin()));
    bof_ = eof_ = false;
    return true;
}

namespace {

bool cellMatches(const FieldInfo& f, const PackedRow& row, unsigned col, const QVariant& value,
                 Dataset::LocateOptions options) {
    const bool valueNull = !value.isValid() || value.isNull();
    if (row.isNull(col) || valueNull)
        return row.isNull(col) && valueNull;
    const QByteArrayView cell = row.cell(col);
    if (f.isNumeric()) {
        bool ok1 = false, ok2 = false;
        const double a = cell.trimmed().toDouble(&ok1);
        const double b = value.toString().trimmed().toDouble(&ok2);
        if (ok1 && ok2)
            return a == b;
    } else if (f.type == FieldType::Date || f.type == FieldType::DateTime) {
        const QVariant have = cellToVariant(f.type, cell, false);
        QDateTime a =
            have.typeId() == QMetaType::QDate ? have.toDate().startOfDay() : have.toDateTime();
        QDateTime b = value.typeId() == QMetaType::QDate       ? value.toDate().startOfDay()
                      : value.typeId() == QMetaType::QDateTime ? value.toDateTime()
                                                               : QDateTime();
        if (!b.isValid()) {
            const QDate d = parseDateText(value.toString());
            if (d.isValid())
                b = d.startOfDay();
        }
        if (a.isValid() && b.isValid())
            return a == b;
    }
    const QString text = QString::fromUtf8(cell.data(), cell.size());
    const QString wanted = value.toString();
    const Qt::CaseSensitivity cs =
        options.testFlag(Dataset::CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return options.testFlag(Dataset::PartialKey) ? text.startsWith(wanted, cs)
                                                 : text.compare(wanted, cs) == 0;
}

} // namespace

bool Dataset::locate(const QString& fields, const QVariant& values, LocateOptions options) {
    requireActive();
    checkBrowseMode();
    const QStringList names =
        fields.split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts);
    std::vector<unsigned> cols;
    for (const QString& name : names)
        cols.push_back(static_cast<unsigned>(fieldByName(name.trimmed()).index()));
    const QVariantList list =
        values.typeId() == QMetaType::QVariantList ? values.toList() : QVariantList{values};
    if (list.size() != names.size())
        throw Exception(QStringLiteral("La búsqueda tiene %1 campos y %2 valores.")
                            .arg(names.size())
                            .arg(list.size()));
    for (std::size_t pos = 0; pos < view_.size(); ++pos) {
        const PackedRow& row = rows_[static_cast<std::size_t>(view_[pos])];
        bool all = true;
        for (std::size_t k = 0; k < cols.size() && all; ++k)
            all = cellMatches(fields_[cols[k]], row, cols[k], list[static_cast<qsizetype>(k)],
                              options);
        if (all) {
            moveTo(static_cast<int>(pos));
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

// Fields ------------------------------------------------------------------------------------

QStringList Dataset::fieldNames() const {
    QStringList names;
    for (const FieldInfo& f : fields_)
        names << f.name;
    return names;
}

int Dataset::fieldIndex(const QString& name) const {
    return fieldIndex_.value(name.toLower(), -1);
}

Field Dataset::fieldByName(const QString& name) {
    const int i = fieldIndex(name);
    if (i < 0)
        throw Exception(isActive() ? QStringLiteral("No se encontró el campo %1.").arg(name)
                                   : QStringLiteral("No se puede leer el campo %1: el conjunto "
                                                    "de datos está cerrado.")
                                         .arg(name));
    return Field(this, i);
}

bool Dataset::cellIsNull(int field) const {
    requireActive();
    return cur_ < 0 || cellAt(cur_, field).second;
}

QByteArrayView Dataset::cellBytes(int field) const {
    requireActive();
    return cur_ < 0 ? QByteArrayView() : cellAt(cur_, field).first;
}

void Dataset::setCell(int field, CellText value) {
    if (state_ != State::Edit && state_ != State::Insert)
        throw Exception(QStringLiteral(
            "No se puede modificar el campo: el conjunto de datos no está en edición."));
    buffer_[static_cast<std::size_t>(field)] = std::move(value);
    emit rowChanged(cur_);
}

std::pair<QByteArrayView, bool> Dataset::cellAt(int row, int field) const {
    const auto f = static_cast<std::size_t>(field);
    if (f >= fields_.size())
        throw Exception(
            QStringLiteral("El campo %1 no existe en el conjunto de datos.").arg(field));
    if (row == cur_ && (state_ == State::Edit || state_ == State::Insert)) {
        const CellText& v = buffer_[f];
        return {v ? QByteArrayView(*v) : QByteArrayView(), !v};
    }
    const PackedRow& r = rows_[static_cast<std::size_t>(storeRowAt(row))];
    const auto c = static_cast<unsigned>(field);
    return {r.cell(c), r.isNull(c)};
}

QVariant Dataset::valueAt(int row, int field) const {
    const auto [bytes, null] = cellAt(row, field);
    return cellToVariant(fields_[static_cast<std::size_t>(field)].type, bytes, null);
}

QString Dataset::displayTextAt(int row, int field) const {
    const auto [bytes, null] = cellAt(row, field);
    return cellToDisplayText(fields_[static_cast<std::size_t>(field)].type, bytes, null);
}

bool Dataset::isNullAt(int row, int field) const {
    return cellAt(row, field).second;
}

} // namespace orva::data
