#pragma once
// The grid's model: the source model's rows filtered by the find panel and the filter
// row, sorted, and grouped into group rows. Stays fast on 100,000 rows by keeping each
// record's shown text, folded for searching, built once and reused by every keystroke.
#include "platform/grid/columnfilter.h"
#include "platform/grid/gridcolumn.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QTimer;

namespace orva::platform {

class GridModel : public QAbstractItemModel {
    Q_OBJECT
public:
    using CellStyler = std::function<void(int sourceRow, int column, CellStyle& style)>;
    /// Item data role: true on group rows.
    static constexpr int IsGroupRole = Qt::UserRole + 200;
    /// Item data role: the group's depth (0 outermost).
    static constexpr int GroupLevelRole = Qt::UserRole + 201;

    explicit GridModel(QObject* parent = nullptr);

    /// Source rows and columns; its horizontal header data of CursorModel::FieldNameRole
    /// (or else Qt::DisplayRole) names the fields.
    void setSourceModel(QAbstractItemModel* source);
    QAbstractItemModel* sourceModel() const { return source_; }
    /// The grid's columns; without it, every source column with its header as caption.
    void setColumns(const QList<GridColumn>& columns);
    const GridColumn& column(int column) const { return cols_.at(column).spec; }
    /// Grid column of a field (case-insensitive), -1 when absent.
    int columnOf(const QString& fieldName) const;
    int sourceColumn(int column) const { return cols_.at(column).source; }

    void setColumnVisible(int column, bool visible);
    bool isColumnVisible(int column) const { return cols_.at(column).spec.visible; }
    void setColumnTag(int column, int tag) { cols_[column].spec.tag = tag; }
    void setColumnCaption(int column, const QString& caption);
    void setFooterSum(int column, bool on, const QString& format = {});

    void setFindText(const QString& text);
    QString findText() const { return findText_; }
    void setColumnFilter(int column, const QString& text);
    QString columnFilter(int column) const { return cols_.at(column).filterText; }
    void clearFilters();

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    void setSortState(int column, SortState state);
    int sortColumn() const { return sortColumn_; }
    SortState sortState(int column) const;

    /// Groups by these grid columns, outermost first (empty: no grouping).
    void setGroupColumns(const QList<int>& columns);
    QList<int> groupColumns() const { return groupCols_; }
    /// Groups in descending order of their values.
    void setGroupDescending(bool descending);
    bool groupDescending() const { return groupDescending_; }

    void setCellStyler(CellStyler styler);

    // Reading what is displayed.
    int recordCount() const { return static_cast<int>(rows_.size()); }
    /// Source row of the record at a position of the display order.
    int sourceRowAt(int position) const { return rows_.at(position); }
    /// Position of a source row in the display order, -1 when filtered out.
    int positionOf(int sourceRow) const;
    /// Source row of an index; -1 for group rows.
    int sourceRow(const QModelIndex& index) const;
    bool isGroup(const QModelIndex& index) const;
    /// Position of a record in the display order; for a group row, its first record's.
    int recordPosition(const QModelIndex& index) const;
    QModelIndex indexOfSourceRow(int sourceRow, int column = 0) const;
    /// A group's path of shown values from the outermost group ("JALISCO\x1fGUADALAJARA").
    QString groupPath(const QModelIndex& index) const;
    QModelIndex indexOfGroupPath(const QString& path) const;
    /// The text a cell shows.
    QString displayText(int sourceRow, int column) const;
    /// Sum of a column over the displayed records.
    double sum(int column) const;
    /// The footer text of a column: its formatted sum, or empty.
    QString footerText(int column) const;
    /// Walks the displayed rows in screen order, every group expanded.
    void forEachRow(const std::function<void(const GridRowInfo&)>& visit) const;

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    /// Filters, sorting or grouping changed the displayed rows (after the reset).
    void displayChanged();

private:
    struct Column {
        GridColumn spec;
        int source = -1;
        QString filterText;
        ColumnFilter filter;
    };
    struct Group {
        int parent = -1; ///< parent group, -1 at the top
        int row = 0;     ///< row under its parent
        int level = 0;
        QString text;
        int first = 0; ///< first record position
        int count = 0;
        std::vector<int> children; ///< sub-groups; empty at the innermost level
    };
    struct Node {
        int group = -1;    ///< group id, or -1 for a record
        int position = -1; ///< record position
    };

    Node node(const QModelIndex& index) const;
    void connectSource();
    void setColumnsInternal(const QList<GridColumn>& columns);
    QList<GridColumn> currentSpecs() const;
    QString sourceFieldName(int sourceColumn) const;
    /// Finds each column's field among the source's columns (-1 when absent).
    void resolveSources();
    void sourceReset(bool dropTextCache = true);
    void sourceDataChanged(const QModelIndex& from, const QModelIndex& to);

    /// Text of a record's visible columns, folded, each followed by '\x1f'; built on demand.
    const QString& rowText(int sourceRow) const;
    QStringView cellText(int sourceRow, int visibleSlot) const;
    int slotStride() const;
    void resetCaches();
    void warmTexts();
    bool passes(int sourceRow, const QStringList& words,
                const std::vector<std::pair<int, int>>& filters) const;
    bool anyColumnFilter() const;

    /// Recomputes the order of all source rows (sort and grouping).
    void rebuildOrder();
    /// Recomputes the displayed rows and groups inside a model reset; `narrowing`
    /// filters the displayed rows instead of all rows (the new filters only remove rows).
    void refilter(bool narrowing = false);
    /// Applies a change of filters, order or grouping inside one model reset.
    void change(const std::function<void()>& apply, bool narrowing = false);
    void refilterInside(bool narrowing = false);
    void buildGroups();

    QPointer<QAbstractItemModel> source_;
    std::vector<Column> cols_;
    std::vector<int> visibleCols_; ///< grid columns in the row text, in order

    mutable std::vector<QString> texts_;
    mutable std::vector<int> offsets_; ///< per source row, visibleCols_.size() + 1 offsets
    mutable std::vector<unsigned char> built_;

    QString findText_;
    int sortColumn_ = -1;
    SortState sortState_ = SortState::None;
    QList<int> groupCols_;
    bool groupDescending_ = false;
    CellStyler styler_;
    bool explicitColumns_ = false;
    QTimer* warmTimer_ = nullptr; ///< builds the search texts while the user reads
    int warmNext_ = 0;
    bool refilterQueued_ = false;
    mutable std::vector<std::optional<double>> sums_;
    mutable int lastStyled_ = -1;
    mutable int lastStyledColumn_ = -1;
    mutable CellStyle lastStyle_;

    std::vector<int> order_; ///< all source rows in display order
    bool orderValid_ = false;
    std::vector<int> rows_;      ///< displayed source rows, in display order
    std::vector<int> positions_; ///< source row -> position, -1 when not displayed
    std::vector<Group> groups_;
    std::vector<int> topGroups_;
    std::vector<int> innerGroups_; ///< innermost groups in display order
};

} // namespace orva::platform
