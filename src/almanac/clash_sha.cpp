// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/clash_sha.h"

#include <array>

namespace {

// The sha of each day branch 子..亥: the three branches of a frame share one side.
constexpr std::array<Direction, 12> kSha{
    Direction::S, Direction::E, Direction::N, Direction::W, Direction::S, Direction::E,
    Direction::N, Direction::W, Direction::S, Direction::E, Direction::N, Direction::W,
};

}  // namespace

Pillar ClashPillar(Pillar day) {
    // Four stems on is the element the day's element controls, and keeps the polarity; six
    // branches on is the opposite branch.
    return Pillar{(day.stem + 3) % 10 + 1, (day.branch + 5) % 12 + 1};
}

Direction ShaDirection(Branch dayBranch) {
    return kSha[IsValidBranch(dayBranch) ? dayBranch - 1 : 0];
}
