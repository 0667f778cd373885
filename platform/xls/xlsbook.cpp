#include "platform/xls/xlsbook.h"

#include "data/errors.h"
#include "platform/xls/biffstream.h"
#include "platform/xls/cellformats.h"
#include "platform/xls/compoundfile.h"
#include "platform/xls/dateserial.h"
#include "platform/xls/sharedstrings.h"
#include "platform/xls/worksheet.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <cmath>
#include <vector>

namespace orva::platform::xls {
namespace {

const QString defaultDateFormat = QStringLiteral("dd/mm/yyyy");
const QString defaultDateTimeFormat = QStringLiteral("dd/mm/yyyy hh:mm:ss");

CellStyle withFormat(CellStyle style, const QString& format) {
    if (style.numberFormat.isEmpty())
        style.numberFormat = format;
    return style;
}

/// The globals that come before the formats: interface, code page, protection, window.
void writeWorkbookStart(BiffStream& out, int sheets) {
    Bytes bof;
    bof.u16(0x0600).u16(0x0005).u16(0x0DBB).u16(0x07CC).u32(0).u32(0x06);
    out.record(rec::Bof, bof);
    out.record(rec::InterfaceHdr, Bytes().u16(0x04B0));
    out.record(rec::Mms, Bytes().u16(0));
    out.record(rec::InterfaceEnd);
    out.record(rec::Codepage, Bytes().u16(0x04B0)); // UTF-16
    out.record(rec::Dsf, Bytes().u16(0));
    Bytes tabs;
    for (int i = 1; i <= sheets; ++i)
        tabs.u16(i);
    out.record(rec::TabId, tabs);
    out.record(rec::WindowProtect, Bytes().u16(0));
    out.record(rec::Protect, Bytes().u16(0));
    out.record(rec::Password, Bytes().u16(0));
    Bytes window;
    window.u16(0x01E0).u16(0x005A).u16(0x3FCF).u16(0x2A4E); // position and size, in twips
    window.u16(0x0038).u16(0).u16(0).u16(1).u16(0x0258);    // tabs shown; first sheet active
    out.record(rec::Window1, window);
    out.record(rec::Backup, Bytes().u16(0));
    out.record(rec::HideObj, Bytes().u16(0));
    out.record(rec::DateMode, Bytes().u16(0)); // 1900 date system
    out.record(rec::Precision, Bytes().u16(1));
    out.record(rec::BookBool, Bytes().u16(0));
}

} // namespace

struct XlsBook::Impl {
    SharedStrings strings;
    CellFormats formats;
    std::vector<Worksheet> sheets;

    Worksheet& current() {
        if (sheets.empty())
            sheets.emplace_back(QStringLiteral("Hoja1"));
        return sheets.back();
    }
    void check(int row, int column) {
        if (row >= 0 && row < maxRows && column >= 0 && column < maxColumns)
            return;
        throw data::Exception(
            QStringLiteral("La hoja \"%1\" no admite la celda de la fila %2, columna %3: un libro "
                           ".xls llega a %4 filas y %5 columnas por hoja.")
                .arg(current().name())
                .arg(row + 1)
                .arg(column + 1)
                .arg(maxRows)
                .arg(maxColumns));
    }
    QString uniqueName(const QString& wanted) const {
        QString base = wanted;
        base.replace(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]")), QStringLiteral("_"));
        base = base.trimmed().left(31);
        if (base.isEmpty())
            base = QStringLiteral("Hoja%1").arg(sheets.size() + 1);
        QString name = base;
        for (int n = 2; taken(name); ++n) {
            const QString suffix = QStringLiteral(" (%1)").arg(n);
            name = base.left(31 - suffix.size()) + suffix;
        }
        return name;
    }
    bool taken(const QString& name) const {
        for (const Worksheet& s : sheets)
            if (s.name().compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
};

XlsBook::XlsBook() : impl_(std::make_unique<Impl>()) {}
XlsBook::~XlsBook() = default;

void XlsBook::addSheet(const QString& name) {
    impl_->sheets.emplace_back(impl_->uniqueName(name));
}

int XlsBook::sheetCount() const {
    return static_cast<int>(impl_->sheets.size());
}

QString XlsBook::sheetName() const {
    return impl_->current().name();
}

void XlsBook::writeText(int row, int column, const QString& text, const CellStyle& style) {
    impl_->check(row, column);
    const std::uint32_t index = impl_->strings.add(text.left(maxTextLength));
    impl_->current().setText(row, column, index, impl_->formats.xfFor(style));
}

void XlsBook::writeNumber(int row, int column, double value, const CellStyle& style) {
    impl_->check(row, column);
    if (std::isfinite(value))
        impl_->current().setNumber(row, column, value, impl_->formats.xfFor(style));
}

void XlsBook::writeDate(int row, int column, const QDate& date, const CellStyle& style) {
    impl_->check(row, column);
    if (const std::optional<double> serial = dateSerial(date))
        writeNumber(row, column, *serial, withFormat(style, defaultDateFormat));
    else if (date.isValid())
        writeText(row, column, date.toString(QStringLiteral("dd/MM/yyyy")), style);
}

void XlsBook::writeDateTime(int row, int column, const QDateTime& value, const CellStyle& style) {
    impl_->check(row, column);
    if (const std::optional<double> serial = dateSerial(value))
        writeNumber(row, column, *serial, withFormat(style, defaultDateTimeFormat));
    else if (value.isValid())
        writeText(row, column, value.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")), style);
}

void XlsBook::setColumnWidth(int column, double characters) {
    impl_->check(0, column);
    impl_->current().setColumnWidth(column, characters);
}

void XlsBook::save(const QString& path) const {
    impl_->current(); // a workbook has at least one sheet
    const std::vector<Worksheet>& sheets = impl_->sheets;

    BiffStream out;
    writeWorkbookStart(out, static_cast<int>(sheets.size()));
    impl_->formats.write(out);
    std::vector<qsizetype> positionFields;
    for (const Worksheet& sheet : sheets) {
        positionFields.push_back(out.position() + 4);
        Bytes bound;
        bound.u32(0).u8(0).u8(0).text(sheet.name(), 1); // visible worksheet; position below
        out.record(rec::BoundSheet, bound);
    }
    out.record(rec::Country, Bytes().u16(1).u16(52));
    out.append(impl_->strings.records(out.position()));
    out.record(rec::Eof);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        out.patch32(positionFields[i], static_cast<std::uint32_t>(out.position()));
        sheets[i].write(out, i == 0);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !writeCompoundFile(file, QStringLiteral("Workbook"), std::move(out.data())) ||
        !file.commit())
        throw data::Exception(QStringLiteral("No se pudo escribir el archivo: %1")
                                  .arg(QDir::toNativeSeparators(path)));
}

} // namespace orva::platform::xls
