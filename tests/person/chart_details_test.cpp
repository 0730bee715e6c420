// SPDX-License-Identifier: GPL-3.0-or-later
// The full birth chart: hidden stems, Ten Gods, stages, void, conception and palaces, each rule
// with a case worked by hand from the tables, and the worked example of a whole chart.
#include "person/chart_details.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "person/chart_detail_captions.h"
#include "person/chinese_characters.h"
#include "support/locale_guard.h"

namespace {

// Stems and branches by their characters, so that a case reads as worked on paper.
Stem S(const char* c) {
    return static_cast<Stem>(kStemCharacters.find(c) / kCharacterBytes + 1);
}
Branch B(const char* c) {
    return static_cast<Branch>(kBranchCharacters.find(c) / kCharacterBytes + 1);
}
Pillar P(const char* stem, const char* branch) {
    return Pillar{S(stem), B(branch)};
}

std::string Chars(const HiddenStems& h) {
    std::string text;
    for (Stem s : h) text += StemCharacter(s);
    return text;
}

}  // namespace

TEST(HiddenStems, MainStemFirstAndOfTheBranchsOwnElement) {
    EXPECT_EQ(Chars(HiddenStemsOf(B("丑"))), "己癸辛");
    EXPECT_EQ(Chars(HiddenStemsOf(B("亥"))), "壬甲");
    EXPECT_EQ(Chars(HiddenStemsOf(B("酉"))), "辛");
    for (Branch b = 1; b <= 12; ++b)
        EXPECT_EQ(StemElement(HiddenStemsOf(b).main()), BranchElement(b)) << BranchCharacter(b);
}

TEST(TenGods, ByElementRelationAndPolarity) {
    // Day master 甲 (yang Wood) against the ten stems in order.
    const std::vector<TenGod> ofJia = {
        TenGod::Friend,         TenGod::Rival,        TenGod::Eater,         TenGod::Rebel,
        TenGod::IndirectWealth, TenGod::DirectWealth, TenGod::SevenKillings, TenGod::DirectOfficer,
        TenGod::IndirectSeal,   TenGod::DirectSeal};
    for (Stem s = 1; s <= 10; ++s) EXPECT_EQ(TenGodOf(S("甲"), s), ofJia[s - 1]) << s;
    // A yin day master: 乙 meets yang Metal 庚 as its officer, yin Metal 辛 as the killer.
    EXPECT_EQ(TenGodOf(S("乙"), S("庚")), TenGod::DirectOfficer);
    EXPECT_EQ(TenGodOf(S("乙"), S("辛")), TenGod::SevenKillings);
    EXPECT_EQ(TenGodOf(S("乙"), S("丁")), TenGod::Eater);
    EXPECT_EQ(TenGodOf(S("癸"), S("庚")), TenGod::DirectSeal);
    EXPECT_EQ(TenGodCaption(TenGod::IndirectWealth), "Косвенное богатство");
    EXPECT_EQ(TenGodCharacters(TenGod::Rebel), "伤官");
}

TEST(Stages, TheDayMasterInEachBranchYinRunningBack) {
    // 乙 is born in 午 and runs backwards: 巳 is its bath.
    PersonChart c;
    c.day = P("乙", "未");
    c.year = P("甲", "午");
    c.month = P("己", "巳");
    c.hour = P("丙", "子");
    const ChartDetails d = ComputeChartDetails(c);
    EXPECT_EQ(StageCaption(d.pillars[0]), "Рождение");
    EXPECT_EQ(StageCaption(d.pillars[1]), "Купание");
}

TEST(Void, TheTwoBranchesTheDecadeLeavesOut) {
    EXPECT_EQ(VoidPairCharacters(VoidBranchesOf(P("甲", "子"))), "戌亥");
    EXPECT_EQ(VoidPairCharacters(VoidBranchesOf(P("癸", "亥"))), "子丑");
    EXPECT_EQ(VoidPairCharacters(VoidBranchesOf(P("甲", "寅"))), "子丑");
    EXPECT_EQ(VoidPairCharacters(VoidBranchesOf(P("丙", "寅"))), "戌亥");  // still 甲子's decade
    // A luck pillar on a void branch is marked as the birth pillars are.
    PersonChart c;
    c.year = P("甲", "子");
    c.month = P("丙", "寅");
    c.day = P("甲", "寅");
    c.hour = P("丁", "卯");
    c.luckPillars[0] = P("丙", "子");
    c.luckPillars[1] = P("丁", "丑");
    const ChartDetails d = ComputeChartDetails(c);
    EXPECT_TRUE(d.luck[0].details.voidByDay);  // 甲寅's decade leaves out 子丑
    EXPECT_EQ(VoidMark(d.luck[1].details), "Пустота (день)");
    EXPECT_EQ(VoidMark(d.pillars[0]), "Пустота (день)");  // the year's 子
    EXPECT_EQ(VoidMark(d.pillars[1]), "");
}

