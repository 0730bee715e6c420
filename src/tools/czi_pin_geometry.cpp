// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/czi_pin_geometry.h"

namespace {

// By position 0..11: the mark, and the direction, for yang (forward) and yin (backward) stems.
// Going forward the pointer walks right from the middle, turns at the right end and comes back
// to the left end; going backward the turns mirror it.
constexpr std::array<int, 12> kMark = {3, 4, 5, 6, 5, 4, 3, 2, 1, 0, 1, 2};
constexpr std::array<int, 12> kYangDirection = {+1, +1, +1, -1, -1, -1, -1, -1, -1, +1, +1, +1};
constexpr std::array<int, 12> kYinDirection = {-1, -1, -1, -1, +1, +1, +1, +1, +1, +1, -1, -1};

}  // namespace

std::array<int, 7> LifeStageMarks(int w) {
    return {0, w / 6, w / 3 - 1, w / 2 - 1, (w / 3) * 2, (w / 6) * 5 + 1, w - 1};
}

LifeStagePointer LifeStagePointerOf(int position, TMyInJan direction) {
    if (position < 0 || position > 11) position = 0;
    const auto& dirs = direction == TMyInJan::cz_Jan ? kYangDirection : kYinDirection;
    return {kMark[position], dirs[position]};
}

LifeStagePicture LifeStagePictureOf(int w, int h, int position, TMyInJan direction) {
    LifeStagePicture p;
    p.left = QRect(QPoint(0, h / 2), QPoint(w / 2 - 1, h - 1));
    p.right = QRect(QPoint(w / 2 - 1, h / 2), QPoint(w - 1, h - 1));
    p.marks = LifeStageMarks(w);
    p.markTop = h / 3;
    const LifeStagePointer pointer = LifeStagePointerOf(position, direction);
    const int x = p.marks[pointer.mark];
    p.pointer = {QPoint(x, 0), QPoint(x + pointer.direction * (h / 3), h / 4), QPoint(x, h / 2)};
    return p;
}
