#include "db/DayNumber.h"

#include <cmath>

namespace vorlanda {

namespace {
const QDate dayZero(1899, 12, 30);
}

double DayNumberFromDate(const QDate& date) {
    return static_cast<double>(dayZero.daysTo(date));
}

QDate DateFromDayNumber(double dayNumber) {
    if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 4.0e6)
        return {};
    const QDate date = dayZero.addDays(static_cast<qint64>(std::trunc(dayNumber)));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return date;
}

} // namespace vorlanda
