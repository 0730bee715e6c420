// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/julian_day.h"

#include <cmath>

#include "astro/convert_error.h"

namespace {

bool IsJulianLeapYear(int year) {
    return year % 4 == 0;
}

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int year, int month, bool gregorian) {
    switch (month) {
        case 4:
        case 6:
        case 9:
        case 11: return 30;
        case 2: return (gregorian ? IsGregorianLeapYear(year) : IsJulianLeapYear(year)) ? 29 : 28;
        default: return 31;
    }
}

void CheckDate(int year, int month, int day, bool gregorian) {
    if (year < 1 || year > 9999) throw EConvertError("Invalid year");
    if (month < 1 || month > 12) throw EConvertError("Invalid month");
    if (day < 1 || day > MonthLength(year, month, gregorian)) throw EConvertError("Invalid day");
}

// The one formula, with the Gregorian term only in the Gregorian branch.
JulianDay DateFormula(int year, int month, int day, bool gregorian) {
    CheckDate(year, month, day, gregorian);
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    double j =
        std::trunc(365.25 * (year + 4716)) + std::trunc(30.6001 * (month + 1)) + day - 1524.5;
    if (gregorian) j += 2 - (year / 100) + (year / 400);
    return j;
}

}  // namespace

JulianDay JulianDayOfDate(int year, int month, int day) {
    const JulianDay julian = DateFormula(year, month, day, false);
    if (julian < ReformJulianDay) return julian;
    const JulianDay gregorian = DateFormula(year, month, day, true);
    if (gregorian < ReformJulianDay) throw EConvertError("Date invalid due to calendar change");
    return gregorian;
}

HistoricalDate DateOfJulianDay(JulianDay j) {
    if (j < 0) throw EConvertError("Negative julian dates not supported");
    const double z = std::trunc(j + 0.5);
    double b;
    if (j < ReformJulianDay) {
        b = z + 1524;
    } else {
        const double alpha = std::trunc((z - 1867216.25) / 36524.25);
        b = z + alpha - std::trunc(alpha / 4) + 1525;
    }
    const double k = std::trunc((b - 122.1) / 365.25);
    const double d = std::trunc(365.25 * k);
    const double e = std::trunc((b - d) / 30.6001);
    const double year = e > 13 ? k - 4715 : k - 4716;
    // A historical date holds years 1..9999 only; converting a year outside that (or a NaN) to
    // the 16-bit field would be undefined, so it is refused as a date of no such year.
    if (!(year >= 1 && year <= 9999)) throw EConvertError("Invalid year");
    HistoricalDate result;
    result.day = static_cast<std::uint16_t>(b - d - std::trunc(30.6001 * e));
    result.month = static_cast<std::uint16_t>(e > 13 ? e - 13 : e - 1);
    result.year = static_cast<std::uint16_t>(year);
    return result;
}

Moment MomentOfDate(int year, int month, int day) {
    return JulianDayOfDate(year, month, day) - JulianDayOffset;
}

HistoricalDate DateOfMoment(Moment x) {
    return DateOfJulianDay(x + JulianDayOffset);
}
