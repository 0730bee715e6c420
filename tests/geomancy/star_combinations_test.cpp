// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/star_combinations.h"

#include <gtest/gtest.h>

#include "geomancy/palaces.h"

namespace {

const std::string kPiercingHeart37 =
    "3-7 это \"ша пробивающее сердце\", предвещает получение ножевых ранений от грабителей или "
    "разбойников. Муж и жена будут ругаться между собой, будут официальные разбирательства и "
    "возможны также кражи из этого дама. Дети могут стать бандитами.";

PalaceStars Stars(int facing, int mountain, int base) {
    return {facing, base, mountain};
}

TEST(SpecCombes, PairsAndTriples) {
    EXPECT_EQ(SpecCombination(Stars(1, 2, 3)), "НЕТ.");
    EXPECT_EQ(SpecCombination(Stars(1, 6, 9)), "1-6 благоприятная комбинация.");
    EXPECT_EQ(SpecCombination(Stars(6, 1, 9)), "6-1 благоприятная комбинация.");
    EXPECT_EQ(SpecCombination(Stars(4, 1, 9)), "4-1 благоприятная комбинация.");
    EXPECT_EQ(SpecCombination(Stars(6, 8, 1)), "6-8 благоприятная комбинация.");
    EXPECT_EQ(SpecCombination(Stars(3, 2, 1)),
              "3-2 это \"ша бьющихся быков\", предвещает соперничество в доме, ссоры между мужем и "
              "женой, постоянные бои и отсутствие мира.");
    EXPECT_EQ(SpecCombination(Stars(8, 3, 1)).substr(0, 4), "8-3 ");
    // Facing 3, mountain 7, base 5: piercing heart (no 5-7-9 triple).
    EXPECT_EQ(SpecCombination(Stars(3, 7, 5)), kPiercingHeart37);
    EXPECT_EQ(SpecCombination(Stars(7, 3, 1)), "7-3" + kPiercingHeart37.substr(3));
    EXPECT_EQ(SpecCombination(Stars(7, 6, 1)),
              "7-6 это \"ша скрещенных мечей\", Когда эти две звезды сталкиваются в паре, тогда "
              "обнажается меч и сверкает нож. Это предвещает конфликт между сильным мужчиной и "
              "сильной женщиной, борьбу за власть, ссоры, столкновения интересов и пр.");
    // Facing 5, mountain 7, base 9: the triple even though no pair matches.
    EXPECT_EQ(SpecCombination(Stars(5, 7, 9)), "5-7-9 предвещает кровопролитие и большую беду.");
    // Whatever the order of the three stars.
    EXPECT_EQ(SpecCombination(Stars(9, 7, 5)), "5-7-9 предвещает кровопролитие и большую беду.");
    EXPECT_EQ(SpecCombination(Stars(5, 5, 2)),
              "2-5-5 предвещает смерь от болезни и появление бесов.");
    EXPECT_EQ(SpecCombination(Stars(2, 5, 5)),
              "2-5-5 предвещает смерь от болезни и появление бесов.");
    EXPECT_EQ(SpecCombination(Stars(2, 5, 2)), "НЕТ.");
    // The base star takes no part in the pairs.
    EXPECT_EQ(SpecCombination(Stars(2, 1, 3)), "НЕТ.");
}

TEST(WuShaCombes, FiveYellowMeetings) {
    const std::string kNone = "Специальные комбинации для летящей Пятерки -- НЕТ.";
    EXPECT_EQ(
        WuShaCombination(Palace::Kan, Stars(3, 7, 5)),
        "В Кань летящая звезда года Пятерка желтая соединяется в комбинации 5-3-7. Это злая "
        "сила ша, пробивающая сердце. Предвещает войны, появления разбойников, травмы четырех "
        "конечностей и прочие неприятности.");
    // Facing 7 and base 3 with a mountain star other than 3 or 7: no 5-3-7.
    EXPECT_EQ(WuShaCombination(Palace::Kan, Stars(7, 1, 3)), kNone);
    // Base 3 with mountain 7.
    EXPECT_EQ(
        WuShaCombination(Palace::Li, Stars(1, 7, 3))
            .rfind("В Ли летящая звезда года Пятерка желтая соединяется в комбинации 5-3-7.", 0),
        0u);
    EXPECT_EQ(WuShaCombination(Palace::Li, Stars(3, 1, 2)),
              "В Ли летящая звезда года Пятерка желтая соединяется в комбинации 5-3-2. Предвещает "
              "ссоры или драки в семье. Есть опасность тяжелой смерти матери.");
    EXPECT_EQ(WuShaCombination(Palace::Centre, Stars(7, 6, 1)),
              "В Центр летящая звезда года Пятерка желтая соединяется в комбинации 5-6-7. "
              "Предвещает борьбу за власть и выгоду, возможно подача в суд на человека, живущего в "
              "таком доме.");
    EXPECT_EQ(WuShaCombination(Palace::Gen, Stars(2, 1, 5)),
              "В Гэнь летящая звезда года Пятерка желтая соединяется в комбинации 5-2-5. "
              "Предвещает смерь от болезни и появление бесов.");
    EXPECT_EQ(WuShaCombination(Palace::Qian, Stars(9, 7, 1)),
              "В Цянь летящая звезда года Пятерка желтая соединяется в комбинации 5-7-9. "
              "Предвещает кровопролитие и большую беду.");
    // Two rules match (W=3, M=7 and W=3, B=2): the later one, 5-3-2, wins.
    EXPECT_NE(WuShaCombination(Palace::Kan, Stars(3, 7, 2)).find("5-3-2"), std::string::npos);
    EXPECT_EQ(WuShaCombination(Palace::Kan, Stars(1, 1, 1)), kNone);
}

TEST(StarCombinations, ReadFromTheTable) {
    GeomanticTable t;
    t.palaces[Palace::Kan].facing = 3;
    t.palaces[Palace::Kan].mountain = 7;
    t.palaces[Palace::Kan].base = 5;
    const PalaceStars s = PalaceStarsOf(t, Palace::Kan);
    EXPECT_EQ(s.facing, 3);
    EXPECT_EQ(s.base, 5);
    EXPECT_EQ(s.mountain, 7);
    EXPECT_EQ(SpecCombes(t, Palace::Kan), kPiercingHeart37);
    EXPECT_EQ(WuShaCombes(t, Palace::Kan).rfind("В Кань летящая", 0), 0u);
}

TEST(StarCombinations, SmallLookups) {
    // The mirror pairs 1–5, 2–4, 3–3, 6–9, 7–8: each star is the mirror of its mirror.
    EXPECT_EQ(MirrorStar(1), 5);
    EXPECT_EQ(MirrorStar(2), 4);
    EXPECT_EQ(MirrorStar(3), 3);
    EXPECT_EQ(MirrorStar(6), 9);
    EXPECT_EQ(MirrorStar(8), 7);
    EXPECT_EQ(MirrorStar(0), 0);
    for (int s = 1; s <= 9; ++s) EXPECT_EQ(MirrorStar(MirrorStar(s)), s) << s;
    EXPECT_EQ(PreviousStar(1), 9);
    EXPECT_EQ(PreviousStar(5), 4);
    EXPECT_TRUE(IsParentTriple(7, 1, 4));
    EXPECT_TRUE(IsParentTriple(8, 5, 2));
    EXPECT_TRUE(IsParentTriple(9, 3, 6));
    EXPECT_FALSE(IsParentTriple(1, 4, 4));
    EXPECT_FALSE(IsParentTriple(1, 5, 8));

    EXPECT_EQ(BranchPalaceLabel(1), "Цзы (Дом Кань)");
    EXPECT_EQ(BranchPalaceLabel(8), "Вэй (Дом Кунь)");
    EXPECT_EQ(BranchName(1, false), "У");
    EXPECT_EQ(BranchName(12, false), "Сы");
    // Every branch labelled with its home palace; the clashing branch is six branches on.
    for (Branch b = 1; b <= 12; ++b) {
        EXPECT_EQ(BranchPalaceLabel(b),
                  BranchName(b) + " (Дом " + PalaceName(BranchHomePalace(b)) + ")");
        EXPECT_EQ(BranchName(b, true), BranchName(b));
        EXPECT_EQ(BranchName(b, false), BranchName((b + 5) % 12 + 1));
    }
    EXPECT_EQ(BranchName(0, true), "");
    EXPECT_EQ(BranchName(13, false), "");
    EXPECT_EQ(BranchPalaceLabel(0), "");
}

}  // namespace
