// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/pillars.h"

#include <gtest/gtest.h>

#include "astro/local_time.h"
#include "astro/moment.h"

namespace {

// Zone, summer shift and longitude all zero: civil = zone = universal = pillar time.
const TimeSettings kGreenwich = TimeSettings::WithZoneIndex(13);

Pillar DayPillarAt(int y, int mo, int d, int h, int mi, const TimeSettings& s = kGreenwich) {
    const Moment p = PillarMomentOf(EncodeMoment(y, mo, d, h, mi), s);
    return {DayStem(p), DayBranch(p)};
}

TEST(DayPillar, TurnsAtElevenInTheEvening) {
    EXPECT_EQ(DayPillarAt(2002, 10, 23, 12, 0), (Pillar{1, 1}));  // the reference Цзя-Цзы day
    EXPECT_EQ(DayPillarAt(2002, 10, 22, 22, 59), (Pillar{10, 12}));
    EXPECT_EQ(DayPillarAt(2002, 10, 22, 23, 0), (Pillar{1, 1}));
    EXPECT_EQ(DayPillarAt(2000, 1, 1, 12, 0), (Pillar{5, 7}));  // У-У
    EXPECT_EQ(DayPillarAt(2024, 1, 1, 12, 0), (Pillar{1, 1}));
    EXPECT_EQ(DayPillarAt(1900, 1, 1, 12, 0), (Pillar{1, 11}));  // Цзя-Сюй

    // 23:00 reached through zone arithmetic (+3 h zone, then back) is still the next day.
    const TimeSettings moscow = TimeSettings::WithZoneIndex(16, 0, 37, false);
    EXPECT_EQ(DayPillarAt(2002, 10, 22, 23, 0, moscow), (Pillar{1, 1}));
    const TimeSettings summer = TimeSettings::WithZoneIndex(16, 1, 37, false);
    EXPECT_EQ(DayPillarAt(2002, 10, 23, 0, 0, summer), (Pillar{1, 1}));  // zone time 23:00
}

TEST(HourPillar, BranchesByTwoHoursAndTheLateRatTakesTheNextDaysStem) {
    struct Case {
        int h, mi, branch;
    };
    for (const Case c : {Case{0, 30, 1}, Case{1, 0, 2}, Case{2, 59, 2}, Case{11, 0, 7},
                         Case{22, 59, 12}, Case{23, 0, 1}}) {
        EXPECT_EQ(HourBranch(EncodeMoment(2002, 10, 22, c.h, c.mi)), c.branch)
            << c.h << ":" << c.mi;
    }
    const Moment lateRat = EncodeMoment(2002, 10, 22, 23, 0);
    EXPECT_EQ(HourStem(DayStem(lateRat), HourBranch(lateRat)), 1);
    // Day stems 1 and 6 start their hours at Цзя; 5 and 10 at Жэнь.
    EXPECT_EQ(HourStem(1, 1), 1);
    EXPECT_EQ(HourStem(6, 1), 1);
    EXPECT_EQ(HourStem(5, 1), 9);
    EXPECT_EQ(HourStem(10, 12), 10);
    EXPECT_EQ(HourStem(2, 12), 4);
}

TEST(YearPillar, TurnsAtTheBeginningOfSpringInUniversalTime) {
    EXPECT_EQ(YearPillar(EncodeMoment(1984, 6, 1)), (Pillar{1, 1}));
    EXPECT_EQ(YearPillar(EncodeMoment(1983, 6, 1)), (Pillar{10, 12}));
    // "Становление весны" 2024 falls at 08:28 universal time on 4 February.
    EXPECT_EQ(YearPillar(EncodeMoment(2024, 2, 4, 0, 0)), (Pillar{10, 4}));
    EXPECT_EQ(YearPillar(EncodeMoment(2024, 2, 4, 8, 27)), (Pillar{10, 4}));
    EXPECT_EQ(YearPillar(EncodeMoment(2024, 2, 4, 8, 29)), (Pillar{1, 5}));
    EXPECT_EQ(YearPillar(EncodeMoment(2024, 2, 4, 12, 0)), (Pillar{1, 5}));
    EXPECT_EQ(YearPillar(EncodeMoment(2024, 1, 20)), (Pillar{10, 4}));
    EXPECT_EQ(YearPillar(EncodeMoment(2024, 12, 31)), (Pillar{1, 5}));
    EXPECT_EQ(YearStem(EncodeMoment(2024, 3, 1)), 1);
    EXPECT_EQ(YearBranch(EncodeMoment(2024, 3, 1)), 5);
}

TEST(MonthStem, RunsFromTheYearStemAcrossTheYearsEnd) {
    // Year stems 1 and 6: Инь is Бин (3) and the months run 3, 4, … 10, 1, 2, 3, 4 to Чоу.
    const int expected[12] = {3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4};
    for (int i = 0; i < 12; ++i) {
        const MonthBranch m = (i + 2) % 12 + 1;  // Инь, Мао, …, Хай, Цзы, Чоу
        EXPECT_EQ(MonthStem(m, 1), expected[i]) << "month branch " << m;
        EXPECT_EQ(MonthStem(m, 6), expected[i]) << "month branch " << m;
    }
    EXPECT_EQ(MonthStem(3, 2), 5);  // years И and Гэн: Инь is У
    EXPECT_EQ(MonthStem(3, 5), 1);  // years У and Гуй: Инь is Цзя
    EXPECT_EQ(MonthStem(1, 1), 3);  // 2024-12-25, year Цзя: Цзы is Бин
    EXPECT_EQ(MonthStem(2, 1), 4);  // 2025-01-10, still year Цзя: Чоу is Дин
}

TEST(PillarTime, LongitudeGivesLocalMeanTime) {
    const TimeSettings s = TimeSettings::WithZoneIndex(16, 0, 30, true);
    const Moment p = PillarMomentOf(EncodeMoment(2024, 6, 1, 12, 0), s);
    EXPECT_EQ(HourOfMoment(p), 11);
    EXPECT_EQ(DecodeMoment(p).minute, 0);
    // Switched off, the longitude value has no effect.
    const TimeSettings off = TimeSettings::WithZoneIndex(16, 0, 30, false);
    EXPECT_EQ(HourOfMoment(PillarMomentOf(EncodeMoment(2024, 6, 1, 12, 0), off)), 12);
}

}  // namespace
