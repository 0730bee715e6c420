#include "geomancy/table_visibility.h"

#include "geomancy/flying_chart.h"

void VisibleFalse(GeomanticTable& table) {
    table.cellsVisible = false;
    table.taiSuiBranch = 0;
    table.flyingTaiSuiYear.reset();
    table.flyingTaiSuiMonth.reset();
    table.shaYear.reset();
    table.shaMonth.reset();
}

void CloseTable(GeomanticTable& table) {
    table.interpretEnabled = false;
    VisibleFalse(table);
    UnColorRegt(table);
}
