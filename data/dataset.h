#pragma once
// The dataset every window works with: a statement with :Name parameters, its rows held
// in memory, a cursor on one of them, fields read and written by name, and the browse /
// edit / insert states. Changes reach the server at once or, with cached updates, when
// applied. A Qt model follows it through its signals.
//
//   Dataset uPartidos(&connection().Uconnection);
//   AsignarConsulta(&uPartidos, "activ_partidos", "UPDATE", true);    // catalog.h
//   FiltrarConsulta(uPartidos, "IdPartido,EActivo", {-1, "Si"});      // binding.h
//   uPartidos.open();
//   for (uPartidos.first(); !uPartidos.eof(); uPartidos.next())
//       nombres << uPartidos.fieldByName("SNombre").asString();
//   uPartidos.edit();
//   uPartidos.setValue("SNombre", nombre);
//   uPartidos.post();   // the catalog's after-post handler applies it to the server
#include "data/field.h"
#include "data/fieldinfo.h"
#include "data/filterexpr.h"
#include "data/packedrow.h"
#include "data/rowlock.h"
#include "data/updatesql.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace orva::data {

class DbConnection;

/// A kept position: the row itself while the rows stay loaded, its key after a re-read.
struct Bookmark {
    int storeRow = -1;
    quint64 generation = 0;
    std::vector<CellText> key;
    bool isValid() const { return storeRow >= 0; }
};

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)
    enum LocateOption { CaseInsensitive = 0x1, PartialKey = 0x2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)
    /// Pessimistic: the row is locked on the server from Edit to Post or Cancel.
    enum class LockMode { None, Pessimistic };

    using Hook = std::function<void(Dataset&)>;
    /// Handlers the owner installs; empty ones are skipped.
    struct Hooks {
        Hook beforeOpen;    ///< before the statement runs at open
        Hook afterOpen;     ///< after the rows are loaded
        Hook beforeRefresh; ///< before the statement runs again at refresh
        Hook onNewRecord;   ///< after Append/Insert made the new row (defaults go here)
        Hook beforePost;    ///< before a row is posted (may throw to refuse it)
        Hook afterPost;     ///< after a row was posted (the catalog applies it here)
        Hook beforeDelete;  ///< before a row is deleted (may throw to refuse it)
        Hook afterDelete;   ///< after a row was deleted
    };

    explicit Dataset(DbConnection* connection = nullptr, QObject* parent = nullptr);
    ~Dataset() override;

    // Connection and statement -----------------------------------------------------------
    void setConnection(DbConnection* connection) { connection_ = connection; }
    DbConnection* connection() const { return connection_; }
    /// Sets the statement text; parameter values are kept for the names it still has.
    void setSql(const QString& sql);
    const QString& sql() const { return sql_; }
    /// Parameter names in order of first appearance.
    const QStringList& paramNames() const { return paramNames_; }
    bool hasParam(const QString& name) const;
    /// Sets a parameter (case-insensitive name); an invalid or null QVariant is NULL,
    /// anything else is sent as its text. Throws Exception for an unknown name.
    void setParam(const QString& name, const QVariant& value);
    /// The parameter's text; an invalid QVariant for NULL (and for never set).
    QVariant param(const QString& name) const;
    /// The statement with every parameter replaced by its escaped literal.
    QByteArray boundSql() const;

    /// Fields the owner declares (names, types, required): open checks that the result
    /// has them, post that required ones have a value.
    void setFieldDefs(std::vector<FieldInfo> defs) { fieldDefs_ = std::move(defs); }
    const std::vector<FieldInfo>& fieldDefs() const { return fieldDefs_; }

    // Opening ----------------------------------------------------------------------------
    /// Runs the statement and loads every row; nothing when already open.
    void open();
    /// Discards the rows, an edit in progress and any pending cached changes.
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    /// Runs the statement again, keeping the current row (by key) when it still exists.
    /// A row being edited is posted first; pending cached changes must be applied or
    /// cancelled before.
    void refresh();
    /// Runs a statement that returns no rows (inserts, updates, calls); gives the affected
    /// row count. The dataset stays closed.
    quint64 execSql();

    Hooks hooks;

    // Cursor ------------------------------------------------------------------------------
    int recordCount() const { return static_cast<int>(view_.size()); }
    bool isEmpty() const { return view_.empty(); }
    /// 1-based number of the current row, 0 when there is none.
    int recNo() const { return cur_ + 1; }
    void setRecNo(int recNo) { setCurrentRow(recNo - 1); }
    /// 0-based position of the current row among the visible rows, -1 when none.
    int currentRow() const { return cur_; }
    void setCurrentRow(int row);
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    Bookmark bookmark() const;
    /// Returns to a kept row; false (cursor unchanged) when it is no longer there.
    bool gotoBookmark(const Bookmark& mark);
    /// Moves to the first visible row whose fields (names separated by ';' or ',') hold
    /// the values (one value, or a QVariantList with one per field). False, cursor
    /// unchanged, when no row matches.
    bool locate(const QString& fields, const QVariant& values, LocateOptions options = {});

    // Fields ------------------------------------------------------------------------------
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const std::vector<FieldInfo>& fields() const { return fields_; }
    const FieldInfo& fieldInfo(int index) const {
        return fields_.at(static_cast<std::size_t>(index));
    }
    QStringList fieldNames() const;
    /// Index of a field (case-insensitive), -1 when absent.
    int fieldIndex(const QString& name) const;
    /// The field of the current row; an invalid Field when absent.
    Field findField(const QString& name) { return Field(this, fieldIndex(name)); }
    /// The field of the current row; throws Exception when absent.
    Field fieldByName(const QString& name);
    Field field(int index) { return Field(this, index); }
    QVariant value(const QString& name) { return fieldByName(name).value(); }
    void setValue(const QString& name, const QVariant& value) { fieldByName(name).setValue(value); }

    /// Cells of any visible row without moving the cursor (what a grid model reads);
    /// the row being edited shows its edited values.
    QVariant valueAt(int row, int field) const;
    QString displayTextAt(int row, int field) const;
    bool isNullAt(int row, int field) const;

    // States and changes -----------------------------------------------------------------
    State state() const { return state_; }
    /// Starts editing the current row (an empty dataset starts an insert instead).
    void edit();
    /// A new row at the end.
    void append();
    /// A new row before the current one.
    void insert();
    /// Keeps the edited or new row: at once on the server, or in the cache.
    void post();
    /// Drops the edit or the new row.
    void cancel();
    /// Deletes the current row: at once on the server, or in the cache.
    void deleteRecord();

    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }
    void setLockMode(LockMode mode) { lockMode_ = mode; }
    LockMode lockMode() const { return lockMode_; }
    /// Holds the server lock of the row being edited.
    bool holdsRowLock() const { return lock_.held(); }

    /// With cached updates, posts and deletes wait for applyUpdates().
    void setCachedUpdates(bool cached);
    bool cachedUpdates() const { return cached_; }
    bool updatesPending() const { return !changeOrder_.empty(); }
    /// Writes every pending change in one transaction; on failure nothing is written and
    /// the changes stay pending.
    void applyUpdates();
    /// Drops every pending change and shows the rows as they were.
    void cancelUpdates();
    /// The table (and its key fields) changes are written to, for statements whose result
    /// does not say it (views); empty to take it from the result.
    void setUpdateTable(const QString& table, const QStringList& keyFields = {});

    // Filter and order -------------------------------------------------------------------
    /// The filter expression (see filterexpr.h); throws Exception when malformed.
    void setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool filtered);
    bool isFiltered() const { return filtered_; }
    void setFilterCaseInsensitive(bool caseInsensitive);
    /// Client-side order: "Campo1 asc, Campo2 desc"; empty for the statement's order.
    void setOrderBy(const QString& orderBy);
    const QString& orderBy() const { return orderBy_; }

    /// Changes every time the rows are loaded again.
    quint64 generation() const { return generation_; }
    /// Bytes the stored rows take (row buffers and their bookkeeping).
    std::size_t rowBytes() const;

