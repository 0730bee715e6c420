// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/forecast_year.h"

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "calendar/epoch_year.h"
#include "calendar/moment_format.h"
#include "calendar/nine_stars.h"
#include "calendar/pillars.h"
#include "geomancy/star_combinations.h"

namespace {

// "Становление весны", the term that opens the solar year and its first month.
constexpr TermIndex kSpringStart = 21;

}  // namespace

ForecastYear ForecastYearOf(int year, const ForecastClock& clock) {
    ForecastYear f;
    f.year = year;
    // Midsummer lies well inside the solar year opened in `year`, on any clock.
    const Moment midsummer = EncodeMoment(year, 7, 1, 12, 0, 0);
    f.yearBranch = YearBranch(midsummer);
    f.yearStar = YearStar(EpochYear(midsummer, 0.0f));
    // Every second term from the spring start of Y; those of January and early February of Y + 1
    // (19 and 21) are the next year's.
    for (int i = 0; i <= kForecastPeriodCount; ++i) {
        const TermIndex k = (kSpringStart + 2 * i) % 24;
        const bool nextYear = i >= kForecastPeriodCount - 1;
        f.bounds[static_cast<std::size_t>(i)] = clock(TermInstant(nextYear ? year + 1 : year, k));
    }
    return f;
}

ForecastYear ForecastYearOf(int year, const TimeSettings& settings) {
    return ForecastYearOf(
        year, [settings](Moment universal) { return CivilMomentOf(universal, settings); });
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
    std::array<ForecastPeriod, kForecastPeriodCount> periods{};
    for (std::size_t p = 0; p < periods.size(); ++p)
        periods[p] = {year.bounds[p], year.bounds[p + 1]};
    return periods;
}

std::string ForecastDate(Moment civil, const QLocale& locale) {
    return FormatShortDate(civil, locale).toStdString();
}
