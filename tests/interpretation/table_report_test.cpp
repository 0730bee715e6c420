// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the interpretation report one by one, on laid-out and computed tables. The whole
// sequence is checked against the golden reports (table_report_golden_test.cpp).
#include "interpretation/table_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/geomantic_tables.h"

namespace {

std::vector<std::string> Texts(const ReportDocument& r) {
    std::vector<std::string> texts;
    for (const ReportParagraph& p : r.Paragraphs()) texts.push_back(p.text);
    return texts;
}

bool Has(const ReportDocument& r, const std::string& text) {
    const auto t = Texts(r);
    return std::find(t.begin(), t.end(), text) != t.end();
}

bool HasPrefix(const ReportDocument& r, const std::string& prefix) {
    for (const ReportParagraph& p : r.Paragraphs())
        if (p.text.rfind(prefix, 0) == 0) return true;
    return false;
}

// The paragraph after the first one with `text`.
std::string After(const ReportDocument& r, const std::string& text) {
    const auto t = Texts(r);
    const auto it = std::find(t.begin(), t.end(), text);
    return it == t.end() || it + 1 == t.end() ? "<none>" : *(it + 1);
}

const ReportParagraph* Find(const ReportDocument& r, const std::string& text) {
    for (const ReportParagraph& p : r.Paragraphs())
        if (p.text == text) return &p;
    return nullptr;
}

// A chart with every star 1, the facing palace Кань (azimuth 0) and the mountain palace Ли.
struct Chart {
    std::array<MFB, 9> palaces;
    Chart() { palaces.fill(MFB{1, 1, 1}); }
    Chart& Facing(int mountain, int facing, int base) {
        palaces[Palace::Kan] = {mountain, facing, base};
        return *this;
    }
    Chart& Mountain(int mountain, int facing, int base) {
        palaces[Palace::Li] = {mountain, facing, base};
        return *this;
    }
    GeomanticTable Table(int azimuth = 0) const {
        GeomanticTable t = LaidOutTable(azimuth, palaces);
        t.currentPeriod = 9;
        t.yearStar = 3;
        t.monthStar = 2;
        t.yearBranch = 5;
        t.monthBranch = 6;
        return t;
    }
};

TEST(TableReport, FramedByAnEmptyFirstParagraphAndTwoEmptyLastOnes) {
    const ReportDocument r = CalcRich(NorthPeriod8Table(), kRussian);
    const auto& p = r.Paragraphs();
    ASSERT_GT(p.size(), 3u);
    EXPECT_EQ(p.front().kind, ParagraphKind::Empty);
    EXPECT_EQ(p[1].text, "ИНТЕРПРЕТАЦИЯ ЗНАКА");
    EXPECT_EQ(p[1].style, ReportStyle::Titl);
    EXPECT_EQ(p[p.size() - 1].kind, ParagraphKind::Empty);
    EXPECT_EQ(p[p.size() - 2].kind, ParagraphKind::Empty);
}

TEST(TableReport, ThePeriodIsTheCentreBaseStar) {
    const ReportDocument r = CalcRich(NorthPeriod8Table(), kRussian);
    EXPECT_TRUE(Has(r, "8-й цикл, Гора У, Направление Цзы"));
    EXPECT_TRUE(
        Has(CalcRich(NorthPeriod8Table(), 3, kRussian), "3-й цикл, Гора У, Направление Цзы"));
}

TEST(TableReport, HeadlineAndCommentFollowTheZoneOfTheAzimuth) {
    // 12 lies in the normal zone of Гуй, 11 in its replacement zone.
    GeomanticTable t = Chart().Table(12);
    t.chartComment = "Замечание к раскладу.";
    const ReportDocument normal = CalcRich(t, 8, kRussian);
    EXPECT_TRUE(Has(normal, "Основной знак."));
    EXPECT_FALSE(Has(normal, "Замещающий знак."));
    EXPECT_FALSE(Has(normal, "Комментарий к Замещающему знаку."));

    t.azimuth = 11;
    const ReportDocument replacement = CalcRich(t, 8, kRussian);
    EXPECT_FALSE(Has(replacement, "Основной знак."));
    const ReportParagraph* headline = Find(replacement, "Замещающий знак.");
    ASSERT_NE(headline, nullptr);
    EXPECT_EQ(headline->style, ReportStyle::Red);
    EXPECT_EQ(headline->format, (ReportFormat{0x800000, 12, true}));
    // Back in the title style for the line of the period.
    EXPECT_EQ(Find(replacement, "8-й цикл, Гора , Направление ")->style, ReportStyle::Titl);
    EXPECT_EQ(After(replacement, "Комментарий к Замещающему знаку."), "Замечание к раскладу.");
    EXPECT_EQ(Find(replacement, "Замечание к раскладу.")->style, ReportStyle::Text);
}

TEST(TableReport, StrengthOfMountainAndFacing) {
    struct Case {
        int SM, FN;
        const char* title;
        const char* mountain;
        const char* facing;
    };
    const char* kStrongFacing = "Сильное Направление предвещает рост благосостояния семьи.";
    const char* kWeakFacing =
        "Слабое Направление предвещает потери денег и разрушение благосостояния семьи.";
    const Case cases[] = {
        {8, 8, "Сильная Гора, сильное Направление",
         "Сильная Гора, предвещает расцвет мужской части рода.", kStrongFacing},
        {8, 3, "Cильная Гора Гора, слабое Направление", "Сильная Гора, предвещает расцвет рода.",
         kWeakFacing},
        {3, 8, "Слабая Гора, сильное Направление", "Слабая Гора, предвещает разрушения для рода.",
         kStrongFacing},
        {3, 3, "Слабая Гора, слабое Направление", "Слабая Гора, предвещает разрушения для рода.",
         kWeakFacing},
    };
    for (const Case& c : cases) {
        const ReportDocument r =
            CalcRich(Chart().Facing(2, c.FN, 4).Mountain(c.SM, 2, 6).Table(), 8, kRussian);
        const ReportParagraph* title = Find(r, c.title);
        ASSERT_NE(title, nullptr) << c.title;
        EXPECT_EQ(title->style, ReportStyle::Titl2);
        EXPECT_EQ(After(r, c.title), c.mountain);
        EXPECT_EQ(After(r, c.mountain), c.facing);
    }
    // The mixed title begins with a Latin capital C.
    EXPECT_EQ(std::string("Cильная Гора Гора, слабое Направление")[0], '\x43');
}

TEST(TableReport, RelationsOfTheFacingAndTheMountainPalace) {
    // Дом Направления relates FN to FM, Дом Горы SM to SN.
    const ReportDocument a =
        CalcRich(Chart().Facing(9, 1, 4).Mountain(2, 3, 6).Table(), 8, kRussian);
    EXPECT_EQ(After(a, "Дом Направления"), "Преодоление на выходе. Несчастье");
    EXPECT_EQ(After(a, "Дом Горы"), "Преодоление на входе. Cчастье");
    const ReportDocument b =
        CalcRich(Chart().Facing(8, 1, 4).Mountain(3, 2, 6).Table(), 8, kRussian);
    EXPECT_EQ(After(b, "Дом Направления"), "Преодоление на входе. Cчастье");
    EXPECT_EQ(After(b, "Дом Горы"), "Преодоление на выходе. Несчастье");
    // A star the table does not provide: the title stands without a relation.
    const ReportDocument c = CalcRich(Chart().Facing(0, 1, 4).Table(), 8, kRussian);
    const auto t = Texts(c);
    const auto title = std::find(t.begin(), t.end(), "Дом Направления");
    ASSERT_NE(title, t.end());
    EXPECT_EQ(*(title + 1), "");  // the empty paragraph before "Дом Горы"
    EXPECT_EQ(*(title + 2), "Дом Горы");
}

TEST(TableReport, EarthCycleYears) {
    EXPECT_EQ(EarthCycleYears(8, 2), 60);  // periods 9, 1, 2
    EXPECT_EQ(EarthCycleYears(8, 8), 0);
    EXPECT_EQ(EarthCycleYears(8, 4), 100);
    EXPECT_EQ(EarthCycleYears(2, 8), 120);
    EXPECT_EQ(EarthCycleYears(9, 1), 20);
    EXPECT_EQ(EarthCycleYears(1, 9), 160);
}

TEST(TableReport, EarthCycleAndItsEndInTheCurrentPeriod) {
    // P = 8, FB = 2, current period 2: the energy has switched off.
    GeomanticTable t = Chart().Facing(3, 4, 2).Mountain(6, 6, 7).Table();
    t.currentPeriod = 2;
    const ReportDocument r = CalcRich(t, 8, kRussian);
    EXPECT_EQ(After(r, "Земной цикл: 60 лет"),
              "Когда наступит 2-й цикл, Земная энергия дома войдет в фазу отключения.");
    EXPECT_EQ(After(r, "Характеристики знака на 2-й цикл"), " ");
    EXPECT_TRUE(Has(r,
                    "В этом цикле энергия дома вошла в фазу отключения. Необходим капитальный "
                    "ремон или перестройка дома. Дом выйдет из фазы упадка в следующем цикле."));
    EXPECT_FALSE(Has(r, "Земной цикл по горной звезде в Доме Горы"));
    t.currentPeriod = 3;
    EXPECT_FALSE(HasPrefix(CalcRich(t, 8, kRussian), "В этом цикле энергия дома вошла"));
}

TEST(TableReport, FacingStarOfPeriodFiveHasNoEarthCycle) {
    // FN = P = 5 and the current period equal to FB: still nothing about switching off.
    GeomanticTable t = Chart().Facing(3, 5, 7).Mountain(6, 6, 3).Table();
    t.currentPeriod = 7;
    const ReportDocument r = CalcRich(t, 5, kRussian);
    EXPECT_FALSE(HasPrefix(r, "Земной цикл"));
    EXPECT_FALSE(HasPrefix(r, "Когда наступит"));
    EXPECT_FALSE(HasPrefix(r, "В этом цикле энергия дома вошла"));
    // The same chart in period 6 has both.
    t.palaces[Palace::Kan].facing = 6;
    const ReportDocument s = CalcRich(t, 6, kRussian);
    EXPECT_TRUE(Has(s, "Земной цикл: 20 лет"));
    EXPECT_TRUE(HasPrefix(s, "В этом цикле энергия дома вошла в фазу отключения. "));
}

TEST(TableReport, BothStarsOfThePeriodOnTheFacing) {
    // FN = FM = P = 8, SN = 7: the cycle of the mountain palace's facing star.
    GeomanticTable t = Chart().Facing(8, 8, 3).Mountain(9, 7, 4).Table(180 - 180);
    t.currentPeriod = 7;
    const ReportDocument r = CalcRich(t, 8, kRussian);
    EXPECT_EQ(After(r, "Земной цикл по горной звезде в Доме Горы"),
              "Когда наступит 7-й цикл, Земная энергия дома войдет в фазу отключения.");
    const std::string switchedOff =
        "В этом цикле энергия дома вошла в фазу отключения по горной звезде в Доме Горы. "
        "Необходим капитальный ремон или перестройка дома. Дом выйдет из фазы упадка в "
        "следующем цикле.";
    EXPECT_TRUE(Has(r, switchedOff));
    EXPECT_EQ(Find(r, switchedOff)->style, ReportStyle::Text);
    t.currentPeriod = 9;
    EXPECT_FALSE(Has(CalcRich(t, 8, kRussian), switchedOff));
    // Only the facing star of the period: no cycle of the mountain palace.
    t.palaces[Palace::Kan].mountain = 2;
    EXPECT_FALSE(Has(CalcRich(t, 8, kRussian), "Земной цикл по горной звезде в Доме Горы"));
}

TEST(TableReport, PalaceCombinationsInTheirFixedOrder) {
    Chart chart;
    chart.palaces[Palace::Zhen] = {7, 3, 1};  // "ша пробивающее сердце"
    chart.palaces[Palace::Centre] = {6, 1, 2};
    const ReportDocument r = CalcRich(chart.Table(), 8, kRussian);
    const auto t = Texts(r);
    const auto first = std::find(t.begin(), t.end(),
                                 "Специальные комбинации для летящих звезд Направления и Горы");
    ASSERT_LT(first + 9, t.end());
    EXPECT_EQ(first[1].rfind("Дом знака Чжэнь -- 3-7 это \"ша пробивающее сердце\"", 0), 0u);
    const char* const prefixes[] = {"Дом знака Сюнь -- НЕТ.", "Дом знака Ли -- НЕТ.",
                                    "Дом знака Кунь -- НЕТ.", "Дом знака Дуй -- НЕТ.",
                                    "Дом знака Цянь -- НЕТ.", "Дом знака Кань -- НЕТ.",
                                    "Дом знака Гэнь -- НЕТ."};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(first[2 + i], prefixes[i]);
    EXPECT_EQ(first[9], "Центрльный Дом -- 1-6 благоприятная комбинация.");
}

TEST(TableReport, PhasesOfTheFacingMountainAndGateStars) {
    const ReportDocument r = CalcRich(NorthPeriod8Table(), kRussian);
    EXPECT_TRUE(Has(r,
                    "Летящая звезда Направления 9 пурпурная в фазе расцвета. Расцвет по "
                    "богатству."));
    EXPECT_TRUE(Has(r, "Летящая горная звезда 8 белая в фазе отступления. Нет пользы от звезды."));
    EXPECT_EQ(After(r, "Основные городские врата в знаке Цянь"),
              "Во вратах звезда 8 белая в фазе отступления. Нет пользы от врат.");
    EXPECT_EQ(After(r, "Дополнительные городские врата в знаке Гэнь"),
              "Во вратах звезда 5 желтая в фазе смерти. Нет пользы от врат.");
}

TEST(TableReport, FiveYellowAndTwoBlackInTheCentre) {
    GeomanticTable t = Chart().Table();
    t.yearStar = 5;
    t.monthStar = 2;
    const ReportDocument r = CalcRich(t, 8, kRussian);
    const auto texts = Texts(r);
    const auto centre = std::find(texts.begin(), texts.end(),
                                  "Пятерка желтая по году приходит в Центр. Не оказывает "
                                  "негативного влияния в этом году.");
    ASSERT_LT(centre + 2, texts.end());
    EXPECT_EQ(centre[1], " ");
    EXPECT_EQ(centre[2].rfind("Пятерка желтая по сезону приходит на знак ", 0), 0u);
    EXPECT_TRUE(Has(r,
                    "Двойка черная по сезону приходит в Центр. Не оказывает негативного "
                    "влияния в этом сезоне."));
    EXPECT_TRUE(Has(r, "Двойка черная по году приходит на знак Кунь. Предвещает болезни."));
    t.yearStar = 2;
    t.monthStar = 5;
    const ReportDocument s = CalcRich(t, 8, kRussian);
    EXPECT_TRUE(Has(s,
                    "Пятерка желтая по сезону приходит в Центр. Не оказывает негативного "
                    "влияния в этом сезоне."));
    EXPECT_TRUE(Has(s,
                    "Двойка черная по году приходит в Центр. Не оказывает негативного влияния "
                    "в этом году."));
    EXPECT_TRUE(Has(s, "Двойка черная по сезону приходит на знак Кунь. Предвещает болезни."));
}

TEST(TableReport, FiveYellowOnTheFacingAndOnTheMountain) {
    // Facing Кань: a year star 9 sends the 5 to Кань, a month star 1 sends it to Ли.
    Chart chart;
    chart.Facing(7, 3, 4);  // the 5 meets 3 and 7 in Кань
    GeomanticTable t = chart.Table(0);
    t.yearStar = 9;
    t.monthStar = 1;
    const ReportDocument r = CalcRich(t, 8, kRussian);
    const std::string year =
        "Пятерка желтая по году приходит на знак Кань. Это Большое разрушение Пятерки желтой. "
        "Крайне несчастливое направление в этом году.";
    EXPECT_EQ(After(r, year),
              "Пятерка желтая по году попадает на Направление. Не благоприятно в этом году "
              "строить, переезжать или делать ремонт в жилище с таким раскладом.");
    EXPECT_EQ(After(r,
                    "Пятерка желтая по году попадает на Направление. Не благоприятно в этом "
                    "году строить, переезжать или делать ремонт в жилище с таким раскладом."),
              "В Кань летящая звезда года Пятерка желтая соединяется в комбинации 5-3-7. Это злая "
              "сила ша, пробивающая сердце. Предвещает войны, появления разбойников, травмы "
              "четырех конечностей и прочие неприятности.");
    const std::string season =
        "Пятерка желтая по сезону приходит на знак Ли. Это Большое разрушение Птерки желтой. "
        "Крайне несчастливое направление в этом сезоне.";
    EXPECT_EQ(After(r, season),
              "Пятерка желтая по сезону попадает на Гору. Не благоприятно в этом сезоне строить, "
              "переезжать или делать ремонт в жилище с таким раскладом.");
    EXPECT_EQ(After(r,
                    "Пятерка желтая по сезону попадает на Гору. Не благоприятно в этом сезоне "
                    "строить, переезжать или делать ремонт в жилище с таким раскладом."),
              "Специальные комбинации для летящей Пятерки -- НЕТ.");
    // The same stars for a dwelling facing south swap the facing and the mountain.
    t.azimuth = 180;
    const ReportDocument s = CalcRich(t, 8, kRussian);
    EXPECT_TRUE(Has(s,
                    "Пятерка желтая по году попадает на Гору. Не благоприятно в этом году "
                    "строить, переезжать или делать ремонт в жилище с таким раскладом."));
    EXPECT_TRUE(Has(s,
                    "Пятерка желтая по сезону попадает на Направление. Не благоприятно в этом "
                    "сезоне строить, переезжать или делать ремонт в жилище с таким раскладом."));
}

TEST(TableReport, FlyingTaiSuiOfTheYearAndOfTheSeasonUseTheYearBranch) {
    GeomanticTable t = Chart().Table();
    t.yearBranch = 2;   // Чоу: home number 8
    t.monthBranch = 9;  // not used for the flight
    t.yearStar = 6;
    t.monthStar = 8;
    const ReportDocument r = CalcRich(t, 8, kRussian);
    EXPECT_TRUE(Has(r, "Летящий Тай Суй по году приходит в Дуй. Усиливает влияние Дома."));
    EXPECT_TRUE(Has(r,
                    "Летящий Тай Суй по сезону приходит в Центр. Это темное установление. В "
                    "этом направлении не благоприятно совершать ремонт, перестановку, любые "
                    "движения в этом месяце."));
}

TEST(TableReport, AnUncomputedTableGivesTheReportWithEmptyValues) {
    const GeomanticTable t;  // every star 0, no branches, no gates
    const ReportDocument r = CalcRich(t, kRussian);
    EXPECT_TRUE(Has(r, "0-й цикл, Гора , Направление "));
    EXPECT_TRUE(Has(r, "Во вратах звезда 0  в фазе "));
    EXPECT_TRUE(Has(r, "Тай Суй в знаке . Усиливат влияние Дома. "));
    EXPECT_TRUE(Has(r, "Летящий Тай Суй по году приходит в . Усиливает влияние Дома."));
    EXPECT_TRUE(Has(r,
                    "Пятерка желтая по году приходит на знак . Это Большое разрушение Пятерки "
                    "желтой. Крайне несчастливое направление в этом году."));
    EXPECT_TRUE(Has(r, "Специальные комбинации для летящей Пятерки -- НЕТ."));
    EXPECT_TRUE(Has(r, "Двойка черная по году приходит на знак . Предвещает болезни."));
    // Three Killings without a branch: an empty paragraph in each place.
    const auto texts = Texts(r);
    const auto sha = std::find(texts.begin(), texts.end(), "Прочие силы разрушающего дыхания ша");
    ASSERT_LT(sha + 4, texts.end());
    EXPECT_EQ(sha[2], "");
    EXPECT_EQ(sha[4], "");
}

TEST(TableReport, ContentForTheReportWindow) {
    const ReportContent c =
        TableReportContent(NorthPeriod8Table(), "Внутренний знак жилища", kRussian);
    EXPECT_EQ(c.caption, "Интерпретация: Внутренний знак жилища");
    ASSERT_TRUE(c.statusText.has_value());
    EXPECT_EQ(*c.statusText,
              "Азимут: 0 | Дата строительства или переезда: 01.06.2004 | Расчет на: 01.06.2024");
    EXPECT_TRUE(c.error.empty());
    // The body: the window puts the empty first paragraph above it.
    ReportDocument framed = c.document;
    framed.InsertEmptyAtTop();
    EXPECT_EQ(DescribeReport(framed), DescribeReport(CalcRich(NorthPeriod8Table(), kRussian)));
}

}  // namespace
