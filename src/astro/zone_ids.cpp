// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/zone_ids.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "astro/edit_distance.h"

namespace {

// The links of the database: old name → current zone, from the compiled source the tzdata
// package ships. Read once, and only when it is a regular file.
constexpr const char* kTzSource = "/usr/share/zoneinfo/tzdata.zi";

class ZoneIdList {
public:
    static const ZoneIdList& Shared() {
        static const ZoneIdList list;
        return list;
    }

    std::optional<std::string> Listed(const std::string& id) const {
        if (listed_.count(id)) return id;
        const auto link = links_.find(id);
        if (link != links_.end()) return link->second;
        return std::nullopt;
    }
    const std::set<std::string>& ids() const { return listed_; }

private:
    ZoneIdList() {
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
            listed_.insert(id.toStdString());
        const QFileInfo source(QString::fromLatin1(kTzSource));
        QFile file(source.filePath());
        if (!source.isFile() || !file.open(QIODevice::ReadOnly)) return;
        // "L Europe/Kyiv Europe/Kiev": the link Europe/Kiev to the zone Europe/Kyiv.
        while (!file.atEnd()) {
            const QList<QByteArray> f = file.readLine().trimmed().split(' ');
            if (f.size() == 3 && f[0] == "L" && listed_.count(f[1].toStdString()))
                links_[f[2].toStdString()] = f[1].toStdString();
        }
    }

    std::set<std::string> listed_;
    std::map<std::string, std::string> links_;
};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The city of an id, as typed: "America/Argentina/Buenos_Aires" → "buenos aires".
std::string CityOf(const std::string& id) {
    std::string city = Lower(id.substr(id.rfind('/') + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

// A byte a letter: zone ids are ASCII, and a typed letter that is not still differs from them.
std::u32string Letters(const std::string& s) {
    std::u32string letters;
    for (const unsigned char c : s) letters += c;
    return letters;
}

}  // namespace

std::optional<std::string> ListedZoneId(const std::string& zoneId) {
    if (zoneId.empty()) return std::nullopt;
    return ZoneIdList::Shared().Listed(zoneId);
}

std::vector<std::string> NearestZoneIds(const std::string& text, std::size_t count) {
    constexpr std::size_t kLongestTypo = 40;
    if (text.empty() || text.size() > kLongestTypo) return {};
    std::string typed = Lower(text);
    std::replace(typed.begin(), typed.end(), '_', ' ');
    const std::string typedCity = CityOf(typed);
    const int typoBound = static_cast<int>(std::max<std::size_t>(1, typedCity.size() / 2));
    // Rank: 0 the city itself, 1 a city that begins with the text, then 2 + edits.
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const std::string& id : ZoneIdList::Shared().ids()) {
        if (id.find('/') == std::string::npos) continue;  // "UTC+03:00" and the like
        const std::string city = CityOf(id);
        std::size_t rank = 0;
        if (Lower(id) == typed || city == typedCity)
            rank = 0;
        else if (city.rfind(typedCity, 0) == 0)
            rank = 1;
        else
            rank = 2 + static_cast<std::size_t>(
                           std::min(EditsWithin(Letters(city), Letters(typedCity), typoBound),
                                    EditsWithin(Letters(Lower(id)), Letters(typed), typoBound)));
        // More edits than half the text is another word, not a typo.
        if (rank >= 2 && rank - 2 > static_cast<std::size_t>(typoBound)) continue;
        ranked.emplace_back(rank, id);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // The city itself, or cities that begin with the text, leave the mere typos out.
    std::vector<std::string> nearest;
    for (std::size_t i = 0; i < ranked.size() && nearest.size() < count; ++i)
        if (ranked[i].first < 2 || ranked.front().first >= 2) nearest.push_back(ranked[i].second);
    return nearest;
}

std::string QuotedZoneId(const std::string& zoneId) {
    constexpr std::size_t kShown = 40;
    std::string shown;
    for (const char c : zoneId.substr(0, kShown))
        shown +=
            static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F ? c : '?';
    if (zoneId.size() > kShown) shown += "…";
    return shown;
}
