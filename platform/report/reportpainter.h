#pragma once
// Draws prepared pages with QPainter, and sends them to the outputs that are pictures
// of the pages: the screen, a printer, image files (the PDF file: pdfwriter.h).
#include "platform/report/preparedreport.h"

#include <QStringList>

class QPainter;
class QPrinter;

namespace orva::platform::report {

/// Draws a page on a painter whose coordinates are report units (the caller scales).
void PaintPage(QPainter& painter, const PreparedPage& page);

/// Prints the pages `from`..`to` (1-based, 0 for all) on a printer already set up.
void PrintPages(const PreparedReport& report, QPrinter& printer, int from = 0, int to = 0);

/// One picture per page at `dpi`: `path` for the first page, "name_2.ext", "name_3.ext"…
/// for the next ones. `format` is a Qt image format ("PNG", "JPEG", "TIFF"). Gives the
/// files written; raises data::Exception when one cannot be written.
QStringList WriteImages(const PreparedReport& report, const QString& path, const char* format,
                        int dpi = 150);

/// One page as a picture at `dpi`, white background.
QImage PageImage(const PreparedPage& page, int dpi);

} // namespace orva::platform::report
