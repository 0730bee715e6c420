// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The relation of the two stars of a palace by their elements (1 Water; 2, 5, 8 Earth; 3, 4 Wood;
// 6, 7 Metal; 9 Fire), X being the first and Y the second star.
#include <optional>
#include <string>

// "Гармоническое согласие. Счастье" (same element), "Порождение на выходе. Несчастье" (X produces
// Y), "Порождение на входе. Cчастье" (Y produces X), "Преодоление на выходе. Несчастье" (X controls
// Y), "Преодоление на входе. Cчастье" (Y controls X). The two "на входе" texts begin their last
// word with a Latin capital C, as the program has always written them. std::nullopt when either
// star is outside 1..9 (no paragraph is written then).
std::optional<std::string> StarRelation(int x, int y);
