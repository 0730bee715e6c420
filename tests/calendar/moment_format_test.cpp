// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moment_format.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "calendar/typed_month.h"

namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia);

TEST(MomentFormat, RussianFormats) {
    const Moment m = EncodeMoment(2024, 3, 5, 9, 7, 3);
    EXPECT_EQ(FormatShortDate(m, kRussian), "05.03.2024");
    EXPECT_EQ(FormatLongDate(m, kRussian), QString::fromUtf8("5 марта 2024 г."));
    EXPECT_EQ(FormatShortTime(m, kRussian), "09:07");
    EXPECT_EQ(FormatLongTime(m, kRussian), "09:07:03");
    EXPECT_EQ(FormatWeekdayName(m, kRussian), QString::fromUtf8("вторник"));
    EXPECT_EQ(FormatShortDateLongTime(m, kRussian), "05.03.2024 09:07:03");
    EXPECT_EQ(FormatDateTime(EncodeMoment(2024, 3, 5), kRussian), "05.03.2024");
    EXPECT_EQ(DecimalSeparator(kRussian), QChar(','));
}

// The weekday is a word of the Russian interface whatever the regional settings.
TEST(MomentFormat, TheWeekdayIsRussianUnderAnyRegionalSettings) {
    const Moment tuesday = EncodeMoment(2024, 6, 18, 12, 0, 0);
    EXPECT_EQ(FormatWeekdayName(tuesday, QLocale(QLocale::English, QLocale::UnitedStates)),
              QString::fromUtf8("вторник"));
    EXPECT_EQ(FormatWeekdayName(tuesday, QLocale::c()), QString::fromUtf8("вторник"));
}

TEST(MomentFormat, TimeThroughZoneArithmeticStillShowsTheHour) {
    const Moment m = EncodeMoment(2002, 10, 22, 23, 0) + 3.0 / 24 - 3.0 / 24;
    EXPECT_EQ(FormatLongTime(m, kRussian), "23:00:00");
}

}  // namespace

namespace {

TEST(TypedMonth, NumbersAndUnambiguousBeginningsOfNames) {
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    EXPECT_EQ(MonthOfTypedText("07", ru).month, 7);
    EXPECT_EQ(MonthOfTypedText("12", ru).month, 12);
    EXPECT_EQ(MonthOfTypedText("1", ru).month, 0);  // 1, 10, 11 or 12: read on
    EXPECT_TRUE(MonthOfTypedText("1", ru).possible);
    EXPECT_FALSE(MonthOfTypedText("13", ru).possible);
    EXPECT_EQ(MonthOfTypedText(QString::fromUtf8("июль"), ru).month, 7);
    EXPECT_EQ(MonthOfTypedText(QString::fromUtf8("июля"), ru).month, 7);
    EXPECT_EQ(MonthOfTypedText(QString::fromUtf8("Март"), ru).month, 3);
    EXPECT_EQ(MonthOfTypedText(QString::fromUtf8("янв"), ru).month, 1);
    EXPECT_EQ(MonthOfTypedText(QString::fromUtf8("ма"), ru).month, 0);  // март or май
    EXPECT_TRUE(MonthOfTypedText(QString::fromUtf8("ма"), ru).possible);
    EXPECT_FALSE(MonthOfTypedText(QString::fromUtf8("маx"), ru).possible);
    EXPECT_EQ(MonthOfTypedText("Jul", QLocale(QLocale::English, QLocale::UnitedStates)).month, 7);
}

}  // namespace
