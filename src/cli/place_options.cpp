// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place_options.h"

#include <QFileInfo>
#include <QString>
#include <cstdlib>

#include "astro/place_zone.h"
#include "calendar/boundary_warnings.h"
#include "text/data_folder.h"

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

MomentZone::MomentZone(const CliOptions& options) : fixed_(ParseZoneOptions(options)) {
    const auto placeText = options.optionalValue("place");
    const auto zoneId = options.optionalValue("tz");
    if (!placeText && !zoneId) return;
    for (const char* fixedOption : {"zone-hours", "zone-index", "summer"})
        if (options.has(fixedOption))
            throw CliError(std::string("--") + fixedOption + " нельзя сочетать с --place или --tz");
    if (placeText) {
        const auto found = CliPlaceTable().Search(*placeText, 1);
        if (found.empty()) throw CliError("--place: не найдено место \"" + *placeText + "\"");
        place_ = CliPlaceTable().at(found[0]);
        timeZone_ = place_->timeZone;
        longitude_ = place_->longitude;
        longitudeOn_ = true;
    }
    if (zoneId) {
        if (!IsKnownTimeZone(*zoneId))
            throw CliError("--tz: неизвестный часовой пояс \"" + *zoneId + "\"");
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
    if (!s) throw CliError("--tz: неизвестный часовой пояс \"" + timeZone_ + "\"");
    return *s;
}

void AddZoneFields(JsonObject& o, const TimeSettings& s, const std::string& timeZone) {
    o.addShortest("zone_hours", s.zoneDays() * 24.0).add("summer", s.summerHours);
    if (s.longitudeOn)
        o.add("longitude", s.longitude);
    else
        o.addNull("longitude");
    o.add("time_zone", timeZone);
}

void AddWarningsField(JsonObject& o, Moment civil, const TimeSettings& s) {
    std::vector<JsonObject> warnings;
    for (const BoundaryWarning& w : FindBoundaryWarnings(civil, s)) {
        JsonObject item;
        item.add("boundary", BoundaryKindKey(w.kind)).add("minutes", w.minutes);
        warnings.push_back(item);
    }
    o.addObjects("warnings", warnings);
}
