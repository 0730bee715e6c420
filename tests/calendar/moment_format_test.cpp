// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moment_format.h"

#include <gtest/gtest.h>

#include "astro/moment.h"

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

TEST(MomentFormat, TimeThroughZoneArithmeticStillShowsTheHour) {
    const Moment m = EncodeMoment(2002, 10, 22, 23, 0) + 3.0 / 24 - 3.0 / 24;
    EXPECT_EQ(FormatLongTime(m, kRussian), "23:00:00");
}

}  // namespace
