#pragma once
// Exporting a grid to a spreadsheet file: every record, grouped rows expanded, the
// visible columns with their captions and cell formats; then the offer to open it.
namespace orva::platform {
class GridView;
}

namespace orva::exchange {

/// Asks for the file (legacy Excel ".xls", or ".xlsx"), writes the grid and asks
/// "¿Desea abrir el documento de excel exportado?". Cancelling the dialog does nothing.
/// A write failure raises data::Exception; the question is then not asked.
void ExportarGridExcel(platform::GridView& grid);

} // namespace orva::exchange
