// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/gods_directions.h"

#include <array>

namespace {

using D = Direction;

// Stems 甲..癸: joy, wealth, yang noble, yin noble.
constexpr std::array<GodsDirections, 10> kGods{{
    {D::NE, D::NE, D::SW, D::NE},  // 甲
    {D::NW, D::NE, D::SW, D::N},   // 乙
    {D::SW, D::SW, D::W, D::NW},   // 丙
    {D::S, D::SW, D::NW, D::W},    // 丁
    {D::SE, D::N, D::NE, D::SW},   // 戊
    {D::NE, D::N, D::N, D::SW},    // 己
    {D::NW, D::E, D::S, D::NE},    // 庚
    {D::SW, D::E, D::NE, D::S},    // 辛
    {D::S, D::S, D::E, D::SE},     // 壬
    {D::SE, D::S, D::SE, D::E},    // 癸
}};

}  // namespace

GodsDirections GodsDirectionsOfStem(Stem dayStem) {
    return kGods[IsValidStem(dayStem) ? dayStem - 1 : 0];
}
