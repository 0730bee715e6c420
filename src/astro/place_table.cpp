// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/place_table.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "astro/edit_distance.h"

namespace {

// Latin letters that carry no decomposable accent but are typed without it.
const std::array<std::pair<char16_t, const char*>, 12> kPlainLetters{{
    {u'ß', "ss"},
    {u'ø', "o"},
    {u'ł', "l"},
    {u'æ', "ae"},
    {u'œ', "oe"},
    {u'đ', "d"},
    {u'ı', "i"},
    {u'þ', "th"},
    {u'ð', "d"},
    {u'ħ', "h"},
    {u'ŀ', "l"},
    {u'ŧ', "t"},
}};

std::string FoldAscii(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '-' || c == '\'' || c == ' ') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

bool IsAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

// The tab-separated fields of a line, as views into it (loading copies only what it keeps).
void SplitTabs(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return;
        start = tab + 1;
    }
}

// A number field: the fields lie in the unpacked text, so the conversion stops at the tab after it;
// an empty field is 0, not the next field's number.
double NumberField(std::string_view field) {
    return field.empty() ? 0.0 : std::strtod(field.data(), nullptr);
}
std::int64_t IntegerField(std::string_view field) {
    return field.empty() ? 0 : std::strtoll(field.data(), nullptr, 10);
}

// The letters of UTF-8 text into `out` (its room kept from one name to the next).
void DecodeInto(std::string_view text, std::u32string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += code;
        i += static_cast<std::size_t>(extra) + 1;
    }
}

std::u32string Decode(std::string_view text) {
    std::u32string out;
    DecodeInto(text, out);
    return out;
}

// The number of letters Decode gives for `text`, without decoding it.
int LetterCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto c = static_cast<unsigned char>(text[i]);
        i += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    }
    return count;
}

// Places smaller than this are not offered for a misspelt name: a village one letter off a
// city's name is a guess, not a find.
constexpr std::int64_t kNearMinPopulation = 5000;

}  // namespace

std::string FoldForSearch(const std::string& text) {
    if (IsAscii(text)) return FoldAscii(text);
    const QString decomposed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                                   .normalized(QString::NormalizationForm_D)
                                   .toLower();
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        bool replaced = false;
        for (const auto& [letter, spelled] : kPlainLetters) {
            if (c.unicode() == letter) {
                plain += QLatin1String(spelled);
                replaced = true;
                break;
            }
        }
        if (replaced) continue;
        plain += (c == u'’' || c == u'‘' || c == u'—' || c == u'–') ? QChar(u' ') : c;
    }
    return FoldAscii(plain.toStdString());
}

