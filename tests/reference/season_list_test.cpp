// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/season_list.h"

#include <gtest/gtest.h>
#include <set>

#include "astro/moment.h"
#include "calendar/vocabulary.h"
#include "support/locale_guard.h"

namespace {

TEST(SeasonList, EverySeasonHeadingIsFollowedByItsTwoTermsAndEveryTermAppearsOnce) {
    std::set<TermIndex> seen;
    for (int row = 0; row < kSeasonListRows; row += 3) {
        const SeasonListRow& heading = SeasonListTable[static_cast<std::size_t>(row)];
        const SeasonListRow& first = SeasonListTable[static_cast<std::size_t>(row + 1)];
        const SeasonListRow& second = SeasonListTable[static_cast<std::size_t>(row + 2)];
        EXPECT_TRUE(heading.heading()) << heading.caption;
        ASSERT_FALSE(first.heading()) << first.caption;
        ASSERT_FALSE(second.heading()) << second.caption;
        // The season's opening term, then its middle term, one after the other.
        EXPECT_TRUE(IsMonthOpeningTerm(first.term)) << first.caption;
        EXPECT_EQ(second.term, (first.term + 1) % 24) << second.caption;
        // The terms carry the names the rest of the program gives them.
        EXPECT_STREQ(first.caption, TermOf(first.term).name);
        EXPECT_STREQ(second.caption, TermOf(second.term).name);
        seen.insert(first.term);
        seen.insert(second.term);
    }
    EXPECT_EQ(seen.size(), 24u);
}

TEST(SeasonList, HeadingsAndTheirPages) {
    struct Case {
        int row;
        const char* caption;
        const char* page;
    };
    const Case cases[] = {
        {0, "Наступление весны", "\\other\\ses\\s1.rtf"},
        {3, "Середина весны", "\\other\\ses\\s4.rtf"},
        {9, "Начало лета", "\\other\\ses\\s10.rtf"},
        {18, "Начало осени", "\\other\\ses\\s19.rtf"},
        {27, "Начало зимы", "\\other\\ses\\s28.rtf"},
        {33, "Конец зимы", "\\other\\ses\\s34.rtf"},
        {35, "Большие холода", "\\other\\ses\\s36.rtf"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(SeasonListTable[static_cast<std::size_t>(c.row)].caption, c.caption);
        EXPECT_EQ(SeasonPagePath(c.row), QString::fromLatin1(c.page)) << c.row;
    }
    EXPECT_STREQ(SeasonListTable[kSeasonSeparatorAfterRow].caption, "Зимнее солнцестояние");
}

TEST(SeasonList, TitleNamesTheYear) {
    EXPECT_EQ(SeasonListTitle(2024), QString::fromUtf8("На 2024 год"));
    EXPECT_EQ(SeasonListTitle(1900), QString::fromUtf8("На 1900 год"));
}

TEST(SeasonList, TermDatesAreLocalAndFollowTheSummerShiftAlone) {
    // Zone GMT+3. "Становление весны" 2024 is 2024-02-04 08:28:18 universal time, "Малые холода"
    // 2024-01-05 20:50:33 (the instants the term search is checked against).
    const YearTermTable table = BuildYearTermTable(2024, 3.0f);
    EXPECT_EQ(SeasonTermDateText(table, 21, 0, kRussian), QStringLiteral("04.02.2024 11:28"));
    EXPECT_EQ(SeasonTermDateText(table, 19, 0, kRussian), QStringLiteral("05.01.2024 23:50"));
    EXPECT_EQ(SeasonTermDateText(table, 21, 1, kRussian), QStringLiteral("04.02.2024 12:28"));
    // One hour of summer time carries the January term into the next day.
    EXPECT_EQ(SeasonTermDateText(table, 19, 1, kRussian), QStringLiteral("06.01.2024 00:50"));
    EXPECT_EQ(SeasonTermDateText(table, 19, -2, kRussian), QStringLiteral("05.01.2024 21:50"));
}

}  // namespace
