// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Memo of solar-term instants by (Gregorian year, TermIndex). An instant is a pure function of
// these two integers, so a remembered value is exactly the one a fresh search would give, however
// and on whichever thread it was searched.
// Get, Clear and Prefill are called from one thread at a time (the program's, or the command
// line's batch loop); Prefill itself spreads its searches over threads, each writing only the
// years it took, and returns when all are stored.
#include <array>
#include <cstddef>
#include <unordered_map>

#include "astro/solar_term_names.h"

class TermInstantCache {
public:
    // The search of one instant (dynamical time) the memo remembers.
    using Search = double (*)(int year, TermIndex k);
    explicit TermInstantCache(Search search) : search_(search) {}

    // search(year, k), searched on the first request and remembered; k outside 0..23
    // is searched every time and not remembered.
    double Get(int year, TermIndex k);
    // Searches every instant of years firstYear..lastYear not yet remembered, on up to `jobs`
    // threads, one year at a time per thread.
    void Prefill(int firstYear, int lastYear, int jobs);
    // Forgets every instant (tests and benchmarks use it to measure cold searches).
    void Clear() { years_.clear(); }
    // Number of years with at least one remembered instant.
    std::size_t YearCount() const { return years_.size(); }

private:
    using YearRow = std::array<double, 24>;  // by TermIndex; NaN where not yet searched
    // The row of a year, made (all NaN) when missing. Rows are map nodes: their addresses stay
    // valid while other rows are added.
    YearRow& Row(int year);

    Search search_;
    std::unordered_map<int, YearRow> years_;
};

// The shared memo behind TermInstant for the reckoning in force (ΔT applied: the precise one;
// switched off: the seed's), made on first use and living for the whole run. It grows
// by 24 doubles per year asked for (a few kilobytes for the years a session visits, 20 kB for a
// century).
TermInstantCache& SharedTermInstantCache();
