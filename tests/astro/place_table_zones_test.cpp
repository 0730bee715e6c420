// SPDX-License-Identifier: GPL-3.0-or-later
// The zones of the shipped place table, assigned from the zone boundary polygons: places at a
// border carry their own zone, not the nearest neighbour's, and every zone's reference city
// (the tz database's zone.tab point) lies in its own zone.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cmath>
#include <map>
#include <string>

#include "astro/place_table.h"

namespace {

const PlaceTable& Table() {
    static const PlaceTable* table =
        PlaceTable::Shared(QStringLiteral(GAVROSIN_BINARY_DIR "/places.tsv.z"), nullptr);
    return *table;
}

// "+4439-06336" or "+434250-0792232": degrees and minutes (and seconds) of zone.tab.
double Degrees(const QString& text, int degreeDigits) {
    const double sign = text.startsWith(QLatin1Char('-')) ? -1 : 1;
    const QString d = text.mid(1);
    double value = d.left(degreeDigits).toDouble() + d.mid(degreeDigits, 2).toDouble() / 60;
    if (d.size() > degreeDigits + 2) value += d.mid(degreeDigits + 2, 2).toDouble() / 3600;
    return sign * value;
}

double Kilometres(double lat1, double lon1, double lat2, double lon2) {
    const double r = 3.14159265358979 / 180;
    const double x = (lon2 - lon1) * r * std::cos((lat1 + lat2) / 2 * r);
    return 6371 * std::hypot(x, (lat2 - lat1) * r);
}

}  // namespace

TEST(PlaceTableZones, PlacesAtABorderCarryTheirOwnZone) {
    const std::map<std::string, std::string> own = {
        {"Khandyga", "Asia/Khandyga"},           {"Ust-Nera", "Asia/Ust-Nera"},
        {"Srednekolymsk", "Asia/Srednekolymsk"}, {"Juárez", "America/Ciudad_Juarez"},
        {"Coyhaique", "America/Coyhaique"},      {"Whitsundays", "Australia/Lindeman"},
    };
    std::map<std::string, std::string> found;
    for (std::size_t i = 0; i < Table().size(); ++i) {
        const Place& p = Table().at(i);
        if (own.count(p.latinName) && !found.count(p.latinName)) found[p.latinName] = p.timeZone;
    }
    EXPECT_EQ(found, own);
}

TEST(PlaceTableZones, EveryZonesReferenceCityIsInItsOwnZone) {
    QFile tab(QStringLiteral("/usr/share/zoneinfo/zone.tab"));
    if (!tab.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no zone.tab";
    struct Reference {
        std::string zone;
        double latitude, longitude;
        std::int64_t population = -1;  // of the place found there, -1 for none yet
        std::string placeZone;
    };
    std::multimap<std::string, Reference> byCity;  // folded city name of the zone id
    for (const QString& line : QString::fromUtf8(tab.readAll()).split(QLatin1Char('\n'))) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || f.size() < 3) continue;
        const QString c = f[1];
        const int split = c.indexOf(QRegularExpression(QStringLiteral("[+-]")), 1);
        const QString city = f[2].section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), ' ');
        byCity.emplace(
            FoldForSearch(city.toStdString()),
            Reference{
                f[2].toStdString(), Degrees(c.left(split), 2), Degrees(c.mid(split), 3), -1, {}});
    }
    ASSERT_GT(byCity.size(), 300u);
    // The most populous place of the zone's city name within 30 km of its reference point.
    for (std::size_t i = 0; i < Table().size(); ++i) {
        const Place& p = Table().at(i);
        for (const std::string& name : {p.latinName, p.name}) {
            const auto [from, to] = byCity.equal_range(FoldForSearch(name));
            for (auto it = from; it != to; ++it) {
                Reference& r = it->second;
                if (r.population < p.population &&
                    Kilometres(r.latitude, r.longitude, p.latitude, p.longitude) < 30) {
                    r.population = p.population;
                    r.placeZone = p.timeZone;
                }
            }
        }
    }
    int checked = 0;
    for (const auto& [city, r] : byCity) {
        if (r.population < 0) continue;
        ++checked;
        EXPECT_EQ(r.placeZone, r.zone) << city;
    }
    std::printf("Reference cities checked: %d of %zu zones\n", checked, byCity.size());
    EXPECT_GT(checked, 250);
}
