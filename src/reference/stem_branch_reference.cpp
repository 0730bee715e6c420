// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/stem_branch_reference.h"

#include <array>

namespace {

constexpr std::array<const char*, 10> kStemCaptions{
    "Цзя (Дерево-ян)", "И (Дерево-инь)",  "Бин (Огонь-ян)",    "Дин (Огонь-инь)", "У (Почва-ян)",
    "Цзи (Почва-инь)", "Гэн (Металл-ян)", "Синь (Металл-инь)", "Жэнь (Вода-ян)",  "Гуй (Вода-инь)",
};

constexpr std::array<const char*, 12> kBranchCaptions{
    "Цзы (крыса, 23-1, Вода-ян)",        "Чоу (бык, 1-3, Почва-инь)",
    "Инь (тигр, 3-5, Дерево-ян)",        "Мао (кролик, 5-7, Дерево-инь)",
    "Чэнь (дракон, 7-9, Почва-ян)",      "Сы (змея, 9-11, Огонь-инь)",
    "У (лошадь, 11-13, Огонь-ян)",       "Вэй (овца, 13-15, Земля-инь)",
    "Шэнь (обезьяна, 15-17, Металл-ян)", "Ю (петух, 17-19, Металл-инь)",
    "Сюй (собака, 19-21, Земля-ян)",     "Хай (свинья, 21-23, Вода-инь)",
};

struct OrganText {
    const char* first;
    const char* second;  // nullptr: one organ only
};

constexpr std::array<OrganText, 10> kOrgans{{
    {"Желчный пузырь", nullptr},
    {"Печень", nullptr},
    {"Тонкий кишечник", "Тройной обогреватель"},
    {"Сердце", nullptr},
    {"Желудок", nullptr},
    {"Селезенка", nullptr},
    {"Толстый кишечник", nullptr},
    {"Легкие", nullptr},
    {"Мочевой пузырь", nullptr},
    {"Почки", nullptr},
}};

struct MeridianText {
    const char* name;
    const char* channel;
};

constexpr std::array<MeridianText, 12> kMeridians{{
    {"Меридиан желчного пузыря", "Малый ян на ноге"},
    {"Меридиан печени", "Недостаточный инь на ноге"},
    {"Меридиан легких", "Сверхинь на руке"},
    {"Меридиан толстого кишечника", "Светлый ян на руке"},
    {"Меридиан желудка", "Светлый ян на ноге"},
    {"Меридиан селезенки", "Сверхинь на ноге"},
    {"Меридиан сердца", "Малый инь на руке"},
    {"Меридиан тонкого кишечника", "Сверх ян на руке"},
    {"Меридиан мочевого пузыря", "Сверхян на ноге"},
    {"Меридиан почек", "Малый инь на ноге"},
    {"Меридиан перикарда", "Недостаточный инь на руке"},
    {"Меридиан тройного обогревателя", "Малый ян на руке"},
}};

}  // namespace

Rgb ElementTextColour(Element e) {
    switch (e) {
        case Element::Wood: return {0, 128, 128};
        case Element::Fire: return {128, 0, 0};
        case Element::Earth: return {128, 128, 0};
        case Element::Metal: return {128, 128, 128};
        case Element::Water: return {0, 0, 0};
    }
    return {0, 0, 0};
}

std::string StemTableCaption(Stem stem) {
    return IsValidStem(stem) ? kStemCaptions[static_cast<std::size_t>(stem - 1)] : "";
}

std::string BranchTableCaption(Branch branch) {
    return IsValidBranch(branch) ? kBranchCaptions[static_cast<std::size_t>(branch - 1)] : "";
}

std::vector<std::string> OrganOfStem(Stem stem) {
    if (!IsValidStem(stem)) return {};
    const OrganText& o = kOrgans[static_cast<std::size_t>(stem - 1)];
    if (o.second) return {o.first, o.second};
    return {o.first};
}

Meridian MeridianOfBranch(Branch branch) {
    if (!IsValidBranch(branch)) return {};
    const MeridianText& m = kMeridians[static_cast<std::size_t>(branch - 1)];
    return {m.name, m.channel};
}
