// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Na Yin: the element image of a stem-branch pair of the sixty-fold cycle. The pairs (1, 2),
// (3, 4), ... (59, 60) share one image; each text carries the pair's own number in parentheses.
#include <string>

#include "calendar/vocabulary.h"

// The Na Yin text of (stem, branch): "Металл в море (1)", "Металл в море (2)", ...; for a pair of
// unlike parity (no sexagenary number) "Парная комбинация отсутствует". The text of number 49 is
// "Тутовое дерево", without its number, as it has always been written.
std::string NaYinText(Stem stem, Branch branch);

extern const char* const kNoPairCombination;  // "Парная комбинация отсутствует"
