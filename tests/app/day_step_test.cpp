// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/day_step.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "widgets/picker_moment.h"

namespace {

TEST(DayStep, TypedTextIsCorrectedAsTheUserTypes) {
    EXPECT_EQ(CorrectedDayStep(QStringLiteral("-3")), QStringLiteral("0"));
    EXPECT_EQ(CorrectedDayStep(QStringLiteral("-99")), QStringLiteral("0"));
    EXPECT_EQ(CorrectedDayStep(QStringLiteral("abc")), QStringLiteral("1"));
    EXPECT_EQ(CorrectedDayStep(QStringLiteral("")), QStringLiteral("1"));
    EXPECT_EQ(CorrectedDayStep(QStringLiteral("-")), QStringLiteral("1"));
    EXPECT_EQ(CorrectedDayStep(QStringLiteral("1.5")), QStringLiteral("1"));
    EXPECT_FALSE(CorrectedDayStep(QStringLiteral("0")));
    EXPECT_FALSE(CorrectedDayStep(QStringLiteral("7")));
    EXPECT_FALSE(CorrectedDayStep(QStringLiteral("99999")));
    EXPECT_EQ(DayStepValue(QStringLiteral("365")), 365);
}

TEST(DayStep, StepsAreClampedToThePickerRange) {
    // 1900-01-05 minus 10 days goes no further than 1900-01-01 00:00 (day count 2).
    EXPECT_EQ(StepDays(EncodeMoment(1900, 1, 5, 15, 0), -10), kFirstPickerMoment);
    EXPECT_EQ(StepDays(EncodeMoment(8999, 12, 25, 6, 0), 10), kLastPickerMoment);
    EXPECT_EQ(StepDays(kLastPickerMoment, 1), kLastPickerMoment);
    // Reaching the ends exactly is allowed.
    EXPECT_EQ(StepDays(EncodeMoment(1900, 1, 5), -4), kFirstPickerMoment);
    EXPECT_EQ(DecodeMoment(kFirstPickerMoment).year, 1900);
    EXPECT_EQ(DecodeMoment(kLastPickerMoment).year, 9000);
}

TEST(DayStep, TheTimeOfDayIsKept) {
    const CivilDateTime next = DecodeMoment(StepDays(EncodeMoment(2024, 2, 28, 23, 30), 1));
    EXPECT_EQ(next.month, 2);
    EXPECT_EQ(next.day, 29);
    EXPECT_EQ(next.hour, 23);
    EXPECT_EQ(next.minute, 30);
    const CivilDateTime back = DecodeMoment(StepDays(EncodeMoment(2024, 3, 1, 0, 0, 1), -366));
    EXPECT_EQ(back.year, 2023);
    EXPECT_EQ(back.day, 1);
    EXPECT_EQ(back.second, 1);
}

}  // namespace
