// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of the life-stage scroll, in pixels of a control W wide and H high (integer
// division throughout): two coloured halves in the lower half, seven vertical marks, and a
// triangular pointer above the mark of the stage, pointing the way the cycle runs there.
#include <QPoint>
#include <QRect>
#include <array>

#include "tools/life_stages.h"

struct LifeStagePointer {
    int mark = 0;       // index of the mark x0..x6
    int direction = 1;  // +1 to the right, −1 to the left
};

struct LifeStagePicture {
    // Rectangles as corner to corner (the far corner exclusive, as drawn with a one-pixel pen).
    QRect left, right;
    std::array<int, 7> marks{};  // x0..x6
    int markTop = 0;             // the marks run from H/3 down to H
    std::array<QPoint, 3> pointer{};
};

// x0 = 0, x1 = W/6, x2 = W/3 − 1, x3 = W/2 − 1, x4 = (W/3)·2, x5 = (W/6)·5 + 1, x6 = W − 1.
std::array<int, 7> LifeStageMarks(int width);

// Mark and direction of the pointer for a stage position 0..11 (out of range: position 0).
LifeStagePointer LifeStagePointerOf(int position, TMyInJan direction);

LifeStagePicture LifeStagePictureOf(int width, int height, int position, TMyInJan direction);
