// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The place options of the commands that compute moments: --place TEXT (the best match of the
// place table: its zone and, switched on, its longitude) and --tz ZONE_ID (an IANA zone). The
// zone offset and summer shift are then those the tz database gives for each moment computed.
#include <optional>
#include <string>
#include <vector>

#include "astro/place_table.h"
#include "cli/cli_args.h"
#include "cli/json_writer.h"

// The place table of the data folder (or the file named by GAVROSIN_PLACES); CliError when
// it cannot be read.
const PlaceTable& CliPlaceTable();

class MomentZone {
public:
    // From --place / --tz, else the zone options (ParseZoneOptions). --place and --tz exclude
    // --zone-hours, --zone-index and --summer; --longitude replaces the place's longitude.
    explicit MomentZone(const CliOptions& options);

    // The time settings for the civil moment `civil`.
    TimeSettings At(Moment civil) const;
    // True when the zone follows a place or a zone id.
    bool followsDatabase() const { return !timeZone_.empty(); }
    const std::string& timeZone() const { return timeZone_; }
    const std::optional<Place>& place() const { return place_; }
    // True when --place named several places about equally well ("San": San in Mali, Santiago,
    // Santo Domingo ...): the first was taken, and the user should say which.
    bool placeAmbiguous() const { return placeAmbiguous_; }

private:
    TimeSettings fixed_;
    std::string timeZone_;
    std::optional<Place> place_;
    bool placeAmbiguous_ = false;
    double longitude_ = 0;
    bool longitudeOn_ = false;
};

// The option names MomentZone reads beside ZoneOptionNames: "place", "tz".
const std::vector<std::string>& PlaceOptionNames();

// "place" (its caption) and "place_ambiguous" of a moment computed for --place.
void AddPlaceFields(JsonObject& o, const MomentZone& zone);
// The line "Место: …" of the readable output, saying when the name was ambiguous.
std::string PlaceLine(const MomentZone& zone);

// "zone_hours", "summer", "longitude" (null when off) and "time_zone" of a moment's settings.
void AddZoneFields(JsonObject& o, const TimeSettings& s, const std::string& timeZone);
// "warnings":[{"boundary","minutes"}] of a civil moment.
void AddWarningsField(JsonObject& o, Moment civil, const TimeSettings& s);
