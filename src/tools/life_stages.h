// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve stages of life of a heavenly stem: where an earthly branch stands in the cycle that
// starts at the stem's birth branch. Yang stems run forward through the branches, yin stems back.
#include <string>

#include "calendar/vocabulary.h"

// Direction of the cycle: cz_Jan for yang stems (forward), cz_In for yin stems (backward).
enum class TMyInJan { cz_In, cz_Jan };

// Stage position 0..11 ("Купание" .. "Рождение").
enum class TCziPinParam {
    cp_1,
    cp_2,
    cp_3,
    cp_4,
    cp_5,
    cp_6,
    cp_7,
    cp_8,
    cp_9,
    cp_10,
    cp_11,
    cp_12
};

struct LifeStage {
    int position = 0;  // 0..11
    TMyInJan direction = TMyInJan::cz_Jan;
};

// The branch where the stem is born: 1 Цзя → Хай (12), 2 И → У (7), 3 Бин → Инь (3), ...
// Out-of-range stems give 0.
Branch BirthBranch(Stem stem);

// Stage of branch b in the cycle of stem s. The birth branch is position 11 ("Рождение"), the
// next branch in the stem's direction position 0 ("Купание"). Both indices must be in range.
LifeStage LifeStageOf(Stem stem, Branch branch);

// "Купание", "Воспитание", ... "Рождение" for positions 0..11; empty outside.
const std::string& LifeStageName(int position);
