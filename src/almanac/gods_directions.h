// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the gods stand on a day, by its stem: the god of joy (喜神), of wealth (财神) and the yang
// and yin noble ones (阳贵, 阴贵).
#include "almanac/almanac_names.h"
#include "calendar/vocabulary.h"

struct GodsDirections {
    Direction joy = Direction::N;
    Direction wealth = Direction::N;
    Direction yangNoble = Direction::N;
    Direction yinNoble = Direction::N;
};

// The four directions of a day stem (out of range: those of 甲).
GodsDirections GodsDirectionsOfStem(Stem dayStem);