signals:
    // A Qt model maps these one to one: aboutToResetRows/rowsReset to
    // beginResetModel/endResetModel, and so on. The fields may differ after a reset.

    /// All rows (and maybe the fields) are about to be replaced.
    void aboutToResetRows();
    /// All rows were replaced (open, close, refresh, filter, order, cancelled updates).
    void rowsReset();
    /// A new row is about to appear at this visible position.
    void rowAboutToBeInserted(int row);
    /// A new row appeared at this visible position.
    void rowInserted(int row);
    /// The row at this visible position is about to go away.
    void rowAboutToBeRemoved(int row);
    /// The row at this visible position went away.
    void rowRemoved(int row);
    /// Values of the row at this visible position changed.
    void rowChanged(int row);
    /// The cursor moved to this visible position (-1: no row).
    void currentRowChanged(int row);
    void stateChanged(Dataset::State state);

private:
    friend class Field;
    enum RowStatus : unsigned char { Unchanged, Modified, Inserted, Deleted, Gone, Unposted };

    void requireActive() const;
    void requireBrowsable() const;
    void requireWritable() const;
    void checkBrowseMode();
    void setState(State s);
    void moveTo(int row);
    void loadRows(const QByteArray& sql);
    void resetRows();
    void rebuildView();
    /// rebuildView(); when it fails, shows no rows (and tells the views) before throwing.
    void rebuildOrEmpty();
    /// Rebuilds the visible rows, keeps `keep` current if still shown (else the row at
    /// `fallback`), and tells the views.
    void showRows(std::optional<int> keep, int fallback);
    void restorePosition(std::optional<int> storeRow, const std::vector<CellText>& key,
                         int fallback);
    std::optional<int> findStoreRowByKey(const std::vector<CellText>& key) const;
    std::vector<CellText> keyOf(const std::vector<CellText>& values) const;
    const UpdateTarget& target() const;
    const UpdateTarget& writableTarget();
    QString lockNameOf(const std::vector<CellText>& values);
    void lockAndReread();
    void startNewRow(int position);
    void writeNow(const QByteArray& statement);
    void releaseLock() { lock_.release(); }

    // Field access (current row)
    bool cellIsNull(int field) const;
    QByteArrayView cellBytes(int field) const;
    void setCell(int field, CellText value);
    /// Bytes and NULL flag of a cell of a visible row (the edit buffer for the edited row).
    std::pair<QByteArrayView, bool> cellAt(int row, int field) const;
    int storeRowAt(int row) const { return view_.at(static_cast<std::size_t>(row)); }

    DbConnection* connection_;
    QString sql_;
    QStringList paramNames_;
    QHash<QString, std::optional<QString>> params_; ///< lower-case name -> value
    std::vector<FieldInfo> fieldDefs_;

    State state_ = State::Inactive;
    std::vector<FieldInfo> fields_;
    QHash<QString, int> fieldIndex_; ///< lower-case name -> first column of that name
    std::vector<PackedRow> rows_;
    std::vector<unsigned char> status_;
    std::vector<int> view_; ///< visible rows, in order: indices into rows_
    int cur_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    quint64 generation_ = 0;

    std::vector<CellText> buffer_; ///< values of the row being edited or inserted
    RowLock lock_;
    bool readOnly_ = false;
    LockMode lockMode_ = LockMode::None;

    bool cached_ = false;
    std::map<int, PackedRow> originals_; ///< store row -> values before its first change
    std::vector<int> changeOrder_;       ///< store rows with pending changes, oldest first

    QString updateTable_;
    QStringList updateKeys_;
    mutable std::optional<UpdateTarget> target_; ///< found from the fields when first needed

    QString filterText_;
    FilterExpression filterExpr_;
    bool filtered_ = false;
    bool filterCaseInsensitive_ = false;
    QString orderBy_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Dataset::LocateOptions)

} // namespace orva::data
