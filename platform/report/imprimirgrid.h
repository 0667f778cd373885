#pragma once
// Printing what a grid shows: a report built at run time from the general template
// ("ReporteGeneral" under the program's Reportes folder) and the grid's visible columns,
// grouping and sort order, opened in the modal preview.
#include <QString>

namespace orva::platform {

class GridView;

/// Builds the report for `view` with `titulo` in the template's title object and shows
/// it in the preview; returns when the preview is closed. The grid's dataset keeps the
/// printed sort order afterwards. A missing or unreadable template, or one without the
/// objects the report needs, raises data::Exception and shows nothing.
void ImprimirGrid(GridView& view, const QString& titulo);

} // namespace orva::platform
