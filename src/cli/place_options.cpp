// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place_options.h"

#include <QFileInfo>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "astro/place_zone.h"
#include "astro/zone_ids.h"
#include "calendar/boundary_warnings.h"
#include "calendar/clock_change_warnings.h"
#include "text/data_folder.h"
#include "text/utf8.h"

namespace {

QString PlaceTablePath() {
    if (const char* path = std::getenv("GAVROSIN_PLACES")) return QString::fromLocal8Bit(path);
    // The data folder of the program: beside the executable in a build, <prefix>/share/gavrosin
    // in an installation.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString executable =
        self.exists() ? QFileInfo(self.symLinkTarget()).absolutePath() : QStringLiteral(".");
    bool shared = false;
    return FindDataFolder(executable, &shared) + QStringLiteral("/places.tsv.z");
}

// "--tz: неизвестный часовой пояс "Moscow" (Europe/Moscow?)": the id as far as it can be shown, and
// the nearest ids the database lists.
std::string UnknownZoneMessage(const std::string& zoneId) {
    std::string message = "--tz: неизвестный часовой пояс \"" + QuotedZoneId(zoneId) + "\"";
    const std::vector<std::string> nearest = NearestZoneIds(zoneId, 3);
    if (nearest.empty()) return message + " (нужен пояс IANA, например Europe/Moscow)";
    message += " (";
    for (std::size_t i = 0; i < nearest.size(); ++i) message += (i ? ", " : "") + nearest[i] + "?";
    return message + ")";
}

}  // namespace

const PlaceTable& CliPlaceTable() {
    QString error;
    const PlaceTable* table = PlaceTable::Shared(PlaceTablePath(), &error);
    if (!table) throw CliError(error.toStdString());
    return *table;
}

const std::vector<std::string>& PlaceOptionNames() {
    static const std::vector<std::string> kNames = {"place", "tz"};
    return kNames;
}

namespace {

std::string CandidateList(const PlaceTable& table, const std::vector<PlaceHit>& hits) {
    std::string list;
    for (const PlaceHit& hit : hits)
        list += (list.empty() ? "" : "; ") + PlaceCaption(table.at(hit.index));
    return list;
}

}  // namespace

Place SurePlace(const PlaceTable& table, const std::string& text, std::ostream* notes) {
    const PlaceVerdict verdict = table.Sure(text);
    if (verdict.doubt == PlaceDoubt::NoPlace)
        throw CliError("--place: нет места «" + QuotedBack(text) + "»");
    if (!verdict.sure)
        throw CliError("--place: «" + QuotedBack(text) + "» не называет одно место наверняка (" +
                       CandidateList(table, verdict.candidates) +
                       "); уточните страну или регион после запятой: «Вашингтон, США»");
    const Place& place = table.at(verdict.sure->index);
    if (notes && verdict.otherName)
        *notes << "--place: «" << text << "» — это " << PlaceCaption(place) << "\n";
    if (notes && !verdict.formerly.empty())
        *notes << "--place: «" << text << "» — это " << PlaceCaption(place) << "; "
               << FormerlyText(verdict.formerly.size()) << ": "
               << CandidateList(table, verdict.formerly) << "\n";
    return place;
}

MomentZone::MomentZone(const CliOptions& options, std::ostream* notes)
    : fixed_(ParseZoneOptions(options)) {
    const auto placeText = options.optionalValue("place");
    const auto zoneId = options.optionalValue("tz");
    if (!placeText && !zoneId) return;
    for (const char* fixedOption : {"zone-hours", "zone-index", "summer"})
        if (options.has(fixedOption))
            throw CliError(std::string("--") + fixedOption + " нельзя сочетать с --place или --tz");
    if (placeText) {
        // A place is taken only when the text surely names it (several places alike are refused
        // with the candidates).
        place_ = SurePlace(CliPlaceTable(), *placeText, notes);
        timeZone_ = place_->timeZone;
        longitude_ = place_->longitude;
        longitudeOn_ = options.flag(kPlaceLongitudeFlag);
    }
    if (zoneId) {
        if (!IsKnownTimeZone(*zoneId)) throw CliError(UnknownZoneMessage(*zoneId));
        timeZone_ = *zoneId;
    }
    if (options.has("longitude")) {
        longitude_ = fixed_.longitude;
        longitudeOn_ = true;
    }
}

TimeSettings MomentZone::At(Moment civil) const {
    if (timeZone_.empty()) return fixed_;
    const auto s = TimeSettingsAt(timeZone_, civil, longitude_, longitudeOn_);
    if (!s) throw CliError(UnknownZoneMessage(timeZone_));
    return *s;
}

void AddPlaceFields(JsonObject& o, const MomentZone& zone) {
    if (!zone.place()) return;
    o.add("place", PlaceCaption(*zone.place()));
}

std::string PlaceLine(const MomentZone& zone) {
    if (!zone.place()) return {};
    return "Место: " + PlaceCaption(*zone.place()) + "\n";
}

void AddZoneFields(JsonObject& o, const TimeSettings& s, const std::string& timeZone) {
    o.addShortest("zone_hours", s.zoneDays() * 24.0).add("summer", s.summerHours);
    // The longitude the correction uses: a place's to the arc-second, not its whole degrees.
    if (s.longitudeOn)
        o.addShortest("longitude", std::round(s.longitudeDegrees() * 1e6) / 1e6);
    else
        o.addNull("longitude");
    o.add("time_zone", timeZone);
}

std::vector<std::string> MomentWarningLines(const MomentZone& zone, Moment civil,
                                            const TimeSettings& s) {
    if (!zone.followsDatabase()) return {};
    std::vector<std::string> lines;
    for (const BoundaryWarning& w : FindBoundaryWarnings(civil, s))
        lines.push_back(BoundaryWarningText(w));
    for (std::string& line :
         PlaceTimeWarningLines(zone.timeZone(), civil, zone.longitude(), zone.longitudeOn()))
        lines.push_back(std::move(line));
    return lines;
}

void AddWarningsField(JsonObject& o, Moment civil, const TimeSettings& s, const MomentZone& zone) {
    std::vector<JsonObject> warnings;
    for (const BoundaryWarning& w : FindBoundaryWarnings(civil, s)) {
        JsonObject item;
        item.add("boundary", BoundaryKindKey(w.kind)).add("minutes", w.minutes);
        warnings.push_back(item);
    }
    if (s.localMeanTime) {
        JsonObject item;
        item.add("clock", kLocalMeanTimeKey).add("text", LocalMeanTimeText(s));
        warnings.push_back(item);
    }
    if (const auto w =
            FindClockChangeWarning(zone.timeZone(), civil, zone.longitude(), zone.longitudeOn())) {
        JsonObject item;
        item.add("clock", ClockChangeKey(w->kind)).add("text", ClockChangeWarningText(*w));
        if (w->pillarsDiffer) {
            JsonObject other;
            const char* const names[] = {"year", "month", "day", "hour"};
            for (int i = 0; i < 4; ++i) other.add(names[i], {w->other[i].stem, w->other[i].branch});
            item.addObject("other", other);
        }
        warnings.push_back(item);
    }
    o.addObjects("warnings", warnings);
}
