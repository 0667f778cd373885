#include "platform/xls/xlsbook.h"

#include "data/errors.h"

namespace orva::platform::xls {

struct XlsBook::Impl {};

XlsBook::XlsBook() : impl_(std::make_unique<Impl>()) {}
XlsBook::~XlsBook() = default;
void XlsBook::addSheet(const QString&) {}
void XlsBook::writeText(int, int, const QString&, const CellStyle&) {}
void XlsBook::writeNumber(int, int, double, const CellStyle&) {}
void XlsBook::writeDate(int, int, const QDate&, const CellStyle&) {}
void XlsBook::writeDateTime(int, int, const QDateTime&, const CellStyle&) {}
void XlsBook::setColumnWidth(int, double) {}
void XlsBook::save(const QString&) const {
    throw data::Exception(QStringLiteral("La exportación todavía no está disponible."));
}

} // namespace orva::platform::xls
