#pragma once
// Reads a grid as the export writes it: its visible columns in screen order, then every
// displayed row with every group expanded — group rows "Caption: value" before their
// records, record cells as typed values with their spreadsheet formats.
#include <QList>
#include <QString>
#include <QVariant>

namespace orva::platform {
class GridView;
}

namespace orva::exchange {

struct ExportColumn {
    QString caption;
    double width = 10; ///< characters
};

/// One record cell: text (QString), number (double), date (QDate) or date-time
/// (QDateTime); invalid for an empty cell. `format` is the spreadsheet format code.
struct ExportCell {
    QVariant value;
    QString format;
};

/// What the two file writers receive, in order: the columns once, then the rows.
class GridSink {
public:
    virtual ~GridSink() = default;
    virtual void columns(const QList<ExportColumn>& columns) = 0;
    virtual void groupRow(int level, const QString& text) = 0;
    virtual void recordRow(const QList<ExportCell>& cells) = 0;
};

/// Walks every displayed row of `grid` (the find panel and the filter row apply, the
/// selection and the scroll position do not) into `sink`.
void walkGrid(const platform::GridView& grid, GridSink& sink);

} // namespace orva::exchange
