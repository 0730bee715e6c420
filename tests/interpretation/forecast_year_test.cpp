// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/forecast_year.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "calendar/nine_stars.h"
#include "support/locale_guard.h"

namespace {

using Stars = std::array<int, kForecastPeriodCount>;

class ForecastYearTest : public ::testing::Test {
protected:
    static TimeSettings Moscow(int summerHours = 0) {
        return TimeSettings::WithZoneIndex(16, summerHours);
    }
};

TEST_F(ForecastYearTest, MonthlyStarsByTheYearBranch) {
    EXPECT_EQ(MonthlyStars(1), (Stars{8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6}));  // Цзы
    EXPECT_EQ(MonthlyStars(3), (Stars{2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1, 9}));  // Инь
    EXPECT_EQ(MonthlyStars(2), (Stars{5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3}));  // Чоу
    for (Branch b = 1; b <= 12; ++b) {
        const int expected = (b - 1) % 3 == 0 ? 8 : (b - 1) % 3 == 1 ? 5 : 2;
        EXPECT_EQ(FirstMonthStar(b), expected) << "branch " << b;
    }
}

TEST_F(ForecastYearTest, MonthlyStarsAgreeWithTheCalendarsMonthStars) {
    // Period p is the solar month of branch Инь + p − 1.
    for (Branch year = 1; year <= 12; ++year) {
        const Stars stars = MonthlyStars(year);
        for (int p = 0; p < kForecastPeriodCount; ++p) {
            EXPECT_EQ(stars[p], MonthStar(year, (p + 2) % 12 + 1)) << year << " " << p;
        }
    }
}

TEST_F(ForecastYearTest, TheYearStarAndBranchOfTheSolarYearOpenedInY) {
    struct Case {
        int year, star;
        Branch branch;
    };
    // 2023 Гуй-Мао 4, 2024 Цзя-Чэнь 3, 2025 И-Сы 2, 2004 Цзя-Шэнь 5, 2020 Гэн-Цзы 7.
    for (const Case c : {Case{2023, 4, 4}, Case{2024, 3, 5}, Case{2025, 2, 6}, Case{2004, 5, 9},
                         Case{2020, 7, 1}}) {
        const ForecastYear f = ForecastYearOf(c.year, Moscow());
        EXPECT_EQ(f.year, c.year);
        EXPECT_EQ(f.yearStar, c.star) << c.year;
        EXPECT_EQ(f.yearBranch, c.branch) << c.year;
    }
}

TEST_F(ForecastYearTest, TwelvePeriodsFromTheSpringStartOfYToThatOfTheNextYear) {
    const auto periods = ForecastPeriods(ForecastYearOf(2024, Moscow()));
    const auto term = [](int year, TermIndex k) {
        return CivilMomentOf(TermInstant(year, k), Moscow());
    };
    EXPECT_EQ(periods[0].from, term(2024, 21));
    EXPECT_EQ(periods[0].to, term(2024, 23));
    EXPECT_EQ(periods[1].to, term(2024, 1));
    EXPECT_EQ(periods[9].from, term(2024, 15));
    EXPECT_EQ(periods[10].from, term(2024, 17));
    EXPECT_EQ(periods[10].to, term(2025, 19));
    EXPECT_EQ(periods[11].to, term(2025, 21));

    // Dates in the Russian short format, Moscow time; the last two periods end in early 2025.
    const std::pair<int, const char*> bounds[] = {
        {0, "04.02.2024"}, {1, "05.03.2024"}, {10, "06.12.2024"}, {11, "05.01.2025"}};
    for (const auto& [p, date] : bounds)
        EXPECT_EQ(ForecastDate(periods[p].from, kRussian), date) << p;
    EXPECT_EQ(ForecastDate(periods[11].to, kRussian), "03.02.2025");
}

TEST_F(ForecastYearTest, TheSummerShiftMovesTheShownDate) {
    // The spring start of 2025 is 2025-02-03 14:11 UTC: 3 February at GMT 00:00 and, at 23:11,
    // still at GMT +09:00; one summer hour more makes it the 4th.
    const auto end = [](const TimeSettings& s) {
        return ForecastDate(ForecastPeriods(ForecastYearOf(2024, s))[11].to, kRussian);
    };
    EXPECT_EQ(end(TimeSettings::WithZoneIndex(13)), "03.02.2025");
    EXPECT_EQ(end(TimeSettings::WithZoneIndex(26)), "03.02.2025");
    EXPECT_EQ(end(TimeSettings::WithZoneIndex(26, 1)), "04.02.2025");
}

TEST_F(ForecastYearTest, EveryYearsPeriodsFollowOneAnotherAsSolarMonths) {
    std::vector<int> years;
    for (int year = 1900; year <= 2100; ++year) years.push_back(year);
    years.push_back(9000);  // the last year of the date pickers: its months end in 9001
    for (int year : years) {
        const auto periods = ForecastPeriods(ForecastYearOf(year, Moscow()));
        for (int p = 0; p < kForecastPeriodCount; ++p) {
            const double days = periods[p].to - periods[p].from;
            EXPECT_GT(days, 29.0) << year << " period " << p + 1;
            EXPECT_LT(days, 32.0) << year << " period " << p + 1;
            if (p > 0) {
                EXPECT_EQ(periods[p].from, periods[p - 1].to) << year << " " << p;
            }
        }
        EXPECT_EQ(YearOfMoment(periods[0].from), year);
        EXPECT_EQ(MonthOfMoment(periods[0].from), 2);
        EXPECT_EQ(YearOfMoment(periods[11].to), year + 1);
    }
}

}  // namespace
