// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Birth places: the GeoNames table shipped beside the program (data/places.tsv.z, made by
// generators/generate_places.js), loaded on first use, and the search of the place picker.
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Place {
    std::string name;         // Russian display name, else the place's own (Latin) name
    std::string latinName;    // the place's own name, accents kept ("São Paulo")
    std::string countryCode;  // ISO 3166-1 alpha-2
    std::string country;      // Russian country name
    double latitude = 0;      // degrees, north positive
    double longitude = 0;     // degrees, east positive
    std::int64_t population = 0;
    std::string timeZone;  // IANA zone id, "Europe/Moscow"
};

// Text folded for matching: lower case, accents and other marks dropped (ё → е, é → e, й → и),
// hyphens and apostrophes as blanks, blanks collapsed. UTF-8 in and out.
std::string FoldForSearch(const std::string& text);

class PlaceTable {
public:
    // Reads the compressed table; nullptr with `error` set when the file is missing or damaged.
    static std::unique_ptr<PlaceTable> Load(const QString& path, QString* error);

    // The one table of a run, loaded from `path` at the first call (later paths are ignored), so
    // that a session that never searches a place never reads it; nullptr when it cannot be read.
    static const PlaceTable* Shared(const QString& path, QString* error);

    std::size_t size() const { return places_.size(); }
    const Place& at(std::size_t index) const { return places_[index]; }

    // Places matching `text` (Russian or Latin, folded as above), best first: the whole name, then
    // the name's beginning, then a word's beginning, then anywhere in it; within each, the more
    // populous first. At most `limit` indices; none for a text that folds to nothing.
    std::vector<std::size_t> Search(const std::string& text, std::size_t limit) const;

private:
    std::vector<Place> places_;             // most populous first, as in the file
    std::vector<std::string> russianKeys_;  // folded display names
    std::vector<std::string> latinKeys_;    // folded Latin names
};

// "Москва, Россия (55.76° с.ш., 37.62° в.д.)".
std::string PlaceCaption(const Place& place);
