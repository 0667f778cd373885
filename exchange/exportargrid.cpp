#include "exchange/exportargrid.h"

#include "exchange/gridexport_xls.h"
#include "exchange/gridexport_xlsx.h"
#include "platform/dialogs/dialogs.h"

#include <QApplication>

namespace orva::exchange {
namespace {

const QString xlsExtension = QStringLiteral(".xls");
const QString xlsxExtension = QStringLiteral(".xlsx");

/// The path to write: the typed name keeps an extension of either format (in any letter
/// case); any other name gets ".xls" appended.
QString exportPath(const QString& typed) {
    if (typed.endsWith(xlsExtension, Qt::CaseInsensitive) ||
        typed.endsWith(xlsxExtension, Qt::CaseInsensitive))
        return typed;
    return typed + xlsExtension;
}

/// The wait cursor while the file is written, put back however the writing ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void ExportarGridExcel(platform::GridView& grid) {
    platform::Dialogs& dialogs = platform::dialogs();
    const QString typed =
        dialogs.saveFileName(QStringLiteral("Exportar a Excel"),
                             QStringLiteral("Libro de Excel 97-2003|*.xls|Libro de Excel|*.xlsx"));
    if (typed.isEmpty())
        return;
    const QString path = exportPath(typed);
    {
        WaitCursor wait;
        if (path.endsWith(xlsxExtension, Qt::CaseInsensitive))
            writeGridXlsx(grid, path);
        else
            writeGridXls(grid, path);
    }
    if (dialogs.confirm(QStringLiteral("¿Desea abrir el documento de excel exportado?")))
        dialogs.openWithDefaultProgram(path);
}

} // namespace orva::exchange
