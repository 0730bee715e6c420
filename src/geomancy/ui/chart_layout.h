// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the palaces stand on the screen chart, south at the top (top row Xun, Li, Kun; middle row
// Zhen, centre, Dui; bottom row Gen, Kan, Qian), and the compass captions around the grid.
#include <string>

#include "geomancy/palaces.h"
#include "geomancy/time_stars.h"

struct GridPlace {
    int row = 0;     // 0..2, 0 at the top (south)
    int column = 0;  // 0..2, 0 at the left (east)
    bool operator==(const GridPlace& o) const { return row == o.row && column == o.column; }
};

// Grid place of a palace (PalaceIndex 0..8); the gate grids use the same places.
GridPlace PalaceGridPlace(PalaceIndex palace);
// The palace at a grid place (row and column 0..2).
PalaceIndex PalaceAtGridPlace(int row, int column);

// Compass caption beside the grid: top "ЮВ", "Ю", "ЮЗ" and bottom "СВ", "С", "СЗ" (left to
// right), left "В" and right "З" beside the middle row; "" for the other places of the sides.
// `position` 0..2 as in MarkerPlace.
std::string CompassCaption(GridEdge edge, int position);
