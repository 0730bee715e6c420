// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/forecast_year.h"

#include "astro/moment.h"
#include "calendar/epoch_year.h"
#include "calendar/moment_format.h"
#include "calendar/nine_stars.h"
#include "calendar/pillars.h"
#include "geomancy/star_combinations.h"

namespace {

// "Становление весны", the term that opens the solar year and its first month.
constexpr TermIndex kSpringStart = 21;

}  // namespace

ForecastYear ForecastYearOf(int year, const TimeSettings& settings) {
    ForecastYear f;
    f.year = year;
    f.summerHours = settings.summerHours;
    f.terms = BuildYearTermTable(year, settings.zoneHours());
    f.nextTerms = BuildYearTermTable(year + 1, settings.zoneHours());
    // Midsummer lies well inside the solar year opened in `year`, whatever the zone.
    const Moment midsummer = EncodeMoment(year, 7, 1, 12, 0, 0);
    f.yearBranch = YearBranch(UniversalMomentOf(midsummer, settings));
    f.yearStar = YearStar(EpochYear(midsummer, settings.zoneHours()));
    return f;
}

int FirstMonthStar(Branch yearBranch) {
    static const int kByGroup[3] = {8, 5, 2};
    return kByGroup[((yearBranch - 1) % 3 + 3) % 3];
}

std::array<int, kForecastPeriodCount> MonthlyStars(Branch yearBranch) {
    std::array<int, kForecastPeriodCount> stars{};
    stars[0] = FirstMonthStar(yearBranch);
    for (int p = 1; p < kForecastPeriodCount; ++p) stars[p] = PreviousStar(stars[p - 1]);
    return stars;
}

std::array<ForecastPeriod, kForecastPeriodCount> ForecastPeriods(const ForecastYear& year) {
    // The thirteen month-opening terms from the spring start of Y to that of Y + 1, every second
    // term; those of January and early February of Y + 1 (19 and 21) come from the next year's
    // table.
    std::array<Moment, kForecastPeriodCount + 1> bounds{};
    for (int i = 0; i <= kForecastPeriodCount; ++i) {
        const TermIndex k = (kSpringStart + 2 * i) % 24;
        const bool nextYear = i >= kForecastPeriodCount - 1;
        bounds[i] = (nextYear ? year.nextTerms : year.terms).instants[static_cast<std::size_t>(k)];
    }
    std::array<ForecastPeriod, kForecastPeriodCount> periods{};
    for (int p = 0; p < kForecastPeriodCount; ++p) periods[p] = {bounds[p], bounds[p + 1]};
    return periods;
}

std::string ForecastDate(Moment zoneInstant, int summerHours, const QLocale& locale) {
    return FormatShortDate(zoneInstant + SummerShiftDays(summerHours), locale).toStdString();
}
