// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The year of a personal forecast: the solar year that "Становление весны" opens in Gregorian
// year Y, its year star and branch, its twelve solar months with their flying stars, and the
// dates that bound them on the client's clock.
#include <QLocale>
#include <array>
#include <functional>
#include <string>

#include "astro/local_time.h"
#include "calendar/vocabulary.h"

inline constexpr int kForecastPeriodCount = 12;
// The years a forecast can be made for: its last months reach into January of the next year.
inline constexpr int kFirstForecastYear = 1900;
inline constexpr int kLastForecastYear = 8998;

// The clock the forecast's dates are read on: a universal moment (universal time as used) to the
// civil moment that clock shows then.
using ForecastClock = std::function<Moment(Moment universal)>;

struct ForecastYear {
    int year = 0;           // Y, the forecast's Gregorian year
    int yearStar = 0;       // flying star of the solar year opened in Y (as computed, for a man)
    Branch yearBranch = 1;  // branch of that year
    // The thirteen month-opening terms from the spring start of Y to that of Y + 1, every second
    // term, as civil moments of the clock.
    std::array<Moment, kForecastPeriodCount + 1> bounds{};
};

// The forecast year for Gregorian year `year`, its dates on `clock`. The year star and branch are
// those of the solar year that begins at "Становление весны" of `year`: the year the twelve
// periods cover.
ForecastYear ForecastYearOf(int year, const ForecastClock& clock);
// The same on the clock of fixed time settings: their zone and summer shift all year round.
ForecastYear ForecastYearOf(int year, const TimeSettings& settings);

// The flying star of the first solar month (opened by "Становление весны"): 8 for the year
// branches 1, 4, 7, 10; 5 for 2, 5, 8, 11; 2 for 3, 6, 9, 12.
int FirstMonthStar(Branch yearBranch);
// The plain stars of the twelve periods: the first month's star, each next one less (1 → 9).
std::array<int, kForecastPeriodCount> MonthlyStars(Branch yearBranch);

// One solar month: from its opening term to the next month's, civil moments of the clock.
struct ForecastPeriod {
    Moment from = 0;
    Moment to = 0;
};
// Periods 1..12 (index 0..11): 1 runs from term 21 to term 23 of Y, 2 from 23 to 1, … 10 from 15
// to 17, 11 from 17 to term 19 of Y + 1, 12 from 19 to 21 of Y + 1.
std::array<ForecastPeriod, kForecastPeriodCount> ForecastPeriods(const ForecastYear& year);

// A civil moment as the forecast shows it: the short date of `locale` ("ddddd").
std::string ForecastDate(Moment civil, const QLocale& locale);
