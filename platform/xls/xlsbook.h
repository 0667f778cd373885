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
    XlsBook();
    ~XlsBook();
    XlsBook(const XlsBook&) = delete;
    XlsBook& operator=(const XlsBook&) = delete;

    /// Starts a new sheet and makes it the one the writes below go to.
    void addSheet(const QString& name);
    void writeText(int row, int column, const QString& text, const CellStyle& style = {});
    void writeNumber(int row, int column, double value, const CellStyle& style = {});
    /// Dates and times are stored as numbers of days, shown by the style's format
    /// ("dd/mm/yyyy" when the style has none).
    void writeDate(int row, int column, const QDate& date, const CellStyle& style = {});
    void writeDateTime(int row, int column, const QDateTime& value, const CellStyle& style = {});
    /// Width in characters of a column of the current sheet.
    void setColumnWidth(int column, double characters);

    /// Writes the workbook; raises data::Exception with a Spanish text when the file
    /// cannot be written.
    void save(const QString& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace orva::platform::xls
