// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole computation of a geomantic table ("Внутренний знак"), in its fixed order.
#include "astro/julian_day.h"
#include "calendar/current_moment.h"
#include "geomancy/compass.h"
#include "geomancy/geomantic_table.h"

// What the user has set in the table window.
struct TableInputs {
    double azimuth = 0;                  // degrees 0..360, to a tenth
    Moment tableDate = 0;                // date of construction or moving in (day count)
    MountainIndex facingMountain = 1;    // selection of "Вода:" (-1: none)
    MountainIndex sittingMountain = 13;  // selection of "Гора:" (-1: none)

    // Inputs with both mountains selected as the azimuth gives them.
    static TableInputs ForAzimuth(double azimuth, Moment tableDate);
};

// Computes the table for the inputs, the table period (1..9, the period of the table date) and
// the calculation moment as the main window last computed it (current period, year, month and day
// stars, year and month branches, civil moment). Formats nothing: the captions and dates shown
// with the table are made from it by its readers. Returns false and changes nothing for an
// azimuth outside 0..360 or a period outside 1..9; a star or branch of the moment out of range
// leaves only its own layer unchanged.
bool ComputeTable(GeomanticTable& table, const TableInputs& inputs, int tablePeriod,
                  const CurrentMoment& moment);

// Period 1..9 of a table date: the small-cycle star of its epoch year, the year turning in the
// zone of the settings (`zoneHours`).
int TablePeriod(Moment tableDate, float zoneHours);

// ComputeTable with the table period derived from the table date.
bool ComputeTable(GeomanticTable& table, const TableInputs& inputs, const CurrentMoment& moment,
                  float zoneHours);
