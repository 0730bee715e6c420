// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/chinese_characters.h"

#include <string_view>

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

namespace {

// The stem (positive) or branch (negative) number of the character at `i`, 0 for another one.
int StemOrBranchAt(const std::string& s, std::size_t i) {
    const std::string_view c(s.data() + i, kCharacterBytes);
    const auto stem = kStemCharacters.find(c);
    if (stem != std::string_view::npos && stem % kCharacterBytes == 0)
        return static_cast<int>(stem / kCharacterBytes) + 1;
    const auto branch = kBranchCharacters.find(c);
    if (branch != std::string_view::npos && branch % kCharacterBytes == 0)
        return -(static_cast<int>(branch / kCharacterBytes) + 1);
    return 0;
}

// The lead byte of a three-byte UTF-8 sequence in the CJK blocks (U+3000 and up).
bool IsCjkLead(unsigned char c) {
    return c >= 0xE3 && c <= 0xE9;
}

void Replace(std::string& s, const std::string& what, const std::string& with) {
    for (std::size_t at; (at = s.find(what)) != std::string::npos;)
        s.replace(at, what.size(), with);
}

}  // namespace

std::string InSyllables(const std::string& line) {
    std::string out;
    bool afterName = false;  // the last thing written was a syllable
    for (std::size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (!IsCjkLead(c) || i + kCharacterBytes > line.size()) {
            out += line[i++];
            afterName = false;
            continue;
        }
        const int here = StemOrBranchAt(line, i);
        i += kCharacterBytes;
        if (here == 0) continue;
        if (here > 0) {
            if (afterName) out += ' ';
            out += StemName(here);
            const bool pairFollows =
                i + kCharacterBytes <= line.size() && StemOrBranchAt(line, i) < 0;
            if (pairFollows) {
                out += '-' + BranchName(-StemOrBranchAt(line, i));
                i += kCharacterBytes;
            }
        } else {
            if (afterName) out += ' ';
            out += BranchName(-here);
        }
        afterName = true;
    }
    Replace(out, "()", "");
    Replace(out, "  ", " ");
    Replace(out, " :", ":");
    Replace(out, " )", ")");
    while (!out.empty() && out.front() == ' ') out.erase(0, 1);
    return out;
}
