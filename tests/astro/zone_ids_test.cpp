// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/zone_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/place_zone.h"

// Only what the database lists passes; a path, a device, an abbreviation, a long string or a
// bare city name never reaches the database's file reader.
TEST(ZoneIds, OnlyListedIdsAreAccepted) {
    EXPECT_EQ(ListedZoneId("Europe/Moscow"), "Europe/Moscow");
    EXPECT_EQ(ListedZoneId("Asia/Kolkata"), "Asia/Kolkata");
    // Old names the database keeps as links stand for their zone (files and the place table
    // still carry them).
    EXPECT_EQ(ListedZoneId("Europe/Kiev"), "Europe/Kyiv");
    for (const std::string& crafted : std::vector<std::string>{
             "", "../../../../dev/stdin", "/dev/zero", "Europe/../../../../etc/passwd", "Moscow",
             "MSK", "Kyiv", "europe/moscow", std::string(10000, 'Z'),
             std::string("Europe/Moscow\0x", 15)}) {
        EXPECT_FALSE(ListedZoneId(crafted)) << crafted.substr(0, 40);
        EXPECT_FALSE(IsKnownTimeZone(crafted)) << crafted.substr(0, 40);
        EXPECT_FALSE(ZoneAt(crafted, 45000.5)) << crafted.substr(0, 40);
    }
}

TEST(ZoneIds, AMistypedIdGetsTheNearestKnownOnes) {
    EXPECT_EQ(NearestZoneIds("Moscow", 3).front(), "Europe/Moscow");
    EXPECT_EQ(NearestZoneIds("Kyiv", 3).front(), "Europe/Kyiv");
    EXPECT_EQ(NearestZoneIds("europe/moskow", 3).front(), "Europe/Moscow");
    EXPECT_EQ(NearestZoneIds("Buenos Aires", 1).front(), "America/Argentina/Buenos_Aires");
    EXPECT_TRUE(NearestZoneIds(std::string(10000, 'Z'), 3).empty());
    EXPECT_TRUE(NearestZoneIds("../../../../dev/stdin", 3).empty());
    EXPECT_EQ(QuotedZoneId(std::string(100, 'Z')), std::string(40, 'Z') + "…");
    EXPECT_EQ(QuotedZoneId("a\nb\xD0"), "a?b?");
}
