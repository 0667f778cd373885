#pragma once
// Writes a walked grid to an Excel workbook (.xlsx) through libxlsxwriter.
#include <QString>

namespace orva::platform {
class GridView;
}

namespace orva::exchange {

/// Raises data::Exception when the file cannot be written.
void writeGridXlsx(const platform::GridView& grid, const QString& path);

} // namespace orva::exchange
