// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/void_branches.h"

#include "person/cycle_wrap.h"

VoidPair VoidBranchesOf(Pillar pillar) {
    // The decade begins with 甲 on the branch (stem − 1) places back; the two branches before
    // that beginning are the ones its ten days never reach.
    const Branch decadeStart = WrapBranch(pillar.branch - (pillar.stem - 1));
    return VoidPair{WrapBranch(decadeStart - 2), WrapBranch(decadeStart - 1)};
}
