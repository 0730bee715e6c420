// SPDX-License-Identifier: GPL-3.0-or-later
// Zone, summer shift and exact offsets from the tz database (tzdata as Debian ships it).
#include <gtest/gtest.h>

#include "astro/local_time.h"
#include "astro/moment.h"
#include "astro/place_zone.h"

TEST(PlaceZone, OffsetsOfKnownPlacesAndDates) {
    struct Case {
        const char* zone;
        Moment civil;
        const char* caption;
        int summer;
    };
    const Case cases[] = {
        // Moscow summer time 1981-2010: standard +3 plus one hour.
        {"Europe/Moscow", EncodeMoment(1985, 7, 1, 12), "(GMT +03:00)", 1},
        // 2011-2014 the year-round "summer" time was standard time +4.
        {"Europe/Moscow", EncodeMoment(2012, 1, 15, 12), "(GMT +04:00)", 0},
        {"Asia/Vladivostok", EncodeMoment(1990, 1, 15, 12), "(GMT +10:00)", 0},
        {"Europe/Kaliningrad", EncodeMoment(2015, 6, 1, 12), "(GMT +02:00)", 0},
        {"Asia/Kathmandu", EncodeMoment(1990, 6, 1, 12), "(GMT +05:45)", 0},
        {"Asia/Kolkata", EncodeMoment(1990, 6, 1, 12), "(GMT +05:30)", 0},
        // Local mean time of Moscow before standard time.
        {"Europe/Moscow", EncodeMoment(1900, 1, 1, 12), "(GMT +02:30:17)", 0},
        {"Australia/Eucla", EncodeMoment(2020, 1, 1, 12), "(GMT +08:45)", 0},
        {"America/New_York", EncodeMoment(2020, 7, 1, 12), "(GMT -05:00)", 1},
        {"America/St_Johns", EncodeMoment(2020, 1, 1, 12), "(GMT -03:30)", 0},
        {"Pacific/Kiritimati", EncodeMoment(2020, 1, 1, 12), "(GMT +14:00)", 0},
        // Around the 1990 change in Moscow (25 March, 02:00 -> 03:00).
        {"Europe/Moscow", EncodeMoment(1990, 3, 25, 1, 30), "(GMT +03:00)", 0},
        {"Europe/Moscow", EncodeMoment(1990, 3, 25, 2, 30), "(GMT +03:00)", 0},  // skipped: before
        {"Europe/Moscow", EncodeMoment(1990, 3, 25, 3, 30), "(GMT +03:00)", 1},
        // The repeated hour of 30 September 1990: read as the earlier, summer hour.
        {"Europe/Moscow", EncodeMoment(1990, 9, 30, 2, 30), "(GMT +03:00)", 1},
        {"Europe/Moscow", EncodeMoment(1990, 9, 30, 3, 30), "(GMT +03:00)", 0},
    };
    for (const Case& c : cases) {
        const auto s = TimeSettingsAt(c.zone, c.civil, 37.6, false);
        ASSERT_TRUE(s) << c.zone;
        EXPECT_EQ(s->zoneCaption, c.caption) << c.zone << " " << c.civil;
        EXPECT_EQ(s->summerHours, c.summer) << c.zone << " " << c.civil;
        EXPECT_EQ(s->longitude, 38);
    }
    EXPECT_FALSE(TimeSettingsAt("Europe/Atlantis", 40000, 0, false));
    EXPECT_FALSE(IsKnownTimeZone(""));
    EXPECT_TRUE(IsKnownTimeZone("Asia/Kolkata"));
}

