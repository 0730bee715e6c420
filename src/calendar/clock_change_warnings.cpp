// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/clock_change_warnings.h"

#include <cstdio>

#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "calendar/vocabulary.h"

namespace {

std::string ClockText(Moment x) {
    const CivilDateTime c = DecodeMoment(x);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", c.hour, c.minute);
    return text;
}

std::string ShortPillarName(Pillar p) {
    return StemName(p.stem) + "-" + BranchName(p.branch);
}

void FillPillars(Moment civil, const TimeSettings& s, Pillar (&pillars)[4]) {
    const CurrentMoment m = ComputeMomentCalendar(civil, s).moment;
    pillars[0] = m.year;
    pillars[1] = m.month;
    pillars[2] = m.day;
    pillars[3] = m.hour;
}

std::optional<ClockChangeWarning> WarningOfReading(const std::optional<PlaceTimeReading>& reading,
                                                   Moment civil) {
    if (!reading || reading->kind == ClockTimeKind::Single) return std::nullopt;
    ClockChangeWarning w;
    w.kind = reading->kind;
    w.clockBefore = reading->clockBefore;
    w.clockAfter = reading->clockAfter;
    FillPillars(civil, reading->chosen, w.chosen);
    FillPillars(civil, reading->other, w.other);
    for (int i = 0; i < 4; ++i)
        if (w.chosen[i].stem != w.other[i].stem || w.chosen[i].branch != w.other[i].branch)
            w.pillarsDiffer = true;
    return w;
}

}  // namespace

std::optional<ClockChangeWarning> FindClockChangeWarning(const std::string& zoneId, Moment civil,
                                                         std::optional<double> longitudeDegrees,
                                                         bool longitudeOn) {
    return WarningOfReading(ReadPlaceTime(zoneId, civil, longitudeDegrees, longitudeOn), civil);
}

std::string ClockChangeWarningText(const ClockChangeWarning& w) {
    const std::string change =
        "часы переводили с " + ClockText(w.clockBefore) + " на " + ClockText(w.clockAfter);
    return w.kind == ClockTimeKind::Skipped ? "такого времени не было: " + change
                                            : "это время было дважды: " + change;
}

std::string OtherReadingText(const ClockChangeWarning& w) {
    return "при другом прочтении: год " + ShortPillarName(w.other[0]) + ", месяц " +
           ShortPillarName(w.other[1]) + ", день " + ShortPillarName(w.other[2]) + ", час " +
           ShortPillarName(w.other[3]);
}

std::string LocalMeanTimeText(const TimeSettings& s) {
    return "местное среднее время " + s.zoneCaption + ": поясного времени еще не было";
}

std::vector<std::string> PlaceTimeWarningLines(const std::string& zoneId, Moment civil,
                                               std::optional<double> longitudeDegrees,
                                               bool longitudeOn) {
    std::vector<std::string> lines;
    if (zoneId.empty()) return lines;
    const auto reading = ReadPlaceTime(zoneId, civil, longitudeDegrees, longitudeOn);
    if (!reading) return lines;
    if (reading->chosen.localMeanTime) lines.push_back(LocalMeanTimeText(reading->chosen));
    if (const auto w = WarningOfReading(reading, civil)) {
        lines.push_back(ClockChangeWarningText(*w));
        if (w->pillarsDiffer) lines.push_back(OtherReadingText(*w));
    }
    return lines;
}

const char* ClockChangeKey(ClockTimeKind kind) {
    return kind == ClockTimeKind::Repeated ? "repeated" : "skipped";
}
