#pragma once
// The expressions report texts hold in brackets, and the display of values:
//   [frxDBDataSet1."SNombre"]   a field of a source's current row
//   [<Page>], [<TotalPages>]    page number and page count (also without < >, and Page#)
//   [<Date>], [<Time>], [<Line>] today, the time, the number of the data row
// Anything else in brackets is printed as written.
#include "platform/report/reportsource.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace orva::platform::report {

/// What expressions read: the sources with the row each is on.
struct ExprContext {
    struct Current {
        const ReportSource* source = nullptr;
        int row = -1;
    };
    std::vector<Current> sources;
    int line = 0; ///< 1-based number of the data row being printed
};

/// A field reference "Source."Field"" (or Source.Field) split in its two names.
bool ParseFieldReference(const QString& expression, QString& source, QString& field);

/// Value of one expression (without its brackets); nothing when it names nothing known.
/// Page numbers are not known while the pages are being made: they give nothing here.
std::optional<QVariant> Evaluate(const QString& expression, const ExprContext& context);

/// The text with each understood [expression] replaced by its value, shown through the
/// display format. Page macros stay for ResolvePageMacros.
QString ExpandText(const QString& text, const ExprContext& context, const QString& displayFormat);

bool HasPageMacros(const QString& text);
/// Replaces the page macros once the pages are counted.
QString ResolvePageMacros(const QString& text, int page, int totalPages);

/// A value as a report prints it: numbers through the display format ("%2.2m" →
/// "$1,234.50"), dates dd/MM/yyyy, anything else as text; `plain` when no format applies.
QString FormatValue(const QVariant& value, const QString& displayFormat, const QString& plain = {});

} // namespace orva::platform::report
