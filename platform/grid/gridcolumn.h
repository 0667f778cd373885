#pragma once
// Column settings of the grid and what printing and export read back from it.
#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>
#include <optional>

namespace orva::platform {

enum class SortState { None, Ascending, Descending };

/// A grid column as a window declares it. The source column is found by field name.
struct GridColumn {
    QString fieldName;
    QString caption;        ///< header text; the field name when empty
    bool visible = true;    ///< hidden columns can be shown through the column chooser
    int width = 0;          ///< pixels; 0 = fitted to the content
    int tag = 0;            ///< free number read by printing (7 justified, 8 money…)
    QString displayFormat;  ///< numbers: "#,##0.00", "0.00", "%2.2m"…; dates: "dd/MM/yyyy"
    bool footerSum = false; ///< show the sum of the displayed records under the column
    QString footerFormat;   ///< format of the sum; the display format when empty
};

/// One visible column, in screen order, as printing and export read it.
struct GridColumnInfo {
    int column = -1; ///< grid column
    QString fieldName;
    QString caption;
    int width = 0; ///< pixels on screen
    int tag = 0;
    QString displayFormat;
    SortState sort = SortState::None;
    int groupIndex = -1; ///< position among the grouped columns, -1 when not grouped
    Qt::Alignment alignment;
};

/// One displayed row, in screen order with every group expanded.
struct GridRowInfo {
    bool isGroup = false;
    int level = 0;       ///< group depth (0 = outermost); records sit at the grouping depth
    int sourceRow = -1;  ///< record: row of the source model; group: -1
    int column = -1;     ///< group: the grouped grid column
    QString caption;     ///< group: caption of the grouped column
    QString text;        ///< group: the value as shown
    int recordCount = 0; ///< group: records inside it
};

/// Appearance of one cell, as a window's style callback sets it.
struct CellStyle {
    QColor background;
    QColor foreground;
    std::optional<QFont> font;
};

} // namespace orva::platform
