#pragma once
// Memo of solar-term instants by (Gregorian year, TermIndex). An instant is a pure function of
// these two integers, so a remembered value is exactly the one a fresh search would give.
// Single-threaded use only (the program and the command line compute on one thread).
#include <array>
#include <cstddef>
#include <unordered_map>

#include "astro/solar_term_names.h"

class TermInstantCache {
public:
    // TermInstantUncached(year, k), searched on the first request and remembered; k outside 0..23
    // is searched every time and not remembered.
    double Get(int year, TermIndex k);
    // Forgets every instant (tests and benchmarks use it to measure cold searches).
    void Clear() { years_.clear(); }
    // Number of years with at least one remembered instant.
    std::size_t YearCount() const { return years_.size(); }

private:
    // The 24 instants of a year; NaN where not yet searched.
    std::unordered_map<int, std::array<double, 24>> years_;
};

// The one shared memo behind TermInstant, made on first use and living for the whole run. It grows
// by 24 doubles per year asked for (a few kilobytes for the years a session visits, 20 kB for a
// century).
TermInstantCache& SharedTermInstantCache();
