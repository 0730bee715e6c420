// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/local_time.h"

#include <gtest/gtest.h>

#include "astro/moment.h"

namespace {

constexpr double kHalfMillisecond = 0.5 / 86400000.0;

TEST(LocalTime, ZoneOffsetsByExactCaption) {
    EXPECT_FLOAT_EQ(GMT("(GMT +05:45)"), 5.75f);
    EXPECT_FLOAT_EQ(GMT("(GMT -03:30)"), -3.5f);
    EXPECT_FLOAT_EQ(GMT("(GMT +03:00)"), 3.0f);
    EXPECT_FLOAT_EQ(GMT("(GMT 00:00)"), 0.0f);
    EXPECT_FLOAT_EQ(GMT(""), 0.0f);
    EXPECT_FLOAT_EQ(GMT("(GMT +3:00)"), 0.0f);
    EXPECT_EQ(ZoneTable.size(), 32u);
    EXPECT_STREQ(ZoneTable[kDefaultZoneIndex].caption, "(GMT +03:00)");
    EXPECT_STREQ(ZoneTable[0].caption, "(GMT -12:00)");
    EXPECT_STREQ(ZoneTable[31].caption, "(GMT +13:00)");
    EXPECT_EQ(ZoneCaptionOfIndex(32), "");
    EXPECT_EQ(ZoneCaptionOfIndex(-1), "");
    // A stored index outside the list leaves no selection, read as offset 0.
    EXPECT_FLOAT_EQ(TimeSettings::WithZoneIndex(40).zoneHours(), 0.0f);
}

TEST(LocalTime, SummerShiftComesOffBeforeTheZone) {
    TimeSettings s = TimeSettings::WithZoneIndex(16, 1);
    const Moment civil = EncodeMoment(2024, 6, 1, 12, 0);
    EXPECT_NEAR(ZoneMomentOf(civil, s), EncodeMoment(2024, 6, 1, 11, 0), kHalfMillisecond);
    EXPECT_NEAR(UniversalMomentOf(civil, s), EncodeMoment(2024, 6, 1, 8, 0), kHalfMillisecond);
    EXPECT_EQ(HourOfMoment(UniversalMomentOf(civil, s)), 8);
}

TEST(LocalTime, CivilMomentOfUndoesUniversalMomentOfAtAnOddOffset) {
    TimeSettings s;
    s.zoneCaption = "(GMT +02:30:17)";
    s.summerHours = 1;
    const Moment civil = EncodeMoment(1900, 1, 1, 12, 0, 0, 1);
    const Moment universal = UniversalMomentOf(civil, s);
    EXPECT_NEAR(universal, EncodeMoment(1900, 1, 1, 8, 29, 43, 1), kHalfMillisecond);
    EXPECT_NEAR(CivilMomentOf(universal, s), civil, kHalfMillisecond);
}

TEST(LocalTime, LongitudeGivesLocalMeanTimeOnlyWhenSwitchedOn) {
    const Moment civil = EncodeMoment(2024, 6, 1, 12, 0);
    TimeSettings west =
        TimeSettings::WithZoneIndex(ZoneIndexOfCaption("(GMT -05:00)"), 0, -75, true);
    EXPECT_NEAR(UniversalMomentOf(civil, west), EncodeMoment(2024, 6, 1, 17, 0), kHalfMillisecond);
    EXPECT_NEAR(PillarMomentOf(civil, west), EncodeMoment(2024, 6, 1, 12, 0), kHalfMillisecond);

    TimeSettings moscow = TimeSettings::WithZoneIndex(16, 0, 30, true);
    EXPECT_NEAR(PillarMomentOf(civil, moscow), EncodeMoment(2024, 6, 1, 11, 0), kHalfMillisecond);

    for (int longitude : {-180, 0, 37, 180}) {
        TimeSettings off = TimeSettings::WithZoneIndex(16, 2, longitude, false);
        EXPECT_DOUBLE_EQ(PillarMomentOf(civil, off), ZoneMomentOf(civil, off));
    }
}

TEST(LocalTime, StatusLine) {
    TimeSettings s;
    EXPECT_EQ(StatusLineText(s), " GMT: (GMT +03:00) | летнее время: 0 | долгота не учтена");
    s.longitudeOn = true;
    EXPECT_EQ(StatusLineText(s), " GMT: (GMT +03:00) | летнее время: 0 | долгота 37 (гр.)");
    s.summerHours = -2;
    s.longitude = -75;
    EXPECT_EQ(StatusLineText(s), " GMT: (GMT +03:00) | летнее время: -2 | долгота -75 (гр.)");
}

}  // namespace