TEST(Palaces, ConceptionLifeAndBody) {
    // Conception wraps past 癸 and 亥.
    EXPECT_EQ(BirthPalacesOf(P("甲", "子"), P("癸", "亥"), P("甲", "子")).conception,
              P("甲", "寅"));
    // Born in the first month at a 卯 hour: 卯 stands on 子 itself, 酉 six places on; a 甲 year
    // gives 丙寅 to the first month, so 丙 to 子 and 庚 to 午.
    const BirthPalaces p = BirthPalacesOf(P("甲", "子"), P("丙", "寅"), P("丁", "卯"));
    EXPECT_EQ(p.life, P("丙", "子"));
    EXPECT_EQ(p.body, P("庚", "午"));
}

// A birth at 1990-05-15 08:30, zone +8, no summer shift, longitude off, male.
TEST(ChartDetails, WorkedExample) {
    Person person;
    person.birth = EncodeMoment(1990, 5, 15, 8, 30);
    person.male = true;
    person.exactZoneSeconds = 8 * 3600;
    person.longitudeOn = false;
    const PersonCalculation calc = CalculatePerson(person, kRussian);
    const PersonChart& c = calc.chart;
    EXPECT_EQ(PillarCharacters(c.year) + PillarCharacters(c.month) + PillarCharacters(c.day) +
                  PillarCharacters(c.hour),
              "庚午辛巳庚辰庚辰");
    const ChartDetails d = ComputeChartDetails(c);
    EXPECT_EQ(HiddenStemsText(d.pillars[0].gods), "丁 己");
    EXPECT_EQ(HiddenStemsText(d.pillars[1].gods), "丙 庚 戊");
    EXPECT_EQ(HiddenStemsText(d.pillars[2].gods), "戊 乙 癸");
    EXPECT_EQ(StemGodCaption(d, 0), "Друг");
    EXPECT_EQ(StemGodCaption(d, 1), "Соперник");
    EXPECT_EQ(StemGodCaption(d, 2), "Хозяин дня");
    EXPECT_EQ(StemGodCaption(d, 3), "Друг");
    EXPECT_EQ(HiddenGodsText(d.pillars[0].gods), "Прямой чиновник, Прямая печать");
    EXPECT_EQ(StageCaption(d.pillars[0]), "Купание");
    EXPECT_EQ(StageCaption(d.pillars[1]), "Рождение");
    // 养 of 庚 in 辰: the stages tool names position 10 "Вскармливание".
    EXPECT_EQ(StageCaption(d.pillars[2]), "Вскармливание");
    EXPECT_EQ(VoidPairCharacters(d.voidByDay), "申酉");
    EXPECT_EQ(VoidPairCharacters(d.voidByYear), "戌亥");
    EXPECT_EQ(PillarCharacters(d.palaces.conception), "壬申");
    EXPECT_EQ(PillarCharacters(d.palaces.life), "甲申");
    EXPECT_EQ(PillarCharacters(d.palaces.body), "戊寅");
    ASSERT_GE(d.smallLuck.size(), 3u);
    EXPECT_EQ(PillarCharacters(d.smallLuck[0].pillar), "辛巳");
    EXPECT_EQ(PillarCharacters(d.smallLuck[1].pillar), "壬午");
    EXPECT_EQ(PillarCharacters(d.smallLuck[2].pillar), "癸未");
    EXPECT_EQ(d.smallLuck.size(), static_cast<std::size_t>(c.firstLuckAge));
    EXPECT_EQ(d.smallLuck[0].year, 1990);
    const std::array<ChartMonth, 12> months = ChartMonthsOfYear(d.dayMaster, 1997);
    EXPECT_EQ(PillarCharacters(months[0].month.pillar), "壬寅");
    EXPECT_EQ(PillarCharacters(months[1].month.pillar), "癸卯");
    EXPECT_EQ(PillarCharacters(months[11].month.pillar), "癸丑");
}

// The text report file is Windows-1251: the characters are spelled as syllables there.
TEST(ChartDetails, ReportFileLinesInSyllables) {
    EXPECT_EQ(InSyllables("Год: 庚午 Друг; скрытые 丁 己: Прямой чиновник"),
              "Год: Гэн-У Друг; скрытые Дин Цзи: Прямой чиновник");
    EXPECT_EQ(InSyllables("Пустота: по дню 申酉, по году 戌亥"),
              "Пустота: по дню Шэнь Ю, по году Сюй Хай");
    EXPECT_EQ(InSyllables("华盖 Великолепный зонт (ветвь дня): День"),
              "Великолепный зонт (ветвь дня): День");
    EXPECT_EQ(InSyllables("Малая удача (小运):"), "Малая удача:");
}
