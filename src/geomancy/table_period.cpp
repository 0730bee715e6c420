// SPDX-License-Identifier: GPL-3.0-or-later
// The table period from the calendar; apart from the computation so that the chart rules build
// and test on their own.
#include "calendar/epoch_year.h"
#include "calendar/nine_stars.h"
#include "geomancy/table_computation.h"

int TablePeriod(Moment tableDate, float zoneHours) {
    return SmallCycleStar(EpochYear(tableDate, zoneHours));
}

bool ComputeTable(GeomanticTable& table, const TableInputs& inputs, const CurrentMoment& moment,
                  float zoneHours) {
    return ComputeTable(table, inputs, TablePeriod(inputs.tableDate, zoneHours), moment);
}
