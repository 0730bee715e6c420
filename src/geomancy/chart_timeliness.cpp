#include "geomancy/chart_timeliness.h"

namespace {

// Calls f(cell, star) for each of the 45 cells.
template <typename F>
void ForEachPhaseCell(GeomanticTable& table, F f) {
    for (PalaceCells& c : table.palaces) {
        f(c.mountainLook, c.mountain);
        f(c.facingLook, c.facing);
        f(c.baseLook, c.base);
    }
    for (GateChart& gate : table.gates) {
        for (PalaceIndex p = 0; p < kPalaceCount; ++p) f(gate.looks[p], gate.stars[p]);
    }
}

}  // namespace

void Colors_Label(PhaseCell& cell, int star, int period) {
    cell.phase = StarPhaseOf(period, star);
    cell.colour = cell.phase ? PhaseColour(*cell.phase) : kBlack;
}

void Raszvet_Upadok(GeomanticTable& table, int period) {
    ForEachPhaseCell(table, [period](PhaseCell& cell, int star) { Colors_Label(cell, star, period); });
}

void HintForStars(GeomanticTable& table, int period) {
    ForEachPhaseCell(table, [period](PhaseCell& cell, int star) {
        cell.hint = StarPhaseName(StarPhaseOf(period, star));
    });
}
