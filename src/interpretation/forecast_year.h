// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The year of a personal forecast: the solar year that "Становление весны" opens in Gregorian
// year Y, its year star and branch, its twelve solar months with their flying stars, and the
// dates that bound them.
#include <QLocale>
#include <array>
#include <string>

#include "astro/local_time.h"
#include "astro/solar_terms.h"
#include "calendar/vocabulary.h"

inline constexpr int kForecastPeriodCount = 12;

struct ForecastYear {
    int year = 0;             // Y, the Gregorian year of the main window's date
    int yearStar = 0;         // flying star of the solar year opened in Y (as computed, for a man)
    Branch yearBranch = 1;    // branch of that year
    YearTermTable terms;      // the 24 term instants of Y, zone time of the settings
    YearTermTable nextTerms;  // the same for Y + 1 (the last two months end in it)
    int summerHours = 0;      // the settings' summer shift, added to every date shown
};

// The forecast year for Gregorian year `year` under the settings' zone and summer shift. The
// year star and branch are those of the solar year that begins at "Становление весны" of `year`
// — the year the twelve periods cover — also when the main window's date lies in January, before
// that term.
ForecastYear ForecastYearOf(int year, const TimeSettings& settings);

// The flying star of the first solar month (opened by "Становление весны"): 8 for the year
// branches 1, 4, 7, 10; 5 for 2, 5, 8, 11; 2 for 3, 6, 9, 12.
int FirstMonthStar(Branch yearBranch);
// The plain stars of the twelve periods: the first month's star, each next one less (1 → 9).
std::array<int, kForecastPeriodCount> MonthlyStars(Branch yearBranch);

// One solar month: from the instant of its opening term to that of the next month's, zone time.
struct ForecastPeriod {
    Moment from = 0;
    Moment to = 0;
};
// Periods 1..12 (index 0..11): 1 runs from term 21 to term 23 of Y, 2 from 23 to 1, … 10 from 15
// to 17, 11 from 17 to term 19 of Y + 1, 12 from 19 to 21 of Y + 1.
std::array<ForecastPeriod, kForecastPeriodCount> ForecastPeriods(const ForecastYear& year);

// A zone-time instant as the forecast shows it: the short date of `locale` ("ddddd")
// after adding the summer shift.
std::string ForecastDate(Moment zoneInstant, int summerHours, const QLocale& locale);
