// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The replacement charts: for an azimuth in the outer four degrees of its mountain the centre
// stars, their directions and an optional remark come from this fixed table (one entry per facing
// mountain and construction period, serving both outer zones of the mountain).
#include <array>
#include <string>

#include "geomancy/compass.h"

struct ReplacementEntry {
    int mountainStar;      // centre star of the mountain-star chart, 1..9
    bool mountainForward;  // true: ascending flight
    int facingStar;        // centre star of the facing-star chart, 1..9
    bool facingForward;
    int remark;  // 1..29, 0 for none
};

constexpr int kRemarkCount = 29;

// The entry of a facing mountain (0..23) and a table period (1..9).
const ReplacementEntry& ReplacementOf(MountainIndex facing, int period);

// Remark text C1..C29 shown as the chart comment; "" for any other number.
std::string ChartRemark(int number);
