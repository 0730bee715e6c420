// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/star_relation.h"

#include <array>

namespace {

// Elements in the order of production: Wood -> Fire -> Earth -> Metal -> Water -> Wood.
enum Element { Wood = 0, Fire = 1, Earth = 2, Metal = 3, Water = 4 };

Element ElementOfStar(int star) {
    static const std::array<Element, 9> kByStar = {Water, Earth, Wood,  Wood, Earth,
                                                   Metal, Metal, Earth, Fire};
    return kByStar[star - 1];
}

bool Produces(Element a, Element b) {
    return (a + 1) % 5 == b;
}
// Control skips one step of production: Wood -> Earth -> Water -> Fire -> Metal -> Wood.
bool Controls(Element a, Element b) {
    return (a + 2) % 5 == b;
}

}  // namespace

std::optional<std::string> StarRelation(int x, int y) {
    if (x < 1 || x > 9 || y < 1 || y > 9) return std::nullopt;
    const Element a = ElementOfStar(x), b = ElementOfStar(y);
    if (a == b) return "Гармоническое согласие. Счастье";
    if (Produces(a, b)) return "Порождение на выходе. Несчастье";
    if (Produces(b, a)) return "Порождение на входе. Cчастье";
    if (Controls(a, b)) return "Преодоление на выходе. Несчастье";
    return "Преодоление на входе. Cчастье";
}
