// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/lunisolar_date.h"

#include <cmath>

#include "astro/new_moon.h"
#include "astro/solar_terms.h"

namespace {

// ChinaTime is Beijing standard time (UT+8) from 1929 on, the local mean time of Beijing
// (UT+7:45:40) up to 1928.
constexpr double kBeijingStandardShift = 1.0 / 3.0;
constexpr double kBeijingMeanShift = 0.3233796296296296;
constexpr double kSynodicMonth = 29.530589;  // days

double ChinaShiftOf(Moment x) {
    return DateOfMoment(x).year > 1928 ? kBeijingStandardShift : kBeijingMeanShift;
}

// The major term (even TermIndex) of Gregorian month 1..12.
TermIndex MajorTermOfMonth(int month) {
    return (2 * month + 18) % 24;
}

}  // namespace

double ChinaTimeOfUniversal(Moment t) {
    return t + ChinaShiftOf(t);
}

Moment UniversalOfChinaTime(double c) {
    return c - ChinaShiftOf(c);
}

Moment NextMajorTerm(Moment t) {
    const HistoricalDate date = DateOfMoment(t);
    int year = date.year;
    int month = date.month;
    for (;;) {
        const double r = TermInstant(year, MajorTermOfMonth(month));
        if (t <= r) return r;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

Moment PreviousMajorTerm(Moment t) {
    const HistoricalDate date = DateOfMoment(t);
    int year = date.year;
    int month = date.month;
    for (;;) {
        const double r = TermInstant(year, MajorTermOfMonth(month));
        if (r < t) return r;
        if (--month < 1) {
            month = 12;
            --year;
        }
    }
}

ChinaDate ChinaDateOf(double chinaTime) {
    return static_cast<ChinaDate>(std::floor(chinaTime));
}

ChinaDate NewMoonStart(double y) {
    return ChinaDateOf(ChinaTimeOfUniversal(LastNewMoon(UniversalOfChinaTime(y))));
}

ChinaDate NextNewMoonDate(double y) {
    return ChinaDateOf(ChinaTimeOfUniversal(NextNewMoon(UniversalOfChinaTime(y))));
}

ChinaDate NextMajorDate(double y) {
    return ChinaDateOf(ChinaTimeOfUniversal(NextMajorTerm(UniversalOfChinaTime(y))));
}

ChinaDate PreviousMajorDate(double y) {
    return ChinaDateOf(ChinaTimeOfUniversal(PreviousMajorTerm(UniversalOfChinaTime(y))));
}

bool NoMajorTerm(ChinaDate m) {
    return PreviousMajorDate(m) == PreviousMajorDate(NextNewMoonDate(m + 2));
}

bool LeapSince(ChinaDate a, ChinaDate b) {
    // Month by month back from a to b.
    for (;;) {
        if (NoMajorTerm(a)) return true;
        if (!(a > b)) return false;
        a = NewMoonStart(a - 1);
    }
}

LunarDate LunisolarDate(Moment x) {
    // The day (floor: days before 1899-12-30 are negative counts) and its year.
    const ChinaDate e = ChinaDateOf(x);
    const int year = DateOfMoment(x).year;

    // Winter solstices of the year before, this year and the next, as China dates.
    const ChinaDate s0 = NextMajorDate(MomentOfDate(year - 1, 12, 15));
    const ChinaDate s1 = NextMajorDate(MomentOfDate(year, 12, 15));
    ChinaDate f;  // the day after the solstice opening the lunisolar year of e
    ChinaDate g;  // the solstice closing it
    if (s0 <= e && e < s1) {
        f = s0 + 1;
        g = s1;
    } else {
        f = s1 + 1;
        g = NextMajorDate(MomentOfDate(year + 1, 12, 15));
    }

    const ChinaDate m12 = NextNewMoonDate(f);   // first day of the month after the solstice month
    const ChinaDate m11 = NewMoonStart(g + 1);  // first day of the next solstice month
    const ChinaDate r = NewMoonStart(e + 1);    // first day of the month of e

    const bool leapYear = std::round((m11 - m12) / kSynodicMonth) == 12;
    long n = std::lround((r - m12) / kSynodicMonth);
    LunarDate result;
    result.leap = leapYear && NoMajorTerm(r) && !LeapSince(NewMoonStart(r), m12);
    if (leapYear && (result.leap || LeapSince(r, m12))) --n;
    result.month = static_cast<int>(((n % 12) + 12) % 12);
    if (result.month == 0) result.month = 12;
    result.day = static_cast<int>(e - r + 1);
    result.lunarEpochYear = year + 2636;
    if (result.month <= 10 || e > MomentOfDate(year, 7, 1)) ++result.lunarEpochYear;
    return result;
}
