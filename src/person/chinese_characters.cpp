// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/chinese_characters.h"

std::string StemCharacter(Stem stem) {
    if (!IsValidStem(stem)) return std::string();
    return std::string(kStemCharacters.substr((stem - 1) * kCharacterBytes, kCharacterBytes));
}

std::string BranchCharacter(Branch branch) {
    if (!IsValidBranch(branch)) return std::string();
    return std::string(kBranchCharacters.substr((branch - 1) * kCharacterBytes, kCharacterBytes));
}

std::string PillarCharacters(Pillar p) {
    return StemCharacter(p.stem) + BranchCharacter(p.branch);
}
