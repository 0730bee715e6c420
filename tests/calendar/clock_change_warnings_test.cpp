// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/clock_change_warnings.h"

#include <gtest/gtest.h>

#include "astro/moment.h"

namespace {

const char* const kMoscow = "Europe/Moscow";
constexpr double kMoscowLongitude = 37.6156;

TEST(ClockChangeWarnings, SkippedMoscowTimeIsAlwaysWarned) {
    // 27 March 2005: at 02:00 the clocks went to 03:00. Both readings of 02:30 fall in the hour
    // of Chou (01:00-03:00 of zone time), so only the warning is given.
    const auto lines =
        PlaceTimeWarningLines(kMoscow, EncodeMoment(2005, 3, 27, 2, 30), kMoscowLongitude, false);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "такого времени не было: часы переводили с 02:00 на 03:00");
    EXPECT_TRUE(
        PlaceTimeWarningLines(kMoscow, EncodeMoment(2005, 3, 27, 3, 30), kMoscowLongitude, false)
            .empty());
    EXPECT_TRUE(PlaceTimeWarningLines("", EncodeMoment(2005, 3, 27, 2, 30), 0, false).empty());
}

TEST(ClockChangeWarnings, RepeatedMoscowTimeWithOtherPillarsShowsBoth) {
    // 1 October 1983, 00:00 summer time: the clocks went back to 23:00 of 30 September. 23:30
    // is read first as summer time (zone time 22:30: day Синь-Ю, hour Цзи-Хай); read as winter
    // time it is zone time 23:30, past the day turn: day Жэнь-Сюй (1983-10-01), hour Гэн-Цзы.
    const auto w =
        FindClockChangeWarning(kMoscow, EncodeMoment(1983, 9, 30, 23, 30), kMoscowLongitude, false);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->kind, ClockTimeKind::Repeated);
    EXPECT_TRUE(w->pillarsDiffer);
    EXPECT_EQ(ClockChangeWarningText(*w),
              "это время было дважды: часы переводили с 00:00 на 23:00");
    EXPECT_EQ(OtherReadingText(*w),
              "при другом прочтении: год Гуй-Хай, месяц Синь-Ю, день Жэнь-Сюй, час Гэн-Цзы");
    EXPECT_EQ(w->chosen[2].stem, 8);     // Синь
    EXPECT_EQ(w->chosen[3].branch, 12);  // Хай
    EXPECT_STREQ(ClockChangeKey(w->kind), "repeated");
}

TEST(ClockChangeWarnings, KashgarIn1915IsReadInItsOwnMeanTime) {
    // Before 1928 Asia/Urumqi has only Urumqi's mean time, +05:50:20; Kashgar, 75.9897° east,
    // has its own: +05:03:58.
    const auto lines =
        PlaceTimeWarningLines("Asia/Urumqi", EncodeMoment(1915, 3, 1, 10), 75.9897, false);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "местное среднее время (GMT +05:03:58): поясного времени еще не было");
}

}  // namespace
