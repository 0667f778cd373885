#include "platform/xls/dateserial.h"

namespace orva::platform::xls {

std::optional<double> dateSerial(const QDate& date) {
    if (!date.isValid() || date.year() < 1900)
        return std::nullopt;
    // The 1900 system counts a 29 February 1900 that never was: dates before March are
    // one day lower than the plain count from 30 December 1899.
    const QDate epoch = date < QDate(1900, 3, 1) ? QDate(1899, 12, 31) : QDate(1899, 12, 30);
    return static_cast<double>(epoch.daysTo(date));
}

std::optional<double> dateSerial(const QDateTime& value) {
    if (!value.isValid())
        return std::nullopt;
    const std::optional<double> day = dateSerial(value.date());
    if (!day)
        return std::nullopt;
    return *day + value.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace orva::platform::xls
