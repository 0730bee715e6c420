// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 24 solar terms: the Sun's longitude of each, its name, its ordinal from "Становление весны"
// and the solar month (by branch) it lies in. Names are UTF-8, exactly as the user sees them.
#include <array>
#include <string>

using TermIndex = int;    // 0..23, the Sun at 15·k degrees; 0 = spring equinox
using TermOrdinal = int;  // 1..24, 1 = "Становление весны"
using MonthBranch = int;  // 1..12

struct TermInfo {
    int longitude;  // degrees
    TermOrdinal ordinal;
    const char* name;             // "Весеннее равноденствие", ...
    MonthBranch monthBranch;      // the solar month the term lies in
    const char* seasonMonthName;  // "Середина весны", ...
};

extern const std::array<TermInfo, 24> TermTable;  // by TermIndex

const TermInfo& TermOf(TermIndex k);
TermOrdinal TermOrdinalOfIndex(TermIndex k);  // ((k + 3) mod 24) + 1
// TermOrdinal of a term name by exact, case-sensitive comparison; 0 for any other text.
TermOrdinal TermOrdinalOfName(const std::string& name);
// TermIndex of a term name; -1 for any other text.
TermIndex TermIndexOfName(const std::string& name);
// True for the month-opening terms (odd k).
inline bool IsMonthOpeningTerm(TermIndex k) {
    return k % 2 != 0;
}
