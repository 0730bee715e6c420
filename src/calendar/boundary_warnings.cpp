// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/boundary_warnings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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

int RoundedSeconds(double days) {
    return static_cast<int>(std::lround(days * kMinutesPerDay * 60.0));
}

// "12:00" of minutes of the day.
std::string ClockText(int minuteOfDay) {
    char text[8];
    minuteOfDay = ((minuteOfDay % 1440) + 1440) % 1440;
    std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
    return text;
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
            BoundaryWarning w{kind, RoundedMinutes(at - u), k, 0};
            w.seconds = RoundedSeconds(at - u);
            found.push_back({at - u, w});
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
        BoundaryWarning w{kind, RoundedMinutes(at - p), -1, clockHour};
        w.seconds = RoundedSeconds(at - p);
        // The same instant on the user's clock: the civil moment moved by as much.
        const double civilAt = civil + (at - p);
        w.civilMinuteOfDay = RoundedMinutes(civilAt - std::floor(civilAt));
        w.solarPillarTime = s.longitudeOn;
        found.push_back({at - p, w});
    }

    for (const Moment at : {LastNewMoon(u), NextNewMoon(u)}) {
        if (std::fabs(at - u) > window) continue;
        const bool duplicate = std::any_of(found.begin(), found.end(), [&](const Found& f) {
            return f.warning.kind == BoundaryKind::NewMoon;
        });
        if (duplicate) continue;
        BoundaryWarning w{BoundaryKind::NewMoon, RoundedMinutes(at - u)};
        w.seconds = RoundedSeconds(at - u);
        found.push_back({at - u, w});
    }

    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.at < b.at; });
    std::vector<BoundaryWarning> result;
    for (const Found& f : found) result.push_back(f.warning);
    return result;
}

std::string BoundaryWarningText(const BoundaryWarning& w) {
    // The side from the seconds: 19 s past a term is "после", though it rounds to 0 minutes.
    const bool ahead = w.seconds > 0 || (w.seconds == 0 && w.minutes > 0);
    const std::string side = ahead ? "до " : "после ";
    const int away = std::abs(w.seconds);
    const std::string distance = away < 60 && away != 0
                                     ? std::to_string(away) + " с: "
                                     : std::to_string(std::abs(w.minutes)) + " мин: ";
    // The user's clock first; pillar time beside it when it shows another time.
    const auto clock = [&w](int pillarHour) {
        std::string text = ClockText(w.civilMinuteOfDay);
        const std::string pillar = ClockText(pillarHour * 60);
        if (pillar != text)
            text +=
                " (" + pillar + (w.solarPillarTime ? " солнечного времени)" : " поясного времени)");
        return text;
    };
    switch (w.kind) {
        case BoundaryKind::SpringBegins:
            return side + "Становления весны " + distance +
                   "год и месяц зависят от точного времени";
        case BoundaryKind::MonthTerm:
            return side + "сезона «" + TermOf(w.term).name + "» " + distance +
                   "месяц зависит от точного времени";
        case BoundaryKind::DayTurn:
            return side + "смены дня в " + clock(23) + " " + distance +
                   "день и час зависят от точного времени";
        case BoundaryKind::HourBranch:
            return side + "смены часа в " + clock(w.hour) + " " + distance +
                   "час зависит от точного времени";
        case BoundaryKind::NewMoon:
            return side + "новолуния " + distance + "лунный месяц зависит от точного времени";
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
