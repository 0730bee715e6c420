// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/zone_lines.h"

#include <algorithm>
#include <cstring>

const ZoneLine* ZoneLineAt(const std::string& zoneId, long long utcSeconds) {
    const ZoneLineRange* begin = kZoneLineRanges;
    const ZoneLineRange* end = kZoneLineRanges + kZoneLineRangeCount;
    const ZoneLineRange* range =
        std::lower_bound(begin, end, zoneId, [](const ZoneLineRange& r, const std::string& id) {
            return std::strcmp(r.zone, id.c_str()) < 0;
        });
    if (range == end || zoneId != range->zone) return nullptr;
    // A line holds until its end instant, exclusive.
    for (int i = range->first; i < range->end; ++i)
        if (utcSeconds < kZoneLines[i].untilUtc) return &kZoneLines[i];
    return &kZoneLines[range->end - 1];
}
