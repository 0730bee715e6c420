// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Void (Пустота, 空亡): ten stems pair with ten of the twelve branches in each ten-day decade of
// the sixty; the two branches the decade of a pillar leaves out are void for it.
#include "calendar/vocabulary.h"

struct VoidPair {
    Branch first = 0;
    Branch second = 0;
    bool contains(Branch b) const { return b == first || b == second; }
};

// The void branches of the decade `pillar` belongs to (甲子 … 癸酉 leaves out 戌 and 亥). The
// pillar must be a pair of the sixty (stem and branch of like parity).
VoidPair VoidBranchesOf(Pillar pillar);
