// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/chart_timeliness.h"

void SetCellPhases(GeomanticTable& table, int period) {
    for (PalaceCells& c : table.palaces) {
        c.mountainPhase = StarPhaseOf(period, c.mountain);
        c.facingPhase = StarPhaseOf(period, c.facing);
        c.basePhase = StarPhaseOf(period, c.base);
    }
    for (GateChart& gate : table.gates) {
        for (PalaceIndex p = 0; p < kPalaceCount; ++p)
            gate.phases[p] = StarPhaseOf(period, gate.stars[p]);
    }
}
