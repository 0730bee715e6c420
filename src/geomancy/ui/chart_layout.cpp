// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/chart_layout.h"

#include <array>

namespace {

// Rows top to bottom, columns left to right.
constexpr std::array<std::array<PalaceIndex, 3>, 3> kGrid = {{
    {Palace::Xun, Palace::Li, Palace::Kun},
    {Palace::Zhen, Palace::Centre, Palace::Dui},
    {Palace::Gen, Palace::Kan, Palace::Qian},
}};

}  // namespace

GridPlace PalaceGridPlace(PalaceIndex palace) {
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            if (kGrid[row][column] == palace) return {row, column};
    return {1, 1};
}

PalaceIndex PalaceAtGridPlace(int row, int column) {
    return kGrid[row][column];
}

std::string CompassCaption(GridEdge edge, int position) {
    static const std::array<const char*, 3> kTop = {"ЮВ", "Ю", "ЮЗ"};
    static const std::array<const char*, 3> kBottom = {"СВ", "С", "СЗ"};
    if (position < 0 || position > 2) return "";
    switch (edge) {
        case GridEdge::Top: return kTop[position];
        case GridEdge::Bottom: return kBottom[position];
        case GridEdge::Left: return position == 1 ? "В" : "";
        case GridEdge::Right: return position == 1 ? "З" : "";
    }
    return "";
}
