#pragma once
// Exports of a prepared report as text and tables: the title, the column captions once,
// the group headings and one line per data row, each object a cell in order of its left
// edge. Page headers and footers stay out of the table forms (CSV, Excel); the plain
// text form keeps the pages.
#include "platform/report/preparedreport.h"

namespace orva::platform::report {

/// CSV with ";" between cells, UTF-8 with a byte-order mark so spreadsheet programs
/// read the accents; cells quoted when they hold ";", quotes or line breaks.
void WriteCsv(const PreparedReport& report, const QString& path);
/// One HTML document with every page drawn as on paper (positions, fonts, colours).
void WriteHtml(const PreparedReport& report, const QString& path);
/// Plain UTF-8 text, each band one line, columns placed by their left edges; pages
/// separated by a form feed.
void WriteText(const PreparedReport& report, const QString& path);
/// A legacy Excel workbook (one sheet); numbers and dates stay numbers and dates.
void WriteXls(const PreparedReport& report, const QString& path);

/// The cells of the table forms, row by row (what WriteCsv writes).
std::vector<std::vector<const PreparedItem*>> TableRows(const PreparedReport& report);

} // namespace orva::platform::report
