#pragma once
// New moons from the mean lunation plus periodic corrections. Day counts, universal time as used.
#include <stdexcept>
#include <string>

#include "astro/julian_day.h"

enum class TMoonPhase { NewMoon, WaxingCrescent, FirstQuarter, WaxingGibbous, FullMoon,
                        WaningGibbous, LastQuarter, WaningCrescent };

// Raised with "No TDateTime possible" or "Invalid TMoonPhase".
class E_OutOfAlgorithmRange : public std::runtime_error {
public:
    explicit E_OutOfAlgorithmRange(const std::string& m) : std::runtime_error(m) {}
};

// New moon of the lunation nearest to x in the mean sense (up to about half a month away).
Moment NewMoonOfLunation(Moment x);
// Latest new moon at or before x; earliest new moon at or after x.
Moment LastNewMoon(Moment x);
Moment NextNewMoon(Moment x);
