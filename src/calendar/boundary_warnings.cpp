// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/boundary_warnings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "astro/moment.h"
#include "astro/new_moon.h"
#include "astro/solar_terms.h"

namespace {

constexpr TermIndex kSpringBegins = 21;  // the Sun at 315°
constexpr double kMinutesPerDay = 1440.0;

struct Found {
    double at;  // the boundary, same scale as the moment it was compared with
    BoundaryWarning warning;
};

int RoundedMinutes(double days) {
    return static_cast<int>(std::lround(days * kMinutesPerDay));
}

}  // namespace

std::vector<BoundaryWarning> FindBoundaryWarnings(Moment civil, const TimeSettings& s,
                                                  double windowMinutes) {
    const Moment u = UniversalMomentOf(civil, s);
    const Moment p = PillarMomentOf(civil, s);
    const double window = windowMinutes / kMinutesPerDay;
    std::vector<Found> found;

    const int year = YearOfMoment(u);
    for (int y = year - 1; y <= year + 1; ++y) {
        for (TermIndex k = 1; k < 24; k += 2) {
            const double at = TermInstant(y, k);
            if (std::fabs(at - u) > window) continue;
            const BoundaryKind kind =
                k == kSpringBegins ? BoundaryKind::SpringBegins : BoundaryKind::MonthTerm;
            found.push_back({at - u, {kind, RoundedMinutes(at - u), k, 0}});
        }
    }

    // Pillar time: the nearest odd clock hour (23:00 is the day turn).
    const double dayStart = std::floor(p);
    const double hours = (p - dayStart) * 24.0;
    const int nearestOdd = static_cast<int>(std::floor(hours / 2.0)) * 2 + 1;
    for (int hour : {nearestOdd - 2, nearestOdd, nearestOdd + 2}) {
        const double at = dayStart + hour / 24.0;
        if (std::fabs(at - p) > window) continue;
        const int clockHour = (hour % 24 + 24) % 24;
        const BoundaryKind kind =
            clockHour == 23 ? BoundaryKind::DayTurn : BoundaryKind::HourBranch;
        found.push_back({at - p, {kind, RoundedMinutes(at - p), -1, clockHour}});
    }

    for (const Moment at : {LastNewMoon(u), NextNewMoon(u)}) {
        if (std::fabs(at - u) > window) continue;
        const bool duplicate = std::any_of(found.begin(), found.end(), [&](const Found& f) {
            return f.warning.kind == BoundaryKind::NewMoon;
        });
        if (!duplicate) found.push_back({at - u, {BoundaryKind::NewMoon, RoundedMinutes(at - u)}});
    }

    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.at < b.at; });
    std::vector<BoundaryWarning> result;
    for (const Found& f : found) result.push_back(f.warning);
    return result;
}

std::string BoundaryWarningText(const BoundaryWarning& w) {
    const std::string side = w.minutes >= 0 ? "до " : "после ";
    const std::string minutes = std::to_string(std::abs(w.minutes)) + " мин: ";
    char hour[8];
    switch (w.kind) {
        case BoundaryKind::SpringBegins:
            return side + "Становления весны " + minutes + "год и месяц зависят от точного времени";
        case BoundaryKind::MonthTerm:
            return side + "сезона «" + TermOf(w.term).name + "» " + minutes +
                   "месяц зависит от точного времени";
        case BoundaryKind::DayTurn:
            return side + "смены дня в 23:00 " + minutes + "день и час зависят от точного времени";
        case BoundaryKind::HourBranch:
            std::snprintf(hour, sizeof hour, "%02d:00", w.hour);
            return side + "смены часа в " + hour + " " + minutes + "час зависит от точного времени";
        case BoundaryKind::NewMoon:
            return side + "новолуния " + minutes + "лунный месяц зависит от точного времени";
    }
    return std::string();
}

const char* BoundaryKindKey(BoundaryKind kind) {
    switch (kind) {
        case BoundaryKind::SpringBegins: return "spring_begins";
        case BoundaryKind::MonthTerm: return "month_term";
        case BoundaryKind::DayTurn: return "day_turn";
        case BoundaryKind::HourBranch: return "hour";
        case BoundaryKind::NewMoon: return "new_moon";
    }
    return "";
}
