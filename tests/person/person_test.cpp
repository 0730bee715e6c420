// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/person.h"

#include <gtest/gtest.h>

namespace {

TEST(Person, TheBirthsOwnTimeSettings) {
    Person p;
    p.zoneIndex = 21;
    p.summerHours = 1;
    p.longitude = -75;
    p.longitudeOn = true;
    const TimeSettings s = PersonTimeSettings(p);
    EXPECT_EQ(s.zoneCaption, "(GMT +05:45)");
    EXPECT_FLOAT_EQ(s.zoneHours(), 5.75f);
    EXPECT_EQ(s.summerHours, 1);
    EXPECT_EQ(s.longitude, -75);
    EXPECT_TRUE(s.longitudeOn);
    p.zoneIndex = -1;
    EXPECT_EQ(PersonTimeSettings(p).zoneCaption, "");
    EXPECT_FLOAT_EQ(PersonTimeSettings(p).zoneHours(), 0.0f);
}

TEST(Person, AClearedPersonTakesTheSettingsAndIsBornNow) {
    const TimeSettings settings = TimeSettings::WithZoneIndex(25, -2, 104, true);
    const Person p = ClearedPerson(40000.25, settings);
    EXPECT_EQ(p.name, "");
    EXPECT_EQ(p.birth, 40000.25);
    EXPECT_FALSE(p.male);
    EXPECT_EQ(p.zoneIndex, 25);
    EXPECT_EQ(p.summerHours, -2);
    EXPECT_EQ(p.longitude, 104);
    EXPECT_TRUE(p.longitudeOn);
    EXPECT_EQ(SexWord(false), "женский");
    EXPECT_EQ(SexWord(true), "мужской");
}

}  // namespace