TEST(PlaceZone, ExactOffsetsAreCarriedWithoutRounding) {
    EXPECT_EQ(ZoneSecondsOfCaption("(GMT +02:30:17)"), 2 * 3600 + 30 * 60 + 17);
    EXPECT_EQ(ZoneSecondsOfCaption("(GMT -09:30)"), -(9 * 3600 + 30 * 60));
    EXPECT_EQ(ZoneSecondsOfCaption("(GMT +05:45)"), 5 * 3600 + 45 * 60);
    EXPECT_EQ(ZoneSecondsOfCaption("(GMT 00:00)"), 0);
    EXPECT_FALSE(ZoneSecondsOfCaption("(GMT +5:30)"));
    EXPECT_FALSE(ZoneSecondsOfCaption("(GMT +05:30:00)"));  // written without seconds
    EXPECT_FALSE(ZoneSecondsOfCaption("(GMT +05:30) "));
    EXPECT_FALSE(ZoneSecondsOfCaption(""));
    EXPECT_EQ(ZoneCaptionOfSeconds(-(2 * 3600 + 30 * 60)), "(GMT -02:30)");
    EXPECT_EQ(ZoneCaptionOfSeconds(3 * 3600), "(GMT +03:00)");
    EXPECT_EQ(NearestZoneIndex(5 * 3600 + 30 * 60), 21);  // +05:30 -> +05:45
    EXPECT_EQ(NearestZoneIndex(9000 + 17), 16);           // +02:30:17 -> +03:00
    EXPECT_EQ(NearestZoneIndex(9000), 15);                // a tie: the earlier, +02:00
    EXPECT_EQ(NearestZoneIndex(14 * 3600), 31);

    // Universal time of a civil noon in Moscow 1900: 12:00 - 2:30:17 = 09:29:43.
    TimeSettings s;
    s.zoneCaption = "(GMT +02:30:17)";
    const CivilDateTime u = DecodeMoment(UniversalMomentOf(EncodeMoment(1900, 1, 1, 12), s));
    EXPECT_EQ(u.hour * 3600 + u.minute * 60 + u.second, 9 * 3600 + 29 * 60 + 43);
    EXPECT_EQ(u.millisecond, 0);
    EXPECT_FLOAT_EQ(GMT("(GMT +05:30)"), 5.5f);
    EXPECT_EQ(StatusLineText(s), " GMT: (GMT +02:30:17) | летнее время: 0 | долгота не учтена");
}

TEST(PlaceZone, TheLongitudeIsExactToTheArcsecond) {
    // Москва, 37.616° east, 1980-07-20 01:28 (no summer time that year): universal 22:28, mean
    // solar time 22:28 + 2 h 30 min 27.8 s = 00:58:28, the hour of Цзы; the whole 38° would give
    // 01:00:00, the hour of Чоу.
    const auto s = TimeSettingsAt("Europe/Moscow", EncodeMoment(1980, 7, 20, 1, 28), 37.616, true);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->longitude, 38);  // the whole degrees kept, as files and settings have them
    EXPECT_EQ(s->longitudeArcseconds, 135418);
    EXPECT_NEAR(PillarMomentOf(EncodeMoment(1980, 7, 20, 1, 28), *s),
                EncodeMoment(1980, 7, 20, 0, 58, 28), 0.5 / 86400);
    // A whole degree typed over it wins.
    TimeSettings typed = *s;
    typed.longitude = 40;
    EXPECT_EQ(typed.longitudeDegrees(), 40.0);
    // A bare zone, without a place: the database's own local mean time, no longitude.
    const auto urumqi =
        TimeSettingsAt("Asia/Urumqi", EncodeMoment(1915, 3, 1, 10), std::nullopt, false);
    ASSERT_TRUE(urumqi);
    EXPECT_EQ(urumqi->zoneCaption, "(GMT +05:50:20)");
    EXPECT_TRUE(urumqi->localMeanTime);
    const auto kashgar = TimeSettingsAt("Asia/Urumqi", EncodeMoment(1915, 3, 1, 10), 75.9897, true);
    EXPECT_EQ(kashgar->zoneCaption, "(GMT +05:03:58)");
    EXPECT_EQ(StatusLineText(*kashgar),
              " GMT: (GMT +05:03:58) местное среднее время | летнее время: 0 | долгота 76 (гр.)");
}
