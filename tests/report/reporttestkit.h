#pragma once
// Shared by the report suites: the templates of the source tree, grid columns in a line,
// files read back and PDFs turned into text with poppler's tools.
#include "platform/grid/gridcolumn.h"

#include <QString>
#include <QStringList>
#include <ostream>

/// Texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orva::test {

/// Points the report engine at resources/Reportes of the source tree.
void UseSourceTemplates();

platform::GridColumnInfo Column(const QString& field, const QString& caption, int width,
                                int tag = 0, platform::SortState sort = platform::SortState::None);

QByteArray ReadBytes(const QString& path);
QString ReadText(const QString& path);

/// `pdftotext -layout` of a PDF file.
QString PdfText(const QString& path);
/// Width and height in points of the first page, from `pdfinfo`.
QSizeF PdfPageSize(const QString& path);
/// Number of pages, from `pdfinfo`.
int PdfPages(const QString& path);

/// Times `needle` occurs in `text`.
int Count(const QString& text, const QString& needle);

} // namespace orva::test
