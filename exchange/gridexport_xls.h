#pragma once
// Writes a walked grid to a legacy Excel workbook (.xls). A sheet holds 65,536 rows:
// longer grids go on in further sheets, each starting with the captions again.
#include <QString>

namespace orva::platform {
class GridView;
}

namespace orva::exchange {

/// Raises data::Exception when the file cannot be written or the grid has more
/// visible columns than a sheet holds.
void writeGridXls(const platform::GridView& grid, const QString& path);

} // namespace orva::exchange
