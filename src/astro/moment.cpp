// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moment.h"

#include <cmath>

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

// Day count of 1970-01-01, the epoch of the civil-day arithmetic below.
constexpr long kUnixEpochDayCount = 25569;

bool IsLeap(long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(long y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && IsLeap(y)) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (era arithmetic over 400-year cycles).
long DaysFromCivil(long y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& year, int& month, int& day) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

long DayNumberOfDate(int year, int month, int day) {
    return DaysFromCivil(year, month, day) + kUnixEpochDayCount;
}

bool IsValidCivilDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

CivilDateTime DecodeMoment(Moment x) {
    const double totalMs = std::round(x * kMillisecondsPerDay);
    const double dayPart = std::floor(totalMs / kMillisecondsPerDay);
    long msOfDay = static_cast<long>(totalMs - dayPart * kMillisecondsPerDay);
    CivilDateTime t;
    CivilFromDays(static_cast<long>(dayPart) - kUnixEpochDayCount, t.year, t.month, t.day);
    t.hour = static_cast<int>(msOfDay / 3600000);
    msOfDay %= 3600000;
    t.minute = static_cast<int>(msOfDay / 60000);
    msOfDay %= 60000;
    t.second = static_cast<int>(msOfDay / 1000);
    t.millisecond = static_cast<int>(msOfDay % 1000);
    return t;
}

Moment EncodeMoment(int year, int month, int day, int hour, int minute, int second,
                    int millisecond) {
    const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return static_cast<double>(DayNumberOfDate(year, month, day)) + ms / kMillisecondsPerDay;
}

int YearOfMoment(Moment x) {
    return DecodeMoment(x).year;
}
int MonthOfMoment(Moment x) {
    return DecodeMoment(x).month;
}
int HourOfMoment(Moment x) {
    return DecodeMoment(x).hour;
}

double TimeOfMoment(Moment x) {
    const double totalMs = std::round(x * kMillisecondsPerDay);
    const double dayPart = std::floor(totalMs / kMillisecondsPerDay);
    return (totalMs - dayPart * kMillisecondsPerDay) / kMillisecondsPerDay;
}

Moment WithTimeOf(Moment date, Moment time) {
    const double totalMs = std::round(date * kMillisecondsPerDay);
    const double dayPart = std::floor(totalMs / kMillisecondsPerDay);
    return dayPart + TimeOfMoment(time);
}
