#pragma once
// Reads the first sheet of an .xlsx file back (libzip and QXmlStreamReader): each cell's
// text or number, its number format code and whether its font is bold.
#include <QHash>
#include <QString>

namespace orva::exchange::test {

struct XlsxCell {
    bool isNumber = false;
    QString text;
    double number = 0;
    QString format; ///< "General" or the format code
    bool bold = false;
};

/// Cells of the first sheet by reference ("A1"); raises std::runtime_error when the file
/// is not a readable workbook.
QHash<QString, XlsxCell> readXlsxSheet(const QString& path);

} // namespace orva::exchange::test
