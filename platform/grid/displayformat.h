#pragma once
#include <QString>
#include <QVariant>

namespace orva::platform {

/// Formats a number with a Delphi-style pattern. Numeric patterns:
/// "0" a digit always shown, "#" a digit shown when significant, "," anywhere in the
/// number part groups thousands, "." marks the decimals; text before and after the
/// number part is copied ("$#,##0.00", "0.0 %"). Printf-like forms: "%m" money
/// ("$1,234.50"; "%2.2m" gives two decimals), "%n" grouped number, "%f" fixed, "%d"
/// integer. Decimal point ".", thousands ",", as Mexican users write them.
QString formatNumber(double value, const QString& pattern);

/// The text a grid shows for a value: dates "dd/MM/yyyy" (or the pattern, read as a Qt
/// date format), date-times "dd/MM/yyyy hh:mm:ss", numbers through formatNumber() when a
/// pattern is given, anything else as text.
QString formatValue(const QVariant& value, const QString& pattern);

/// Decimals of a printf-like form: the digits after its "." ("%2.2m" → 2), otherwise 0
/// for "%d" and 2 for the others.
int printfDecimals(const QString& pattern);

/// Where the number part of a numeric pattern lies: the positions of its first and last
/// digit placeholder ("0" or "#"); both -1 when the pattern has none.
struct NumberSpan {
    qsizetype first = -1;
    qsizetype last = -1;
};
NumberSpan numberPart(const QString& pattern);

/// True for the integer and floating types of QVariant.
bool isNumeric(const QVariant& value);

} // namespace orva::platform
