// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The place options of the commands that compute moments: --place TEXT (the place the text surely
// names: its zone and its longitude) and --tz ZONE_ID (an IANA zone). The zone offset and summer
// shift are then those the tz database gives for each moment computed.
//
// The longitude rule, the same as for a place picked in the windows: a place gives its longitude,
// and the longitude correction stays as the settings have it — off, as the command line's
// defaults are, unless --place-longitude (or --longitude D) switches it on.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "astro/place_table.h"
#include "cli/cli_args.h"
#include "cli/json_writer.h"

// The place table of the data folder (or the file named by GAVROSIN_PLACES); CliError when
// it cannot be read.
const PlaceTable& CliPlaceTable();

// The place `text` surely names (PlaceTable::Sure); CliError with the candidates otherwise. A name
// taken as another's is said on `notes`.
Place SurePlace(const PlaceTable& table, const std::string& text, std::ostream* notes);

class MomentZone {
public:
    // From --place / --tz, else the zone options (ParseZoneOptions). --place and --tz exclude
    // --zone-hours, --zone-index and --summer; --longitude replaces the place's longitude.
    // A text that names no place surely (only a part of a name, several places alike) is refused
    // with the candidates; a name taken as another's (a former name, a misspelling) is said on
    // `notes` (stderr), so that no guess passes silently.
    explicit MomentZone(const CliOptions& options, std::ostream* notes = nullptr);

    // The time settings for the civil moment `civil`.
    TimeSettings At(Moment civil) const;
    // True when the zone follows a place or a zone id.
    bool followsDatabase() const { return !timeZone_.empty(); }
    const std::string& timeZone() const { return timeZone_; }
    const std::optional<Place>& place() const { return place_; }
    const std::optional<double>& longitude() const { return longitude_; }
    bool longitudeOn() const { return longitudeOn_; }

private:
    TimeSettings fixed_;
    std::string timeZone_;
    std::optional<Place> place_;
    std::optional<double> longitude_;  // unknown for a bare --tz
    bool longitudeOn_ = false;
};

// The option names MomentZone reads beside ZoneOptionNames: "place", "tz"; and its flag.
inline constexpr const char* kPlaceLongitudeFlag = "place-longitude";
const std::vector<std::string>& PlaceOptionNames();

// "place" (its caption) of a moment computed for --place.
void AddPlaceFields(JsonObject& o, const MomentZone& zone);
// The line "Место: …" of the readable output.
std::string PlaceLine(const MomentZone& zone);

// "zone_hours", "summer", "longitude" (null when off) and "time_zone" of a moment's settings.
void AddZoneFields(JsonObject& o, const TimeSettings& s, const std::string& timeZone);
// "warnings" of a civil moment: [{"boundary","minutes"}] of the boundaries within 10 minutes,
// then, at a place, {"clock":"local_mean_time","text"} before the zone's standard time and
// {"clock":"skipped"|"repeated","text"[,"other":{"year","month","day","hour"}]} for a clock
// time a summer-time change skipped or repeated ("other": the pillars of the other reading,
// when they differ).
void AddWarningsField(JsonObject& o, Moment civil, const TimeSettings& s, const MomentZone& zone);
// The readable "warnings" of a civil moment at a place or zone, in the same order: the boundaries
// within 10 minutes, then the place's lines ("такого времени не было: ..."); none without a place
// or zone.
std::vector<std::string> MomentWarningLines(const MomentZone& zone, Moment civil,
                                            const TimeSettings& s);
