#pragma once
// The grid's display formats in the spreadsheet's own terms: Delphi-style and printf-like
// number patterns, Qt date patterns, and the money tag.
#include <QString>

namespace orva::exchange {

/// Grid column tag of money amounts: shown as "$#,##0.00" when the column has no format.
inline constexpr int moneyTag = 8;

/// Spreadsheet number format for a grid number pattern ("#,##0.00", "%2.2m", "0.0 %"…);
/// empty for the general format.
QString spreadsheetNumberFormat(const QString& displayFormat, int tag);

/// Spreadsheet date format for a Qt date pattern ("dd/MM/yyyy" → "dd/mm/yyyy"); the
/// default date or date-time format when the pattern is empty.
QString spreadsheetDateFormat(const QString& qtPattern, bool withTime);

} // namespace orva::exchange
