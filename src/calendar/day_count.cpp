// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/day_count.h"

#include <cmath>

long CivilDayOf(Moment pillarTime) {
    constexpr double kMsPerDay = 86400000.0;
    const double ms = std::round(pillarTime * kMsPerDay) + 3600000.0;
    return static_cast<long>(std::floor(ms / kMsPerDay));
}
