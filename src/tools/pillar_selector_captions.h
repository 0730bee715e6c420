// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Item captions of the stem and branch lists of the relations window: the calendar captions
// without the trailing ", " of a stem, the element of water written in lower case as these
// lists have always shown it ("Гуй (вода-инь)", "Цзы (вода-ян)").
#include <string>

#include "calendar/vocabulary.h"

// "Цзя (Дерево-ян)" ... "Гуй (вода-инь)"; empty outside 1..10.
const std::string& StemSelectorCaption(Stem stem);
// "Цзы (вода-ян)" ... "Хай (вода-инь)"; empty outside 1..12.
const std::string& BranchSelectorCaption(Branch branch);
