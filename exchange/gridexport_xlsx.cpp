#include "exchange/gridexport_xlsx.h"

#include "data/errors.h"
#include "exchange/gridexport_walker.h"
#include "platform/xls/dateserial.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <xlsxwriter.h>

namespace orva::exchange {
namespace {

constexpr int maxTextLength = 32767;

QString cannotWrite(const QString& path) {
    return QStringLiteral("No se pudo escribir el archivo: %1").arg(QDir::toNativeSeparators(path));
}

/// The library's workbook: written by close(), discarded if never closed.
class Workbook {
public:
    explicit Workbook(const QString& path) : path_(path) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE; // rows go to disk as they are written
        book_ = workbook_new_opt(QFile::encodeName(path).constData(), &options);
        if (!book_)
            throw data::Exception(cannotWrite(path));
    }
    ~Workbook() {
        if (book_)
            lxw_workbook_free(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return book_; }
    void close() {
        const lxw_error result = workbook_close(book_); // frees the workbook too
        book_ = nullptr;
        if (result != LXW_NO_ERROR)
            throw data::Exception(cannotWrite(path_));
    }

private:
    QString path_;
    lxw_workbook* book_ = nullptr;
};

class XlsxSink : public GridSink {
public:
    explicit XlsxSink(Workbook& book)
        : book_(book), sheet_(workbook_add_worksheet(book.get(), "Hoja1")) {}

    void columns(const QList<ExportColumn>& columns) override {
        if (columns.size() > LXW_COL_MAX)
            throw data::Exception(
                QStringLiteral("La cuadrícula tiene %1 columnas visibles y un libro de Excel "
                               "admite %2.")
                    .arg(columns.size())
                    .arg(LXW_COL_MAX));
        for (int c = 0; c < columns.size(); ++c) {
            worksheet_set_column(sheet_, lxw_col_t(c), lxw_col_t(c), columns.at(c).width, nullptr);
            text(0, c, columns.at(c).caption, format({}, true));
        }
    }

    void groupRow(int, const QString& caption) override {
        next();
        text(row_, 0, caption, format({}, true));
    }

    void recordRow(const QList<ExportCell>& cells) override {
        next();
        for (int c = 0; c < cells.size(); ++c) {
            const ExportCell& cell = cells.at(c);
            std::optional<double> serial;
            switch (cell.value.typeId()) {
            case QMetaType::Double:
                number(c, cell.value.toDouble(), cell.format);
                break;
            case QMetaType::QDate:
                serial = platform::xls::dateSerial(cell.value.toDate());
                if (serial)
                    number(c, *serial, cell.format);
                else
                    text(row_, c, cell.value.toDate().toString(QStringLiteral("dd/MM/yyyy")));
                break;
            case QMetaType::QDateTime:
                serial = platform::xls::dateSerial(cell.value.toDateTime());
                if (serial)
                    number(c, *serial, cell.format);
                else
                    text(row_, c,
                         cell.value.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
                break;
            case QMetaType::QString:
                text(row_, c, cell.value.toString());
                break;
            default:
                break;
            }
        }
    }

private:
    void next() {
        if (++row_ >= LXW_ROW_MAX)
            throw data::Exception(
                QStringLiteral("La cuadrícula tiene más renglones de los que admite una hoja de "
                               "Excel (%1).")
                    .arg(LXW_ROW_MAX));
    }
    lxw_format* format(const QString& code, bool bold = false) {
        if (code.isEmpty() && !bold)
            return nullptr;
        const QString key = (bold ? QStringLiteral("b|") : QStringLiteral("n|")) + code;
        lxw_format*& f = formats_[key];
        if (!f) {
            f = workbook_add_format(book_.get());
            if (bold)
                format_set_bold(f);
            if (!code.isEmpty())
                format_set_num_format(f, code.toUtf8().constData());
        }
        return f;
    }
    void number(int column, double value, const QString& code) {
        worksheet_write_number(sheet_, row_, lxw_col_t(column), value, format(code));
    }
    void text(lxw_row_t row, int column, const QString& value, lxw_format* f = nullptr) {
        worksheet_write_string(sheet_, row, lxw_col_t(column),
                               value.left(maxTextLength).toUtf8().constData(), f);
    }

    Workbook& book_;
    lxw_worksheet* sheet_;
    QHash<QString, lxw_format*> formats_;
    lxw_row_t row_ = 0;
};

} // namespace

void writeGridXlsx(const platform::GridView& grid, const QString& path) {
    Workbook book(path);
    XlsxSink sink(book);
    walkGrid(grid, sink);
    book.close();
}

} // namespace orva::exchange
