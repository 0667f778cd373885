#include "exchange/gridexport_xls.h"

#include "data/errors.h"
#include "exchange/gridexport_walker.h"
#include "platform/xls/xlsbook.h"

#include <QDate>
#include <QDateTime>

namespace orva::exchange {
namespace {

using platform::xls::CellStyle;
using platform::xls::XlsBook;

class XlsSink : public GridSink {
public:
    explicit XlsSink(XlsBook& book) : book_(book) {}

    void columns(const QList<ExportColumn>& columns) override {
        if (columns.size() > XlsBook::maxColumns)
            throw data::Exception(
                QStringLiteral("La cuadrícula tiene %1 columnas visibles y un libro .xls admite "
                               "%2. Oculte columnas o exporte a .xlsx.")
                    .arg(columns.size())
                    .arg(XlsBook::maxColumns));
        columns_ = columns;
        startSheet();
    }

    void groupRow(int, const QString& text) override {
        nextRow();
        book_.writeText(row_, 0, text, bold_);
    }

    void recordRow(const QList<ExportCell>& cells) override {
        nextRow();
        for (int c = 0; c < cells.size(); ++c) {
            const ExportCell& cell = cells.at(c);
            const CellStyle style{cell.format};
            switch (cell.value.typeId()) {
            case QMetaType::Double:
                book_.writeNumber(row_, c, cell.value.toDouble(), style);
                break;
            case QMetaType::QDate:
                book_.writeDate(row_, c, cell.value.toDate(), style);
                break;
            case QMetaType::QDateTime:
                book_.writeDateTime(row_, c, cell.value.toDateTime(), style);
                break;
            case QMetaType::QString:
                book_.writeText(row_, c, cell.value.toString());
                break;
            default:
                break; // empty cell
            }
        }
    }

private:
    void startSheet() {
        ++sheets_;
        book_.addSheet(QStringLiteral("Hoja%1").arg(sheets_));
        for (int c = 0; c < columns_.size(); ++c) {
            book_.writeText(0, c, columns_.at(c).caption, bold_);
            book_.setColumnWidth(c, columns_.at(c).width);
        }
        row_ = 0;
    }
    void nextRow() {
        if (++row_ == XlsBook::maxRows)
            startSheet(), row_ = 1;
    }

    XlsBook& book_;
    QList<ExportColumn> columns_;
    const CellStyle bold_{{}, true};
    int sheets_ = 0;
    int row_ = 0;
};

} // namespace

void writeGridXls(const platform::GridView& grid, const QString& path) {
    XlsBook book;
    XlsSink sink(book);
    walkGrid(grid, sink);
    book.save(path);
}

} // namespace orva::exchange
