// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geomantic tables for the report tests: computed by the table engine for a dwelling and a
// calculation moment (zone GMT+3, no summer shift), or laid out star by star.
#include <string>

#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "geomancy/table_computation.h"
#include "support/locale_guard.h"

// The table of a dwelling facing `azimuth`, built or moved into on `tableDate`, computed for the
// civil moment `at`.
inline GeomanticTable ComputedTable(int azimuth, Moment tableDate, Moment at) {
    const TimeSettings settings;
    const CurrentMoment moment = ComputeMomentCalendar(at, settings).moment;
    GeomanticTable table;
    ComputeTable(table, TableInputs::ForAzimuth(azimuth, tableDate),
                 TablePeriod(tableDate, settings.zoneHours()), moment);
    return table;
}

// The dwelling of most report tests: facing north, built 2004-06-01 (period 8), read on
// 2024-06-01 at noon.
inline const GeomanticTable& NorthPeriod8Table() {
    static const GeomanticTable table =
        ComputedTable(0, EncodeMoment(2004, 6, 1, 12, 0, 0), EncodeMoment(2024, 6, 1, 12, 0, 0));
    return table;
}

// One palace's stars: mountain, facing, base.
struct MFB {
    int mountain, facing, base;
};

// A table with the given stars in the palaces (by PalaceIndex), everything else as computed for
// nothing: no time layers, no gates.
inline GeomanticTable LaidOutTable(int azimuth, const std::array<MFB, 9>& palaces) {
    GeomanticTable table;
    table.azimuth = azimuth;
    for (int p = 0; p < 9; ++p) {
        table.palaces[p].mountain = palaces[p].mountain;
        table.palaces[p].facing = palaces[p].facing;
        table.palaces[p].base = palaces[p].base;
    }
    return table;
}
