// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far a typed name is from a known one: the letters wrong, missing, extra or swapped with a
// neighbour (restricted Damerau-Levenshtein). Place names and time-zone ids are matched by it.
#include <string>

// The edits from a to b, or bound + 1 as soon as they are sure to exceed `bound`.
int EditsWithin(const std::u32string& a, const std::u32string& b, int bound);
