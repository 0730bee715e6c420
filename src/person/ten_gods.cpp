// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ten_gods.h"

TenGod TenGodOf(Stem dayStem, Stem stem) {
    // Elements are numbered in the generating order (Wood, Fire, Earth, Metal, Water): one step
    // on is what an element produces, two steps on what it controls.
    const int step =
        (static_cast<int>(StemElement(stem)) - static_cast<int>(StemElement(dayStem)) + 5) % 5;
    const bool samePolarity = StemPolarity(stem) == StemPolarity(dayStem);
    // By step: 0 the same, 1 produced by the day master, 2 controlled by it, 3 controlling it,
    // 4 producing it; each relation has its same-polarity god first.
    const int god = 2 * step + (samePolarity ? 0 : 1);
    return static_cast<TenGod>(god);
}
