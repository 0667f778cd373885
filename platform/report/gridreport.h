#pragma once
// The report of a grid: the general template completed with a column header band of the
// visible columns' captions, one group header band per grouped column, the data band
// with one cell per visible column, and the page turned to landscape for wide grids.
#include "platform/grid/gridcolumn.h"
#include "platform/report/reportmodel.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orva::platform::report {

/// The name (and expression prefix) of the grid's rows in the report.
inline const QString kGridSourceName = QStringLiteral("frxDBDataSet1");
/// The template of grid printouts and the objects it must have.
inline const QString kGridTemplate = QStringLiteral("ReporteGeneral");
inline const QString kTitleObject = QStringLiteral("rTitulo");
inline const QString kRuleObject = QStringLiteral("lineainferior");

/// Completes `report` (a copy of the template, which must have the title and rule
/// objects) for these columns and this title. Gives the sort text: every grouped column,
/// then every visible column, each "Field asc" or "Field desc", separated by commas.
QString BuildGridReport(Report& report, const QList<GridColumnInfo>& visible,
                        const QList<GridColumnInfo>& grouped, const QString& title);

/// The sort text made fit for a dataset with these fields: items without a field name,
/// or naming a field the dataset does not have, are dropped (there is nothing to order
/// them by); the rest joined with ", ".
QString DatasetOrder(const QString& sortText, const QStringList& datasetFields);

} // namespace orva::platform::report
