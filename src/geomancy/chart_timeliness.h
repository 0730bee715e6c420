// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Timeliness of the 45 phase-bearing cells of a table: the mountain, facing and base stars of the
// nine palaces and the nine cells of each gate chart.
#include "geomancy/geomantic_table.h"

// Sets the phase of all 45 cells under `period` (the year, month and day digits have none). The
// window colours each cell by its phase and shows the phase name as its hint.
void SetCellPhases(GeomanticTable& table, int period);
