// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/epoch_year.h"

#include "astro/moment.h"
#include "astro/solar_terms.h"

// The running year turns at "Становление весны" in zone time. (Reconciling the lunar year's turn
// against "Становление весны" and "Дождевая вода" gives the same number, except in the years whose
// lunar new year falls after "Дождевая вода" — 1985, 2034, 2053, 2072 — where it was a year short
// from 1 January to the lunar new year; the turn itself is what the number means.)
int EpochYear(Moment civil, float zoneHours) {
    const int year = YearOfMoment(civil);
    const double springBegins = TermInstant(year, 21) + static_cast<double>(zoneHours) / 24.0;
    return civil < springBegins ? year + 2636 : year + 2637;
}
