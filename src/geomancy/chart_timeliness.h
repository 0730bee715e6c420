#pragma once
// Timeliness colours and hints of the 45 phase-bearing cells of a table: the mountain, facing and
// base stars of the nine palaces and the nine cells of each gate chart.
#include "geomancy/geomantic_table.h"

// One cell showing `star`: its phase under `period`, PhaseColour (black without a phase).
void Colors_Label(PhaseCell& cell, int star, int period);
// Colours all 45 cells by the current period (the year, month and day digits are left alone).
void Raszvet_Upadok(GeomanticTable& table, int period);
// Gives all 45 cells the phase name of their star under the current period as hint.
void HintForStars(GeomanticTable& table, int period);
