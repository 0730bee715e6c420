#pragma once
// What the table window shows of a computed table, as the window is closed. (The computation
// itself shows the chart: Raschet sets every layer it draws.)
#include "geomancy/geomantic_table.h"

// Hides every chart cell, gate cell and palace button, the Tai Sui marker, the Three Killings
// bars and the flying Tai Sui pictures. The stars themselves stay in the record.
void VisibleFalse(GeomanticTable& table);

// The table as the window closes: the interpretation commands are disabled, the chart is hidden
// (VisibleFalse) and the frames are reset (UnColorRegt).
void CloseTable(GeomanticTable& table);
