// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/star_combinations.h"

#include <algorithm>
#include <array>

namespace {

using Pair = std::pair<int, int>;

std::string PairText(int w, int m) {
    return std::to_string(w) + "-" + std::to_string(m);
}

bool IsPermutationOf(std::array<int, 3> stars, std::array<int, 3> pattern) {
    std::sort(stars.begin(), stars.end());
    std::sort(pattern.begin(), pattern.end());
    return stars == pattern;
}

bool OneOf(const Pair& p, std::initializer_list<Pair> pairs) {
    return std::find(pairs.begin(), pairs.end(), p) != pairs.end();
}

struct FiveYellowRule {
    // Any of the four conditions matches: (W, M), (M, W) as (first, second) of W/M, (B, M), (W, B).
    int first, second;
    const char* text;
};

const std::array<FiveYellowRule, 5> kFiveYellowRules = {{
    {3, 7,
     " летящая звезда года Пятерка желтая соединяется в комбинации 5-3-7. Это злая сила ша, "
     "пробивающая сердце. Предвещает войны, появления разбойников, травмы четырех конечностей и "
     "прочие неприятности."},
    {3, 2,
     " летящая звезда года Пятерка желтая соединяется в комбинации 5-3-2. Предвещает ссоры или "
     "драки в семье. Есть опасность тяжелой смерти матери."},
    {6, 7,
     " летящая звезда года Пятерка желтая соединяется в комбинации 5-6-7. Предвещает борьбу за "
     "власть и выгоду, возможно подача в суд на человека, живущего в таком доме."},
    {2, 5,
     " летящая звезда года Пятерка желтая соединяется в комбинации 5-2-5. Предвещает смерь от "
     "болезни и появление бесов."},
    {7, 9,
     " летящая звезда года Пятерка желтая соединяется в комбинации 5-7-9. Предвещает "
     "кровопролитие и большую беду."},
}};

}  // namespace

PalaceStars PalaceStarsOf(const GeomanticTable& table, PalaceIndex palace) {
    const PalaceCells& c = table.palaces[palace];
    return {c.facing, c.base, c.mountain};
}

std::string SpecCombination(const PalaceStars& s) {
    const int w = s.facing, m = s.mountain, b = s.base;
    const Pair wm{w, m};
    std::string text = "НЕТ.";
    if (OneOf(wm, {{1, 6}, {6, 1}, {1, 4}, {4, 1}, {8, 6}, {6, 8}})) {
        text = PairText(w, m) + " благоприятная комбинация.";
    }
    if (OneOf(wm, {{3, 2}, {2, 3}, {3, 8}, {8, 3}})) {
        text = PairText(w, m) +
               " это \"ша бьющихся быков\", предвещает соперничество в доме, ссоры между мужем и "
               "женой, постоянные бои и отсутствие мира.";
    }
    if (OneOf(wm, {{3, 7}, {7, 3}})) {
        text = PairText(w, m) +
               " это \"ша пробивающее сердце\", предвещает получение ножевых ранений от грабителей "
               "или разбойников. Муж и жена будут ругаться между собой, будут официальные "
               "разбирательства и возможны также кражи из этого дама. Дети могут стать бандитами.";
    }
    if (OneOf(wm, {{7, 6}, {6, 7}})) {
        text = PairText(w, m) +
               " это \"ша скрещенных мечей\", Когда эти две звезды сталкиваются в паре, тогда "
               "обнажается меч и сверкает нож. Это предвещает конфликт между сильным мужчиной и "
               "сильной женщиной, борьбу за власть, ссоры, столкновения интересов и пр.";
    }
    if (IsPermutationOf({w, m, b}, {2, 5, 5})) {
        text = "2-5-5 предвещает смерь от болезни и появление бесов.";
    }
    if (IsPermutationOf({w, m, b}, {5, 7, 9})) {
        text = "5-7-9 предвещает кровопролитие и большую беду.";
    }
    return text;
}

std::string SpecCombes(const GeomanticTable& table, PalaceIndex palace) {
    return SpecCombination(PalaceStarsOf(table, palace));
}

std::string WuShaCombination(PalaceIndex palace, const PalaceStars& s) {
    const int w = s.facing, m = s.mountain, b = s.base;
    const char* match = nullptr;
    for (const FiveYellowRule& r : kFiveYellowRules) {
        const int x = r.first, y = r.second;
        if ((w == x && m == y) || (m == x && w == y) || (b == x && m == y) || (w == x && b == y)) {
            match = r.text;
        }
    }
    if (match == nullptr) return "Специальные комбинации для летящей Пятерки -- НЕТ.";
    return "В " + PalaceName(palace) + match;
}

std::string WuShaCombes(const GeomanticTable& table, PalaceIndex palace) {
    return WuShaCombination(palace, PalaceStarsOf(table, palace));
}

int MirrorStar(int star) {
    static const std::array<int, 9> kMirror = {5, 4, 3, 2, 1, 9, 8, 7, 6};
    return star >= 1 && star <= 9 ? kMirror[star - 1] : 0;
}

int PreviousStar(int star) {
    return star == 1 ? 9 : star - 1;
}

bool IsParentTriple(int a, int b, int c) {
    return IsPermutationOf({a, b, c}, {1, 4, 7}) || IsPermutationOf({a, b, c}, {2, 5, 8}) ||
           IsPermutationOf({a, b, c}, {3, 6, 9});
}

std::string BranchName(Branch branch, bool own) {
    if (!IsValidBranch(branch)) return "";
    return BranchName(own ? branch : (branch + 5) % 12 + 1);
}

std::string BranchPalaceLabel(Branch branch) {
    if (!IsValidBranch(branch)) return "";
    return BranchName(branch) + " (Дом " + PalaceName(BranchHomePalace(branch)) + ")";
}
