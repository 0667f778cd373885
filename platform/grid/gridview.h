#pragma once
// The read-only grid of every list window: find panel, filter row, sorting, grouping,
// column chooser, per-cell styles, footer sums and the record counter. Over a
// CursorModel (a dataset) the focused record is the dataset's current row, both ways.
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridmodel.h"

#include <QSet>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace orva::platform {

class CursorModel;
class FilterHeader;
class GridFooter;

class GridView : public QWidget {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);
    ~GridView() override;

    /// Rows to show; a CursorModel also gets its current row kept in step with the focus.
    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const;
    GridModel* gridModel() const { return model_; }
    /// Declares the columns (found in the model by field name).
    void setColumns(const QList<GridColumn>& columns);
    /// Grid column of a field, -1 when absent.
    int column(const QString& fieldName) const { return model_->columnOf(fieldName); }

    void setColumnVisible(int column, bool visible);
    bool isColumnVisible(int column) const;
    void setColumnTag(int column, int tag) { model_->setColumnTag(column, tag); }
    void setColumnWidth(int column, int width);
    void setFooterSum(int column, bool on, const QString& format = {});
    /// Columns share the grid's width (no horizontal scroll bar); on by default.
    void setAutoColumnWidths(bool on);
    bool autoColumnWidths() const { return autoWidths_; }

    // Find panel (always shown) and filter row.
    void setFindText(const QString& text); ///< applies at once
    QString findText() const { return model_->findText(); }
    QLineEdit* findEdit() const { return findEdit_; }
    /// Milliseconds of typing pause before the find panel applies (250 by default).
    void setFindPause(int milliseconds) { findPause_ = milliseconds; }
    void setColumnFilter(int column, const QString& text); ///< applies at once
    FilterHeader* filterHeader() const { return header_; }
    void setFilterRowVisible(bool visible);

    void sortBy(int column, SortState state);

    /// Groups by these grid columns, outermost first; empty removes the grouping.
    void setGroupColumns(const QList<int>& columns);
    void setGroupDescending(bool descending);
    void expandAll();
    void collapseAll();

    /// Per-cell appearance: called for each record cell drawn.
    void setCellStyle(GridModel::CellStyler styler) { model_->setCellStyler(std::move(styler)); }

    /// Row height fitted to content (several lines) instead of one line per record.
    void setRowHeightFitsContent(bool on);
    bool rowHeightFitsContent() const { return fitRows_; }
    /// A double click on a cell toggles setRowHeightFitsContent (off by default).
    void setDoubleClickTogglesRowHeight(bool on) { toggleOnDoubleClick_ = on; }

    // Focus and selection, in source rows.
    int currentSourceRow() const;
    void setCurrentSourceRow(int sourceRow);
    QList<int> selectedSourceRows() const;

    /// "Registro [RecordIndex] de [RecordCount]" with the numbers filled in.
    QString counterText() const;
    int recordCount() const { return model_->recordCount(); }

    // What printing and export read.
    /// Visible columns in screen order.
    QList<GridColumnInfo> visibleColumns() const;
    /// Grouped columns, outermost first.
    QList<GridColumnInfo> groupedColumns() const;
    /// Displayed rows in screen order, every group expanded.
    void forEachDisplayedRow(const std::function<void(const GridRowInfo&)>& visit) const {
        model_->forEachRow(visit);
    }
    QString displayText(int sourceRow, int column) const {
        return model_->displayText(sourceRow, column);
    }

    void showColumnChooser();
    QTreeView* treeView() const;

signals:
    void currentSourceRowChanged(int sourceRow);
    void cellDoubleClicked(int sourceRow, int column);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onCurrentChanged(const QModelIndex& current);
    void aboutToReset();
    void afterReset();
    void followCursor(int sourceRow);
    void updateCounter();
    void updateGroupPanel();
    void fitColumns();
    void headerMenu(const QPoint& pos);
    QList<int> naturalWidths() const;
    GridColumnInfo info(int column) const;

    GridModel* model_;
    QTreeView* tree_;
    FilterHeader* header_;
    GridFooter* footer_;
    QLineEdit* findEdit_;
    QTimer* findTimer_;
    QLabel* counter_;
    QLabel* groupPanel_;
    QPushButton* ungroupButton_;
    CursorModel* cursor_ = nullptr;
    QAbstractItemModel* source_ = nullptr;

    bool autoWidths_ = true;
    bool fitRows_ = false;
    bool toggleOnDoubleClick_ = false;
    bool syncing_ = false;
    int findPause_ = 250;
    QList<int> widths_;      ///< declared widths (0 = fitted)
    int keptRow_ = -1;       ///< focused source row across a reset
    QSet<QString> expanded_; ///< group paths left expanded
    bool allExpanded_ = false;
};

} // namespace orva::platform
