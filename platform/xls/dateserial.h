#pragma once
// Dates as spreadsheet programs store them: days since 30 December 1899 (the 1900 date
// system), with the time of day as the fraction.
#include <QDate>
#include <QDateTime>
#include <optional>

namespace orva::platform::xls {

/// The serial number of a date, or nothing for dates the 1900 system cannot hold
/// (invalid, or before 1 January 1900).
std::optional<double> dateSerial(const QDate& date);
std::optional<double> dateSerial(const QDateTime& value);

} // namespace orva::platform::xls
