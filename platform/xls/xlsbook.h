#pragma once
// A writer of the legacy Excel workbook format (BIFF8 inside a compound file): one or
// more sheets of text, numbers and dates with their number formats. It is what the grid
// export and the report preview hand a user's spreadsheet program.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <memory>

namespace orva::platform::xls {

/// How a cell looks; cells with equal styles share one format record in the file.
struct CellStyle {
    QString numberFormat; ///< Excel format code ("#,##0.00", "dd/mm/yyyy"); empty = General
    bool bold = false;
    bool operator==(const CellStyle&) const = default;
};

class XlsBook {
public:
    /// Limits of the format: rows and columns of one sheet, characters of one cell.
    static constexpr int maxRows = 65536;
    static constexpr int maxColumns = 256;
    static constexpr int maxTextLength = 32767;

    XlsBook();
    ~XlsBook();
    XlsBook(const XlsBook&) = delete;
    XlsBook& operator=(const XlsBook&) = delete;

    /// Starts a new sheet and makes it the one the writes below go to. Characters a
    /// sheet name cannot hold become "_", names are cut to 31 characters and made unique.
    /// Writes before the first addSheet go to a sheet named "Hoja1".
    void addSheet(const QString& name);
    int sheetCount() const;
    /// The name the current sheet got (after the changes above).
    QString sheetName() const;
    /// Cells outside maxRows × maxColumns raise data::Exception; longer texts are cut to
    /// maxTextLength; NaN, infinities and invalid dates leave the cell empty, and dates
    /// before 1900 are written as text.
    void writeText(int row, int column, const QString& text, const CellStyle& style = {});
    void writeNumber(int row, int column, double value, const CellStyle& style = {});
    /// Dates and times are stored as numbers of days, shown by the style's format
    /// ("dd/mm/yyyy" when the style has none).
    void writeDate(int row, int column, const QDate& date, const CellStyle& style = {});
    void writeDateTime(int row, int column, const QDateTime& value, const CellStyle& style = {});
    /// Width in characters of a column of the current sheet.
    void setColumnWidth(int column, double characters);

    /// Writes the workbook (a workbook without sheets gets an empty "Hoja1"), replacing
    /// the file only once it is complete; raises data::Exception with a Spanish text when the file
    /// cannot be written.
    void save(const QString& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace orva::platform::xls
