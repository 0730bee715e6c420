// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Timeliness of a star in a twenty-year period: prosperity, growth, death, destruction or retreat.
#include <optional>
#include <string>

#include "geomancy/chart_colour.h"

enum class StarPhase {
    Prosperity = 0,   // "Расцвет"
    Growth = 1,       // "Порождение"
    Death = 2,        // "Смерть"
    Destruction = 3,  // "Разрушение"
    Retreat = 4,      // "Отступление"
};

// Phase of a star 1..9 in a period 1..9, with d = (star − period) mod 9: 0 prosperity, 1–2
// growth, 3–4 destruction, 5–7 death, 8 retreat. std::nullopt when either is outside 1..9.
std::optional<StarPhase> StarPhaseOf(int period, int star);

// "Расцвет", "Порождение", "Смерть", "Разрушение", "Отступление" for 0..4; "" for any other value.
std::string StarPhaseName(int phase);
inline std::string StarPhaseName(StarPhase phase) {
    return StarPhaseName(static_cast<int>(phase));
}
// Name of an optional phase ("" for none): the hint of a chart cell.
std::string StarPhaseName(std::optional<StarPhase> phase);

// Colour of a phase: 0,128,255 / 0,128,0 / 210,0,0 / 128,0,128 / 128,128,128.
Rgb PhaseColour(StarPhase phase);

// The phase sentences placed after the report's lead-in words ("... в фазе " + sentence); each
// starts with the phase in the genitive. "" when the star has no phase.
std::string GatePhaseText(int period, int star);
std::string FacingPhaseText(int period, int star);
std::string MountainPhaseText(int period, int star);
