// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's inputs as the user edits them: the azimuth box with its text rules, the two
// mountain lists kept consistent with it, and the status line.
#include <QLocale>
#include <optional>
#include <string>

#include "astro/julian_day.h"
#include "geomancy/compass.h"

// The azimuth box after its text changed.
struct AzimuthBox {
    std::string text;            // the text as typed
    std::string hint;            // why the text is no azimuth; empty when it is one
    double azimuth = 0;          // degrees 0..360 to a tenth (of a valid text)
    bool normalZone = true;      // InNormalZone: false in a mountain's outer degrees (replacement)
    MountainIndex facing = 1;    // selection of the facing list ("Вода:")
    MountainIndex sitting = 13;  // selection of the sitting list ("Гора:")
};

// Reads the text of the box: degrees 0..360 with at most one decimal after a point or a comma
// ("187", "187,5", "187.5", "7."). Anything else keeps the text as typed and gives a hint
// instead: a sign, an exponent, letters, more than a tenth, a value outside 0..360 — no text is
// read as another azimuth than the one written. With an azimuth both mountains follow it.
AzimuthBox CheckAzimuthText(const std::string& typed);

// Degrees to a tenth as written for the user: "187" when whole, else "187,5" with the decimal
// separator given.
std::string FormatAzimuth(double azimuth, char decimalSeparator);

// A word for the status line when the azimuth lies within 1 degree of a boundary between two
// mountains or between a mountain's normal and replacement zones ("до границы гор Цзы и Гуй
// 0,5°"); "" elsewhere.
std::string BoundaryNote(double azimuth, char decimalSeparator);

// Facing mountain chosen from its list: the text written into the azimuth box (its centre, "345",
// "0", "15", ... "330"); std::nullopt without a selection (the azimuth stays as it is).
std::optional<std::string> AzimuthTextOfFacing(MountainIndex facing);
// Sitting mountain chosen: the opposite facing mountain is chosen in its stead; std::nullopt
// without a selection.
std::optional<MountainIndex> FacingOfSitting(MountainIndex sitting);

// "Азимут: " + azimuth + " | Дата строительства или переезда: " + table date (short date) +
// " | Расчет на: " + date of the calculation moment (short date); dates and a decimal azimuth
// written in `locale`. The status line of the table window and of its interpretation.
std::string TableStatusLine(double azimuth, Moment tableDate, Moment civil, const QLocale& locale);

// What the inputs hold that the drawn chart does not show yet: "" when the chart is that of the
// typed azimuth and table date, else "Еще не рассчитано: азимут 187,5, дата 01.06.2005 (Enter)"
// naming only what differs, written in `locale`.
std::string NotComputedNote(double typedAzimuth, Moment typedDate, double drawnAzimuth,
                            Moment drawnDate, const QLocale& locale);
