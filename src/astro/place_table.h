// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Birth places: the GeoNames table shipped beside the program (data/places.tsv.z, made by
// generators/generate_places.js), loaded on first use, and the search of the place picker.
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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
    std::string region;  // its first-order division ("Кировоградская область"), in Russian where
                         // known, else in English; empty when unknown or named as the place is
};

// How a place's name (its Russian, own or any other name) meets the searched text, strongest first.
enum class PlaceMatch {
    Whole,      // a name is the text
    Start,      // a name begins with the text
    Near,       // a name is the text with one or two letters wrong, missing or swapped
    WordStart,  // a word of a name begins with the text
    Inside,     // a name holds the text
};

struct PlaceHit {
    std::size_t index = 0;
    PlaceMatch match = PlaceMatch::Inside;
    int edits = 0;  // letters wrong, for a Near match
};

// Text folded for matching: lower case, accents and other marks dropped (ё → е, é → e, й → и),
// hyphens and apostrophes as blanks, blanks collapsed. UTF-8 in and out.
std::string FoldForSearch(const std::string& text);

// Places a list of hits holds at most: enough to scroll through in the picker, few enough to draw
// at every keystroke; the sure-place rule weighs as many, so that the picker and the command line
// judge the same hits.
inline constexpr std::size_t kPlaceListLimit = 50;

// Why a text names no one place surely.
enum class PlaceDoubt {
    None,          // it does: PlaceVerdict::sure
    NoPlace,       // no name holds the text
    PartOfName,    // the text is only a part of names ("Кие")
    SeveralAlike,  // places of about the same size bear the name ("Александровка")
};

struct PlaceVerdict {
    std::optional<PlaceHit> sure;
    PlaceDoubt doubt = PlaceDoubt::NoPlace;
    std::vector<PlaceHit> candidates;  // the best hits, at most five (offered when none is sure)
    // The sure place was found by another of its names: a former one or a misspelling
    // ("Свердловск" is Екатеринбург), which the user should be told.
    bool otherName = false;
    // Places of about the same size that bear the name only as a former or other name, passed
    // over for the one whose name it is today (the user should be told of them).
    std::vector<PlaceHit> formerly;
};

class PlaceTable {
public:
    // Reads the compressed table; nullptr with `error` set when the file is missing or damaged.
    static std::unique_ptr<PlaceTable> Load(const QString& path, QString* error);

    // The one table of a run, loaded from `path` at the first call (later paths are ignored), so
    // that a session that never searches a place never reads it; nullptr when it cannot be read.
    static const PlaceTable* Shared(const QString& path, QString* error);

    std::size_t size() const { return places_.size(); }
    const Place& at(std::size_t index) const { return places_[index]; }

    // Places matching `text` by any of their names (Russian, own, former, other languages' in
    // Latin or Cyrillic letters; folded as above), best first: a whole name; then a name's
    // beginning or a name one letter off (texts of five letters or more), together by population;
    // then two letters off (eight letters or more); then a word's beginning; then anywhere. Within
    // each, the more populous first. "Name, qualifier" keeps the places whose country or region
    // begins with the qualifier ("Вашингтон, США"). At most `limit` hits; none for a blank text.
    std::vector<PlaceHit> Find(const std::string& text, std::size_t limit) const;
    std::vector<std::size_t> Search(const std::string& text, std::size_t limit) const;

    // The one place `text` surely names, the rule of both the command line and the place picker
    // (a place is taken without the user choosing only then): the only hit, when it is no mere
    // word or part inside a name; the first hit when it is a whole name or a name one or two
    // letters off, and no other hit of that strength is as much as a fifth as populous; among
    // whole names alike in size, the one place whose name of today the text is. Otherwise the
    // reason and the candidates.
    PlaceVerdict Sure(const std::string& text) const;
    // The same rule over hits Find already gave for `text` (the picker lists them anyway).
    PlaceVerdict Judge(const std::string& text, const std::vector<PlaceHit>& hits) const;

private:
    // Whether the folded text is the place's name of today, Russian or its own.
    bool IsCurrentName(std::size_t index, const std::string& folded) const;

    std::vector<Place> places_;  // most populous first, as in the file
    std::string_view Key(std::uint32_t k) const {
        return std::string_view(keys_).substr(keyAt_[k], keyAt_[k + 1] - keyAt_[k] - 1);
    }

    // Every place's folded names in one text, each followed by "|" (loading makes no string per
    // name): name k is at keyAt_[k]; the names of place i are keyStart_[i] to keyStart_[i+1]-1.
    std::string keys_;
    std::vector<std::uint32_t> keyAt_;
    std::vector<std::uint32_t> keyStart_;
};

// How the places passed over for a name's place of today are introduced: "так прежде называлось
// и другое место" or, for several, "… и другие места".
std::string FormerlyText(std::size_t count);

// "Москва, Россия (55.76° с.ш., 37.62° в.д.)"; with the region after the country:
// "Александровка, Украина, Кировоградская область (48.96° с.ш., 32.24° в.д.)".
std::string PlaceCaption(const Place& place);
