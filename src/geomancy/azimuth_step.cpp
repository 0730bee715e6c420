// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/azimuth_step.h"

int StepAzimuth(int azimuth, int steps) {
    constexpr int kPositions = 361;  // 0..360 inclusive
    const int moved = (azimuth + steps) % kPositions;
    return moved < 0 ? moved + kPositions : moved;
}
