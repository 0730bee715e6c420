// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five-element correspondences of "Аналогии у син": a header row and one row per element.
#include <array>

constexpr int kAnalogyColumns = 8;
constexpr int kAnalogyRows = 5;

using AnalogyRow = std::array<const char*, kAnalogyColumns>;

// "У син", "Ограны инь", "Ограны ян", "Окна", "Эмоции", "Природные явления", "Цвета", "Вкус"
// (the table has always read "Ограны").
extern const AnalogyRow AnalogyHeader;
// Wood, Earth, Metal, Water, Fire: the element, then its correspondences in header order.
extern const std::array<AnalogyRow, kAnalogyRows> AnalogyTable;
