// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/birth_star_pages.h"

#include <gtest/gtest.h>

namespace {

struct PageCase {
    int star;
    bool male;
    const char* path;
};

TEST(BirthStarPages, OnlyAWomansOneAndFiveHaveTheirOwnPage) {
    const PageCase cases[] = {
        {5, false, "\\other\\people\\s5f.rtf"},  // a woman's star 5
        {5, true, "\\other\\people\\s5.rtf"},    // a man's star 5: the common page
        {1, false, "\\other\\people\\s1f.rtf"},
        {1, true, "\\other\\people\\s1.rtf"},
        {3, false, "\\other\\people\\s3.rtf"},  // no other number has a woman's page
        {2, false, "\\other\\people\\s2.rtf"},
        {9, false, "\\other\\people\\s9.rtf"},
        {9, true, "\\other\\people\\s9.rtf"},
        {0, true, ""},
        {10, false, ""},
    };
    for (const PageCase& c : cases) {
        EXPECT_EQ(BirthStarPagePath(c.star, c.male), c.path) << c.star << (c.male ? " m" : " f");
    }
}

TEST(BirthStarPages, EachMenuItemTakesItsStarOfTheChart) {
    PersonChart chart;
    chart.greatCycleStar = 3;
    chart.smallCycleStar = 8;
    chart.yearStar = 5;  // as displayed, although the Gua of a man would be 2
    chart.guaNumber = 2;
    chart.monthStar = 4;
    chart.dayStar = 6;
    chart.hourStar = 9;
    EXPECT_EQ(BirthStarNumber(chart, BirthStar::GreatCycle), 3);
    EXPECT_EQ(BirthStarNumber(chart, BirthStar::SmallCycle), 8);
    EXPECT_EQ(BirthStarNumber(chart, BirthStar::Year), 5);
    EXPECT_EQ(BirthStarNumber(chart, BirthStar::Month), 4);
    EXPECT_EQ(BirthStarNumber(chart, BirthStar::Day), 6);
    EXPECT_EQ(BirthStarNumber(chart, BirthStar::Hour), 9);
}

}  // namespace
