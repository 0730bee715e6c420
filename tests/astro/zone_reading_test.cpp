// SPDX-License-Identifier: GPL-3.0-or-later
// The split of a zone's offset into standard and summer parts, from the tz database's own zone
// lines (tzdata.zi), and the two readings of a skipped or repeated clock time.
#include "astro/zone_reading.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "astro/zone_lines.h"

namespace {

constexpr int kHour = 3600;

TEST(ZoneReading, SummerPartIsTheDatabasesOwnInEveryPeriodTheLibraryGuessesWrong) {
    struct Case {
        const char* zone;
        Moment civil;
        int standard;  // seconds
        int summer;    // seconds
    };
    // Each period as its zone line reads (tzdata 2025b); the library's guess in the comment.
    const Case cases[] = {
        // 1918-05-31..1919-07-01: "2:31:19 R %s" with two hours of rule R (guess: +3 / +1:31:19).
        {"Europe/Moscow", EncodeMoment(1918, 6, 15, 12), 2 * kHour + 31 * 60 + 19, 2 * kHour},
        // 1991-03-31..09-29: "2 R %z" and "4 R %z" with an hour of summer time (guess: whole).
        {"Europe/Samara", EncodeMoment(1991, 6, 1, 12), 2 * kHour, kHour},
        {"Asia/Qyzylorda", EncodeMoment(1991, 6, 1, 12), 4 * kHour, kHour},
        // 1944-08-25..1945-09-16: "0 F WE%sT", double summer time in force (guess: +1 / +1).
        {"Europe/Paris", EncodeMoment(1944, 9, 15, 12), 0, 2 * kHour},
        {"Europe/Paris", EncodeMoment(1945, 6, 1, 12), 0, 2 * kHour},
        // 1974-01-06..10-27: "-6 1 CDT" (guess: Eastern standard time).
        {"America/Kentucky/Louisville", EncodeMoment(1974, 6, 1, 12), -6 * kHour, kHour},
        // 1980-04-27..10-26: "-9 u Y%sT", Yukon daylight time (guess: Pacific standard time).
        {"America/Juneau", EncodeMoment(1980, 6, 1, 12), -9 * kHour, kHour},
        // 1999-10-03..2000-03-03: "-4 A %z" with an hour of rule A (guess: -3 / 0).
        {"America/Argentina/Buenos_Aires", EncodeMoment(2000, 1, 1, 12), -4 * kHour, kHour},
        // Irish "standard" summer time with its negative winter rule, read the usual way round
        // (guess: +1 / -1 in winter).
        {"Europe/Dublin", EncodeMoment(2020, 1, 1, 12), 0, 0},
        {"Europe/Dublin", EncodeMoment(2020, 7, 1, 12), 0, kHour},
    };
    for (const Case& c : cases) {
        const auto r = ReadClockTime(c.zone, c.civil);
        ASSERT_TRUE(r) << c.zone;
        EXPECT_EQ(r->kind, ClockTimeKind::Single) << c.zone;
        EXPECT_EQ(r->chosen.standardSeconds, c.standard) << c.zone << " " << c.civil;
        EXPECT_EQ(r->chosen.daylightSeconds, c.summer) << c.zone << " " << c.civil;
    }
    EXPECT_FALSE(ReadClockTime("Europe/Atlantis", 40000));
}

TEST(ZoneReading, LocalMeanTimeOfTheReferenceCityBeforeTheFirstStandardOffset) {
    // Asia/Urumqi: "5:50:20 - LMT 1928", then "6 - %z".
    const auto before = ReadClockTime("Asia/Urumqi", EncodeMoment(1915, 3, 1, 10));
    ASSERT_TRUE(before);
    EXPECT_TRUE(before->chosen.localMeanTime);
    EXPECT_EQ(before->chosen.totalSeconds(), 5 * kHour + 50 * 60 + 20);
    EXPECT_FALSE(ReadClockTime("Asia/Urumqi", EncodeMoment(1930, 3, 1, 10))->chosen.localMeanTime);
    // Moscow's mean time of 1880-1916 is a standard offset of the database, not "LMT".
    EXPECT_FALSE(
        ReadClockTime("Europe/Moscow", EncodeMoment(1900, 1, 1, 12))->chosen.localMeanTime);
    // Kashgar, 75°59'30" east: 5:03:58 of mean time.
    EXPECT_EQ(LocalMeanTimeSeconds(75.0 + 59.0 / 60 + 30.0 / 3600), 5 * kHour + 3 * 60 + 58);
    EXPECT_EQ(LocalMeanTimeSeconds(-0.25), -60);
}

TEST(ZoneReading, SkippedAndRepeatedMoscowTimesHaveBothReadings) {
    // 27 March 2005, 02:00 standard time: the clock was put forward to 03:00.
    const auto skipped = ReadClockTime("Europe/Moscow", EncodeMoment(2005, 3, 27, 2, 30));
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->kind, ClockTimeKind::Skipped);
    EXPECT_EQ(skipped->chosen.totalSeconds(), 3 * kHour);  // as before the change
    EXPECT_EQ(skipped->other.totalSeconds(), 4 * kHour);
    EXPECT_EQ(skipped->other.daylightSeconds, kHour);
    EXPECT_NEAR(skipped->clockBefore, EncodeMoment(2005, 3, 27, 2), 1e-6);
    EXPECT_NEAR(skipped->clockAfter, EncodeMoment(2005, 3, 27, 3), 1e-6);
    // 30 October 2005, 03:00 summer time: the clock was put back to 02:00.
    const auto repeated = ReadClockTime("Europe/Moscow", EncodeMoment(2005, 10, 30, 2, 30));
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->kind, ClockTimeKind::Repeated);
    EXPECT_EQ(repeated->chosen.totalSeconds(), 4 * kHour);  // the earlier, summer reading
    EXPECT_EQ(repeated->other.totalSeconds(), 3 * kHour);
    EXPECT_NEAR(repeated->clockBefore, EncodeMoment(2005, 10, 30, 3), 1e-6);
    EXPECT_NEAR(repeated->clockAfter, EncodeMoment(2005, 10, 30, 2), 1e-6);
    EXPECT_EQ(ReadClockTime("Europe/Moscow", EncodeMoment(2005, 10, 30, 3, 30))->kind,
              ClockTimeKind::Single);
}

TEST(ZoneLines, EveryZoneEndsWithAnOpenLineAndAliasesShareTheirTargets) {
    for (int i = 0; i < kZoneLineRangeCount; ++i) {
        const ZoneLineRange& r = kZoneLineRanges[i];
        ASSERT_LT(r.first, r.end) << r.zone;
        EXPECT_EQ(kZoneLines[r.end - 1].untilUtc, kForever) << r.zone;
        for (int j = r.first + 1; j < r.end; ++j)
            EXPECT_LT(kZoneLines[j - 1].untilUtc, kZoneLines[j].untilUtc) << r.zone;
    }
    EXPECT_EQ(ZoneLineAt("Europe/Kiev", 0), ZoneLineAt("Europe/Kyiv", 0));
    EXPECT_EQ(ZoneLineAt("Mars/Olympus", 0), nullptr);
}

}  // namespace
