// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of a trigram in a 50 × 40 pixel box: three black bars, top to bottom, each 8
// pixels high with 8 pixels between them; a solid (yang) bar spans the width, a broken (yin) bar
// is two pieces with a gap in the middle.
#include <QRect>
#include <array>
#include <vector>

inline constexpr int kTrigramWidth = 50;
inline constexpr int kTrigramHeight = 40;

// Solid (true) or broken (false) bars from top to bottom, for trigram numbers 1..8
// (1 Цянь, 2 Дуй, 3 Ли, 4 Чжэнь, 5 Сюнь, 6 Кань, 7 Гэнь, 8 Кунь). Out of range: all solid.
std::array<bool, 3> TrigramBars(int number);

// The filled rectangles of a trigram in the 50 × 40 box.
std::vector<QRect> TrigramRectangles(int number);
