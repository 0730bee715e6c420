// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/trigram_drawing.h"

namespace {

// Bar tops; each bar is 8 pixels high.
constexpr std::array<int, 3> kBarTop = {0, 16, 32};
constexpr int kBarHeight = 8;
// A broken bar: x 0..20 and x 30..50.
constexpr int kPieceWidth = 20;
constexpr int kSecondPiece = 30;

}  // namespace

std::array<bool, 3> TrigramBars(int number) {
    // The numbering is that of the early-heaven order: 1 minus the number, in binary, gives the
    // bars from the top, a set bit marking a broken bar (Цянь 000, Дуй 001 ... Кунь 111).
    if (number < 1 || number > 8) return {true, true, true};
    const int broken = number - 1;
    return {(broken & 1) == 0, (broken & 2) == 0, (broken & 4) == 0};
}

std::vector<QRect> TrigramRectangles(int number) {
    std::vector<QRect> rects;
    const auto bars = TrigramBars(number);
    for (int i = 0; i < 3; ++i) {
        if (bars[i]) {
            rects.emplace_back(0, kBarTop[i], kTrigramWidth, kBarHeight);
        } else {
            rects.emplace_back(0, kBarTop[i], kPieceWidth, kBarHeight);
            rects.emplace_back(kSecondPiece, kBarTop[i], kTrigramWidth - kSecondPiece, kBarHeight);
        }
    }
    return rects;
}
