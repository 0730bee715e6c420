// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The legend of the five star phases: the caption of each phase with its Chinese name, in the
// order the legend lists them. The colours are the phase colours of the geomantic table.
#include <array>

#include "geomancy/star_phase.h"

struct PhaseLegendRow {
    const char* caption;  // "Расцвет (Ван)"
    StarPhase phase;
};

extern const std::array<PhaseLegendRow, 5> PhaseLegendTable;
