// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Peng Zu's hundred taboos (彭祖百忌): one saying for each stem and one for each branch, so that a
// day has two.
#include "calendar/vocabulary.h"

struct Taboo {
    const char* hanzi;    // "甲不开仓财物耗散"
    const char* russian;  // the same in Russian, without the stem or branch it is said of
};

// The saying of a day stem 1..10 and of a day branch 1..12 (out of range: the first).
const Taboo& StemTaboo(Stem stem);
const Taboo& BranchTaboo(Branch branch);
