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
    std::string text;       // the text the box shows: the typed text, or its replacement
    int azimuth = 0;        // 0..360
    bool normalZone = true; // InNormalZone: false in a mountain's outer degrees (replacement)
    MountainIndex facing = 1;   // selection of the facing list ("Вода:")
    MountainIndex sitting = 13; // selection of the sitting list ("Гора:")
};

// Text rules of the box: text that is not a decimal integer becomes "0", a value below 0 "0",
// a value above 360 "360"; then the zone and both mountains follow the value.
AzimuthBox CheckAzimuthText(const std::string& typed);

// Facing mountain chosen from its list: the text written into the azimuth box (its centre, "345",
// "0", "15", ... "330"); std::nullopt without a selection (the azimuth stays as it is).
std::optional<std::string> AzimuthTextOfFacing(MountainIndex facing);
// Sitting mountain chosen: the opposite facing mountain is chosen in its stead; std::nullopt
// without a selection.
std::optional<MountainIndex> FacingOfSitting(MountainIndex sitting);

// "Азимут: " + azimuth + " | Дата строительства или переезда: " + table date (short date) +
// " | Расчет на: " + date of the calculation moment (short date); dates written in `locale`. The
// status line of the table window and of its interpretation.
std::string TableStatusLine(int azimuth, Moment tableDate, Moment civil, const QLocale& locale);