std::unique_ptr<PlaceTable> PlaceTable::Load(const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return std::unique_ptr<PlaceTable>();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Нет таблицы мест %1: %2").arg(path, file.errorString()));
    const QByteArray text = qUncompress(file.readAll());
    if (text.isEmpty()) return fail(QStringLiteral("Таблица мест %1 повреждена").arg(path));

    auto table = std::make_unique<PlaceTable>();
    std::unordered_map<std::string, std::string> countries;
    std::vector<std::string> zones;
    std::vector<std::string> regions;
    const std::string_view all(text.constData(), static_cast<std::size_t>(text.size()));
    table->places_.reserve(static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')));
    std::vector<std::string_view> f;
    for (std::size_t start = 0; start < all.size();) {
        std::size_t end = all.find('\n', start);
        if (end == std::string_view::npos) end = all.size();
        const std::string_view line = all.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;
        SplitTabs(line, f);
        if (f[0] == "@C" && f.size() == 3) {
            countries[std::string(f[1])] = std::string(f[2]);
            continue;
        }
        if (f[0] == "@Z" && f.size() == 2) {
            zones.emplace_back(f[1]);
            continue;
        }
        if (f[0] == "@R" && f.size() == 2) {
            regions.emplace_back(f[1]);
            continue;
        }
        if (f.size() != 10) return fail(QStringLiteral("Таблица мест %1 повреждена").arg(path));
        Place p;
        p.latinName = f[1];
        p.name = f[0].empty() ? f[1] : f[0];
        p.countryCode = f[3];
        const auto country = countries.find(p.countryCode);
        p.country = country == countries.end() ? p.countryCode : country->second;
        p.latitude = NumberField(f[4]);
        p.longitude = NumberField(f[5]);
        p.population = IntegerField(f[6]);
        const std::size_t zone = static_cast<std::size_t>(IntegerField(f[7]));
        if (zone >= zones.size())
            return fail(QStringLiteral("Таблица мест %1 повреждена").arg(path));
        p.timeZone = zones[zone];
        if (!f[8].empty()) {
            const std::size_t region = static_cast<std::size_t>(IntegerField(f[8]));
            if (region >= regions.size())
                return fail(QStringLiteral("Таблица мест %1 повреждена").arg(path));
            p.region = regions[region];
        }
        // The names come folded by the generator, as FoldForSearch folds the typed text.
        table->keyStart_.push_back(static_cast<std::uint32_t>(table->keyAt_.size()));
        const std::string_view keys = f[9];
        for (std::size_t from = 0; from < keys.size();) {
            std::size_t to = keys.find('|', from);
            if (to == std::string_view::npos) to = keys.size();
            if (to > from) {
                table->keyAt_.push_back(static_cast<std::uint32_t>(table->keys_.size()));
                table->keys_.append(keys.substr(from, to - from)).push_back('|');
            }
            from = to + 1;
        }
        table->places_.push_back(std::move(p));
    }
    table->keyStart_.push_back(static_cast<std::uint32_t>(table->keyAt_.size()));
    table->keyAt_.push_back(static_cast<std::uint32_t>(table->keys_.size()));
    return table;
}

const PlaceTable* PlaceTable::Shared(const QString& path, QString* error) {
    static std::unique_ptr<PlaceTable> shared;
    static QString loadError;
    static bool tried = false;
    if (!tried) {
        tried = true;
        shared = Load(path, &loadError);
    }
    if (!shared && error) *error = loadError;
    return shared.get();
}

std::vector<PlaceHit> PlaceTable::Find(const std::string& text, std::size_t limit) const {
    const std::size_t comma = text.find(',');
    const std::string query = FoldForSearch(text.substr(0, comma));
    const std::string qualifier =
        comma == std::string::npos ? std::string() : FoldForSearch(text.substr(comma + 1));
    if (query.empty() || limit == 0) return {};
    const std::u32string letters = Decode(query);
    const int n = static_cast<int>(letters.size());
    const int maxEdits = n >= 8 ? 2 : n >= 5 ? 1 : 0;

    // Places are most populous first, so each class fills in population order and stops at limit.
    enum { kWhole, kStartOrNear, kNearTwo, kWordStart, kInside, kClasses };
    std::array<std::vector<PlaceHit>, kClasses> found;
    auto classOf = [&](std::string_view key) -> int {
        const std::size_t at = key.find(query);
        if (at == std::string_view::npos) return kClasses;
        if (at == 0) return key.size() == query.size() ? kWhole : kStartOrNear;
        for (std::size_t p = at; p != std::string::npos; p = key.find(query, p + 1))
            if (key[p - 1] == ' ') return kWordStart;
        return kInside;
    };
    std::unordered_map<std::string, bool> countryQualifies;
    auto qualifies = [&](const Place& p) {
        if (qualifier.empty()) return true;
        auto known = countryQualifies.find(p.countryCode);
        if (known == countryQualifies.end()) {
            const bool yes = FoldForSearch(p.country).rfind(qualifier, 0) == 0 ||
                             FoldForSearch(p.countryCode) == qualifier;
            known = countryQualifies.emplace(p.countryCode, yes).first;
        }
        return known->second || FoldForSearch(p.region).rfind(qualifier, 0) == 0;
    };
    for (std::size_t i = 0; i < places_.size(); ++i) {
        PlaceHit hit{i, PlaceMatch::Inside, 0};
        int best = kClasses;
        for (std::uint32_t k = keyStart_[i]; k < keyStart_[i + 1]; ++k) {
            const int c = classOf(Key(k));
            if (c < best) {
                best = c;
                hit.match = c == kWhole         ? PlaceMatch::Whole
                            : c == kStartOrNear ? PlaceMatch::Start
                            : c == kWordStart   ? PlaceMatch::WordStart
                                                : PlaceMatch::Inside;
            }
        }
        if (best > kStartOrNear && maxEdits > 0 && places_[i].population >= kNearMinPopulation) {
            for (std::uint32_t k = keyStart_[i]; k < keyStart_[i + 1]; ++k) {
                const std::string_view key = Key(k);
                // A letter is at most four bytes: a far longer or shorter name cannot be near.
                if (key.size() + 4 * maxEdits < query.size() ||
                    query.size() + 4 * maxEdits < key.size() ||
                    std::abs(LetterCount(key) - n) > maxEdits)
                    continue;
                thread_local std::u32string name;
                DecodeInto(key, name);
                const int edits = EditsWithin(name, letters, maxEdits);
                const int c = edits > maxEdits ? kClasses : edits == 1 ? kStartOrNear : kNearTwo;
                if (c < best) {
                    best = c;
                    hit.match = PlaceMatch::Near;
                    hit.edits = edits;
                }
            }
        }
        if (best == kClasses || found[best].size() >= limit || !qualifies(places_[i])) continue;
        found[best].push_back(hit);
        if (found[kWhole].size() >= limit) break;
    }
    std::vector<PlaceHit> result;
    for (const auto& group : found)
        for (const PlaceHit& hit : group)
            if (result.size() < limit) result.push_back(hit);
    return result;
}

std::vector<std::size_t> PlaceTable::Search(const std::string& text, std::size_t limit) const {
    std::vector<std::size_t> indices;
    for (const PlaceHit& hit : Find(text, limit)) indices.push_back(hit.index);
    return indices;
}

PlaceVerdict PlaceTable::Sure(const std::string& text) const {
    return Judge(text, Find(text, kPlaceListLimit));
}

PlaceVerdict PlaceTable::Judge(const std::string& text, const std::vector<PlaceHit>& hits) const {
    PlaceVerdict verdict;
    verdict.candidates.assign(hits.begin(), hits.begin() + std::min<std::size_t>(hits.size(), 5));
    if (hits.empty()) return verdict;
    const PlaceHit& first = hits[0];
    const std::string typed = FoldForSearch(text.substr(0, text.find(',')));
    auto take = [&](const PlaceHit& hit) {
        verdict.doubt = PlaceDoubt::None;
        verdict.sure = hit;
        verdict.otherName = hit.match != PlaceMatch::Whole || !IsCurrentName(hit.index, typed);
        return verdict;
    };
    // The beginning of one place's name, or a name a letter or two off, that no other place
    // shares ("Екатеринбур"): there is nothing to choose between.
    if (hits.size() == 1 && first.match != PlaceMatch::WordStart &&
        first.match != PlaceMatch::Inside)
        return take(first);
    verdict.doubt = PlaceDoubt::PartOfName;
    if (first.match != PlaceMatch::Whole && first.match != PlaceMatch::Near) return verdict;
    verdict.doubt = PlaceDoubt::SeveralAlike;
    const std::int64_t population = places_[first.index].population;
    std::vector<PlaceHit> rivals;
    for (std::size_t i = 1; i < hits.size(); ++i) {
        const bool sameStrength =
            first.match == PlaceMatch::Whole
                ? hits[i].match == PlaceMatch::Whole
                : hits[i].match != PlaceMatch::WordStart && hits[i].match != PlaceMatch::Inside;
        if (sameStrength && places_[hits[i].index].population * 5 >= population)
            rivals.push_back(hits[i]);
    }
    if (rivals.empty()) return take(first);
    // Places alike in size: a name that is today's name of one of them and only a former or
    // other name of the rest means that one ("Калининград", once also Королёв's name).
    if (first.match != PlaceMatch::Whole) return verdict;
    rivals.insert(rivals.begin(), first);
    std::optional<PlaceHit> current;
    for (const PlaceHit& hit : hits) {
        if (hit.match != PlaceMatch::Whole || !IsCurrentName(hit.index, typed)) continue;
        if (current) return verdict;
        current = hit;
    }
    if (!current) return verdict;
    for (const PlaceHit& rival : rivals)
        if (rival.index != current->index) verdict.formerly.push_back(rival);
    return take(*current);
}

bool PlaceTable::IsCurrentName(std::size_t index, const std::string& folded) const {
    const Place& place = places_[index];
    return folded == FoldForSearch(place.name) || folded == FoldForSearch(place.latinName);
}

std::string FormerlyText(std::size_t count) {
    return count == 1 ? "так прежде называлось и другое место"
                      : "так прежде назывались и другие места";
}

std::string PlaceCaption(const Place& place) {
    char coordinates[96];
    std::snprintf(coordinates, sizeof coordinates, " (%.2f° %s, %.2f° %s)",
                  std::fabs(place.latitude), place.latitude < 0 ? "ю.ш." : "с.ш.",
                  std::fabs(place.longitude), place.longitude < 0 ? "з.д." : "в.д.");
    const std::string region = place.region.empty() ? "" : ", " + place.region;
    return place.name + ", " + place.country + region + coordinates;
}
