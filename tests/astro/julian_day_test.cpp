// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/julian_day.h"

#include <gtest/gtest.h>

#include "astro/convert_error.h"
#include "astro/moment.h"

namespace {

std::string ErrorOf(void (*f)()) {
    try {
        f();
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "no error";
}

TEST(JulianDay, MomentOfDateAgreesWithThePlatformEncodingAfterTheReform) {
    EXPECT_DOUBLE_EQ(MomentOfDate(2000, 1, 1), 36526);
    EXPECT_DOUBLE_EQ(MomentOfDate(1999, 1, 1), 36161);
    EXPECT_DOUBLE_EQ(JulianDayOffset, 2415018.5);
    for (int year : {1583, 1600, 1899, 1900, 2000, 2024, 2100, 9000, 9999})
        for (int month : {1, 2, 3, 12})
            EXPECT_DOUBLE_EQ(MomentOfDate(year, month, 1), EncodeMoment(year, month, 1))
                << year << "-" << month;
}

TEST(JulianDay, TheReformSkipsTenDays) {
    EXPECT_DOUBLE_EQ(MomentOfDate(1582, 10, 4), -115859);
    EXPECT_DOUBLE_EQ(MomentOfDate(1582, 10, 15), -115858);
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(1582, 10, 10); }),
              "Date invalid due to calendar change");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(1582, 10, 5); }), "Date invalid due to calendar change");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(1582, 10, 14); }),
              "Date invalid due to calendar change");
    EXPECT_EQ(DateOfJulianDay(2299160.49), (HistoricalDate{1582, 10, 4}));
    EXPECT_EQ(DateOfJulianDay(2299160.5), (HistoricalDate{1582, 10, 15}));
    // The platform's own (proleptic Gregorian) decoding of that day count is 1582-10-14.
    EXPECT_EQ(DateOfMoment(-115859), (HistoricalDate{1582, 10, 4}));
    EXPECT_EQ(DecodeMoment(-115859).day, 14);
}

TEST(JulianDay, ValidationMessages) {
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(0, 1, 1); }), "Invalid year");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(10000, 1, 1); }), "Invalid year");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(2000, 0, 1); }), "Invalid month");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(2000, 13, 1); }), "Invalid month");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(2000, 4, 31); }), "Invalid day");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(2000, 1, 0); }), "Invalid day");
    EXPECT_EQ(ErrorOf([] { JulianDayOfDate(1900, 2, 29); }), "Invalid day");
    EXPECT_NO_THROW(JulianDayOfDate(1500, 2, 29));  // Julian leap year
    EXPECT_NO_THROW(JulianDayOfDate(2000, 2, 29));
    EXPECT_EQ(ErrorOf([] { DateOfJulianDay(-0.001); }), "Negative julian dates not supported");
    // Instants whose year a historical date cannot hold: before year 1 and after 9999.
    EXPECT_EQ(ErrorOf([] { DateOfJulianDay(1e6); }), "Invalid year");
    EXPECT_EQ(ErrorOf([] { DateOfJulianDay(3e7); }), "Invalid year");
    EXPECT_EQ(DateOfJulianDay(JulianDayOfDate(9999, 12, 31)), (HistoricalDate{9999, 12, 31}));
    EXPECT_EQ(DateOfJulianDay(JulianDayOfDate(1, 1, 1)), (HistoricalDate{1, 1, 1}));
}

TEST(JulianDay, TheDateIsThatOfTheInstant) {
    EXPECT_EQ(DateOfMoment(-0.6), (HistoricalDate{1899, 12, 29}));
    EXPECT_EQ(DateOfMoment(0.999), (HistoricalDate{1899, 12, 30}));
    EXPECT_EQ(DateOfMoment(36526.5), (HistoricalDate{2000, 1, 1}));
}

// Date -> JulianDay -> date over both calendars, every day of sampled years.
TEST(JulianDay, RoundTripOverBothCalendars) {
    for (int year : {1, 4, 100, 1000, 1500, 1581, 1582, 1583, 1700, 1900, 2000, 2024, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                JulianDay j;
                try {
                    j = JulianDayOfDate(year, month, day);
                } catch (const EConvertError&) {
                    continue;
                }
                const HistoricalDate back = DateOfJulianDay(j + 0.25);
                ASSERT_EQ(back, (HistoricalDate{static_cast<std::uint16_t>(year),
                                                static_cast<std::uint16_t>(month),
                                                static_cast<std::uint16_t>(day)}))
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(PlatformMoment, DecodeRoundsToTheMillisecondBeforeTakingHours) {
    // 23:00 reached through zone arithmetic (a hair below the exact value).
    const Moment m = EncodeMoment(2002, 10, 22, 23, 0) - 1e-12;
    const CivilDateTime t = DecodeMoment(m);
    EXPECT_EQ(t.day, 22);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 0);
    EXPECT_EQ(DecodeMoment(EncodeMoment(2024, 12, 31, 23, 59, 59, 999) + 7e-9).year,
              2025);  // +0.6 ms rounds up
    EXPECT_EQ(HourOfMoment(-0.25), 18);
    EXPECT_EQ(DecodeMoment(-0.25).day, 29);
}

TEST(PlatformMoment, EncodeDecodeRoundTripAcrossTheRange) {
    for (Moment d = 2; d <= 2593224; d += 997.25) {
        const CivilDateTime t = DecodeMoment(d);
        EXPECT_NEAR(EncodeMoment(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond),
                    d, 1e-6);
    }
    EXPECT_DOUBLE_EQ(EncodeMoment(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(EncodeMoment(9000, 1, 1), 2593224);
    EXPECT_FALSE(IsValidCivilDate(2023, 2, 29));
    EXPECT_TRUE(IsValidCivilDate(2024, 2, 29));
}

TEST(PlatformMoment, WithTimeOfKeepsTheDate) {
    const Moment d = EncodeMoment(2024, 3, 1, 5, 0);
    const Moment t = EncodeMoment(1899, 12, 30, 23, 30);
    EXPECT_NEAR(WithTimeOf(d, t), EncodeMoment(2024, 3, 1, 23, 30), 1e-9);
}

}  // namespace
