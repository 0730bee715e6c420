// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/phase_legend.h"

const std::array<PhaseLegendRow, 5> PhaseLegendTable{{
    {"Расцвет (Ван)", StarPhase::Prosperity},
    {"Порождение (Шэн)", StarPhase::Growth},
    {"Отступление (Туй)", StarPhase::Retreat},
    {"Разрушение (Ша)", StarPhase::Destruction},
    {"Смерть (Сы)", StarPhase::Death},
}};
