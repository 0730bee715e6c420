// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Julian days and historical calendar dates.
//
// A Moment is a day count since 1899-12-30 00:00 (proleptic Gregorian), the fraction being the
// time of day. A JulianDay counts days from the Julian-day epoch; .0 is noon, .5 is midnight.
// Historical dates are Julian-calendar dates before 1582-10-15 and Gregorian from then on.
#include <cstdint>

using Moment = double;
using JulianDay = double;

// JulianDay of day count 0 (1899-12-30 00:00): 2451544.5 minus the day count of 2000-01-01.
constexpr double JulianDayOffset = 2451544.5 - 36526.0;
// JulianDay of 1582-10-15 00:00, the first Gregorian day.
constexpr double ReformJulianDay = 2299160.5;

struct HistoricalDate {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    bool operator==(const HistoricalDate& o) const {
        return year == o.year && month == o.month && day == o.day;
    }
};

inline JulianDay JulianDayOfMoment(Moment x) {
    return x + JulianDayOffset;
}
inline Moment MomentOfJulianDay(JulianDay j) {
    return j - JulianDayOffset;
}

// Day count of J2000.0 (2000-01-01 12:00), the epoch of the series.
constexpr double kJ2000DayCount = 36526.5;
// Julian centuries from J2000.0 to the moment, in its own time scale (TT for the series).
inline double CenturiesFromJ2000(Moment x) {
    return (x - kJ2000DayCount) / 36525.0;
}

// JulianDay of 00:00 of a historical date. Raises EConvertError: "Invalid year", "Invalid month",
// "Invalid day", "Date invalid due to calendar change".
JulianDay JulianDayOfDate(int year, int month, int day);

// The historical date containing the instant j (time of day dropped).
// Raises EConvertError "Negative julian dates not supported" for j < 0.
HistoricalDate DateOfJulianDay(JulianDay j);

// Day count of 00:00 of a historical date (Julian calendar before the reform).
Moment MomentOfDate(int year, int month, int day);

// Historical date of a day count (Julian calendar before the reform).
HistoricalDate DateOfMoment(Moment x);
