#include "freexlreader.h"

#include <freexl.h>

namespace orva::xls::test {
namespace {

void check(int rc, const char* what) {
    if (rc != FREEXL_OK)
        throw std::runtime_error(std::string(what) + " failed: " + std::to_string(rc));
}

} // namespace

FreeXlBook::FreeXlBook(const QString& path) {
    check(freexl_open(path.toLocal8Bit().constData(), &handle_), "freexl_open");
}

FreeXlBook::~FreeXlBook() {
    if (handle_)
        freexl_close(handle_);
}

QStringList FreeXlBook::sheetNames() const {
    unsigned count = 0;
    check(freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &count), "sheet count");
    QStringList names;
    for (unsigned i = 0; i < count; ++i) {
        const char* name = nullptr;
        check(freexl_get_worksheet_name(handle_, static_cast<unsigned short>(i), &name),
              "sheet name");
        names << QString::fromUtf8(name);
    }
    return names;
}

void FreeXlBook::select(int sheet) {
    check(freexl_select_active_worksheet(handle_, static_cast<unsigned short>(sheet)),
          "select sheet");
}

unsigned FreeXlBook::rows() const {
    unsigned rows = 0;
    unsigned short columns = 0;
    check(freexl_worksheet_dimensions(handle_, &rows, &columns), "dimensions");
    return rows;
}

unsigned FreeXlBook::columns() const {
    unsigned rows = 0;
    unsigned short columns = 0;
    check(freexl_worksheet_dimensions(handle_, &rows, &columns), "dimensions");
    return columns;
}

ReadCell FreeXlBook::cell(unsigned row, unsigned column) const {
    FreeXL_CellValue value;
    check(freexl_get_cell_value(handle_, row, static_cast<unsigned short>(column), &value),
          "cell value");
    ReadCell out;
    out.type = value.type;
    switch (value.type) {
    case FREEXL_CELL_INT:
        out.number = value.value.int_value;
        break;
    case FREEXL_CELL_DOUBLE:
        out.number = value.value.double_value;
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        out.text = QString::fromUtf8(value.value.text_value);
        break;
    default:
        break;
    }
    return out;
}

} // namespace orva::xls::test
