// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden stems (скрытые стволы, 藏干) of an earthly branch: the stems whose qi the branch
// holds, the main one first.
#include <array>

#include "calendar/vocabulary.h"

struct HiddenStems {
    std::array<Stem, 3> stems{};
    int count = 0;
    const Stem* begin() const { return stems.data(); }
    const Stem* end() const { return stems.data() + count; }
    Stem main() const { return stems[0]; }
};

// The traditional table; an out-of-range branch holds none.
const HiddenStems& HiddenStemsOf(Branch branch);
