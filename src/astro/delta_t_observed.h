// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Observed ΔT (TT − UT), seconds, every half year from 1900: entry i is the value on
// 1 January (even i) or 1 July (odd i) of year kObservedDeltaTFirstYear + i / 2. The table is
// generated (see delta_t_observed_generated.cpp for its source).

constexpr int kObservedDeltaTFirstYear = 1900;
constexpr int kObservedDeltaTCount = 247;
extern const double kObservedDeltaT[kObservedDeltaTCount];
