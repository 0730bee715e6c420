// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The star-combination descriptions: a host star with a guest star, read in the sense of the
// 60-year cycles (the people pages) or of the flying stars of a dwelling (the combstars pages).
#include <string>

enum class CombinationKind { Cycles, FlyingStars };

// "1 белая", "2 черная", ... "9 пурпурная" for stars 1..9; empty outside.
std::string StarListCaption(int star);

// "Циклы", "Летящие звезды".
const char* CombinationKindCaption(CombinationKind kind);

// "\other\people\3-7.rtf" for the cycles, "\other\combstars\3_7.rtf" for the flying stars.
std::string CombinationPagePath(int host, int guest, CombinationKind kind);
