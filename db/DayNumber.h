#pragma once

#include <QDate>

namespace vorlanda {

// Dates travel as day numbers: day 0 is 30 December 1899, fractions are times of day.
double DayNumberFromDate(const QDate& date);

// The calendar day of a day number (its fractional part ignored); invalid outside the
// years 1 to 9999.
QDate DateFromDayNumber(double dayNumber);

} // namespace vorlanda
