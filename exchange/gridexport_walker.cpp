#include "exchange/gridexport_walker.h"

#include "exchange/gridexport_formats.h"
#include "platform/grid/displayformat.h"
#include "platform/grid/gridview.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>
#include <optional>

namespace orva::exchange {
namespace {

/// Screen pixels per character of the default spreadsheet font, roughly.
constexpr double pixelsPerCharacter = 7.0;

/// A visible column with its spreadsheet formats, worked out once per export.
struct WalkColumn {
    int gridColumn = -1;
    int sourceColumn = -1;
    QString numberFormat;
    QString dateFormat;
    QString dateTimeFormat;
};

/// The cell of a typed value; nothing for values exported as the grid shows them.
std::optional<ExportCell> cellFor(const QVariant& value, const WalkColumn& column) {
    if (!value.isValid() || value.isNull())
        return ExportCell{};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return ExportCell{value, column.dateFormat};
    case QMetaType::QDateTime:
        return ExportCell{value, column.dateTimeFormat};
    case QMetaType::QString:
        return ExportCell{value, {}};
    case QMetaType::QByteArray: // pictures and templates are not cell values
        return ExportCell{};
    default:
        break;
    }
    if (platform::isNumeric(value))
        return ExportCell{value.toDouble(), column.numberFormat};
    return std::nullopt; // times, flags…
}

} // namespace

void walkGrid(const platform::GridView& grid, GridSink& sink) {
    const QList<platform::GridColumnInfo> visible = grid.visibleColumns();
    const platform::GridModel* model = grid.gridModel();
    const QAbstractItemModel* source = model->sourceModel();
    QList<ExportColumn> columns;
    QList<WalkColumn> walk;
    for (const platform::GridColumnInfo& c : visible) {
        const double fromScreen = c.width / pixelsPerCharacter;
        columns << ExportColumn{
            c.caption, std::clamp(std::max<double>(fromScreen, c.caption.size() + 2), 6.0, 60.0)};
        walk << WalkColumn{c.column, source ? model->sourceColumn(c.column) : -1,
                           spreadsheetNumberFormat(c.displayFormat, c.tag),
                           spreadsheetDateFormat(c.displayFormat, false),
                           spreadsheetDateFormat(c.displayFormat, true)};
    }
    sink.columns(columns);

    grid.forEachDisplayedRow([&](const platform::GridRowInfo& row) {
        if (row.isGroup) {
            sink.groupRow(row.level, row.caption + QStringLiteral(": ") + row.text);
            return;
        }
        QList<ExportCell> cells;
        cells.reserve(walk.size());
        for (const WalkColumn& c : walk) {
            if (c.sourceColumn < 0) {
                cells << ExportCell{};
                continue;
            }
            const QVariant value =
                source->data(source->index(row.sourceRow, c.sourceColumn), Qt::EditRole);
            const std::optional<ExportCell> cell = cellFor(value, c);
            cells << (cell ? *cell : ExportCell{grid.displayText(row.sourceRow, c.gridColumn), {}});
        }
        sink.recordRow(cells);
    });
}

} // namespace orva::exchange
