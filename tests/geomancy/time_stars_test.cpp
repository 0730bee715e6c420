// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/time_stars.h"

#include <gtest/gtest.h>

namespace {

PalaceStarArray YearLayer(const GeomanticTable& t) {
    PalaceStarArray out{};
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) out[p] = t.palaces[p].year;
    return out;
}

TEST(TimeStars, YearStarFive) {
    GeomanticTable t;
    FillTimeStars(t, 5, 2, 9);
    // 5 at the centre, 6 Qian, 7 Dui, 8 Gen, 9 Li, 1 Kan, 2 Kun, 3 Zhen, 4 Xun.
    EXPECT_EQ(YearLayer(t), (PalaceStarArray{6, 7, 9, 3, 4, 1, 2, 8, 5}));
    EXPECT_EQ(t.palaces[Palace::Centre].month, 2);
    EXPECT_EQ(t.palaces[Palace::Centre].day, 9);
}

TEST(TimeStars, OutOfRangeLeavesOnlyThatLayer) {
    GeomanticTable t;
    FillTimeStars(t, 1, 1, 1);
    FillTimeStars(t, 0, 3, 10);
    EXPECT_EQ(t.palaces[Palace::Centre].year, 1);
    EXPECT_EQ(t.palaces[Palace::Centre].month, 3);
    EXPECT_EQ(t.palaces[Palace::Centre].day, 1);
}

TEST(TimeStars, FlyingTaiSui) {
    // Year branch Цзы (home number 1) for every centre star.
    const PalaceIndex tzi[9] = {Palace::Centre, Palace::Xun, Palace::Zhen, Palace::Kun, Palace::Kan,
                                Palace::Li,     Palace::Gen, Palace::Dui,  Palace::Qian};
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(FlyingTaiSuiPalace(c, 1), tzi[c - 1]) << c;
    // Чоу (home number 8).
    EXPECT_EQ(FlyingTaiSuiPalace(6, 2), Palace::Dui);
    EXPECT_EQ(FlyingTaiSuiPalace(7, 2), Palace::Qian);
    EXPECT_EQ(FlyingTaiSuiPalace(8, 2), Palace::Centre);
    EXPECT_EQ(FlyingTaiSuiPalace(0, 2), std::nullopt);
    EXPECT_EQ(FlyingTaiSuiPalace(5, 0), std::nullopt);
    EXPECT_EQ(FlyingTaiSuiPalace(5, 13), std::nullopt);

    GeomanticTable t;
    FeiTaiSuiDrawY(t, 8, 2);  // year star 8, year branch Чоу: the centre's picture
    FeiTaiSuiDrawM(t, 6, 2);  // month star 6 with the year branch: Dui
    EXPECT_EQ(t.flyingTaiSuiYear, Palace::Centre);
    EXPECT_EQ(t.flyingTaiSuiMonth, Palace::Dui);
    FeiTaiSuiDrawY(t, 8, 0);
    EXPECT_EQ(t.flyingTaiSuiYear, std::nullopt);
    EXPECT_EQ(std::string(kFlyingTaiSuiYearHint), "Летящий Тай Суй по году");
    EXPECT_EQ(std::string(kFlyingTaiSuiMonthHint), "Темное установление");
}

TEST(TimeStars, TaiSuiAndThreeKillings) {
    GeomanticTable t;
    TaiSui(t, 7);
    EXPECT_EQ(t.taiSuiBranch, 7);
    TaiSui(t, 13);
    EXPECT_EQ(t.taiSuiBranch, 0);

    // Цзы south, Чоу east, Инь north, Мао west; the branches of one triple (four apart) share it.
    EXPECT_EQ(KillingsDirectionOf(1), KillingsDirection::South);
    EXPECT_EQ(KillingsDirectionOf(2), KillingsDirection::East);
    EXPECT_EQ(KillingsDirectionOf(3), KillingsDirection::North);
    EXPECT_EQ(KillingsDirectionOf(4), KillingsDirection::West);
    for (Branch b = 5; b <= 12; ++b)
        EXPECT_EQ(KillingsDirectionOf(b), KillingsDirectionOf(b - 4)) << b;
    EXPECT_EQ(KillingsDirectionOf(0), std::nullopt);

    // Year branch У: the bottom bar "Ша года на севере".
    ShaY(t, 7);
    ASSERT_TRUE(t.shaYear);
    EXPECT_EQ(ShaHint(true, *t.shaYear), "Ша года на севере");
    // Month branch Инь, year branch Цзы: seasonal bar north, yearly bar south.
    ShaY(t, 1);
    ShaM(t, 3);
    EXPECT_EQ(t.shaYear, KillingsDirection::South);
    EXPECT_EQ(t.shaMonth, KillingsDirection::North);
    EXPECT_EQ(ShaHint(false, KillingsDirection::North), "Ша сезона на севере");
    EXPECT_EQ(ShaHint(true, KillingsDirection::East), "Ша года на востоке");
    EXPECT_EQ(ShaHint(false, KillingsDirection::West), "Ша сезона на западе");
    ShaM(t, 0);
    EXPECT_EQ(t.shaMonth, std::nullopt);
}

TEST(TimeStars, TaiSuiMarkersStandWhereTheirBranchPoints) {
    // Top from left: Сы, У, Вэй; bottom: Чоу, Цзы, Хай; left from top: Чэнь, Мао, Инь; right:
    // Шэнь, Ю, Сюй.
    EXPECT_EQ(TaiSuiMarkerPlace(6).edge, GridEdge::Top);
    EXPECT_EQ(TaiSuiMarkerPlace(7).position, 1);
    EXPECT_EQ(TaiSuiMarkerPlace(2).edge, GridEdge::Bottom);
    EXPECT_EQ(TaiSuiMarkerPlace(2).position, 0);
    EXPECT_EQ(TaiSuiMarkerPlace(12).position, 2);
    EXPECT_EQ(TaiSuiMarkerPlace(5).edge, GridEdge::Left);
    EXPECT_EQ(TaiSuiMarkerPlace(5).position, 0);
    EXPECT_EQ(TaiSuiMarkerPlace(3).position, 2);
    EXPECT_EQ(TaiSuiMarkerPlace(11).edge, GridEdge::Right);
    EXPECT_EQ(TaiSuiMarkerPlace(11).position, 2);
    // The marker of a branch whose home is a cardinal palace lies on that palace's side.
    EXPECT_EQ(TaiSuiMarkerPlace(7).edge, GridEdge::Top);     // У, Li
    EXPECT_EQ(TaiSuiMarkerPlace(1).edge, GridEdge::Bottom);  // Цзы, Kan
    EXPECT_EQ(TaiSuiMarkerPlace(4).edge, GridEdge::Left);    // Мао, Zhen
    EXPECT_EQ(TaiSuiMarkerPlace(10).edge, GridEdge::Right);  // Ю, Dui
}

}  // namespace
