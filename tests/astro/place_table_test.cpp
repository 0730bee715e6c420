// SPDX-License-Identifier: GPL-3.0-or-later
// The birth-place table as shipped (data/places.tsv.z, copied beside the programs by the build).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "astro/place_table.h"

namespace {

const PlaceTable& Table() {
    static const PlaceTable* table = [] {
        QString error;
        const PlaceTable* t =
            PlaceTable::Shared(QStringLiteral(GAVROSIN_BINARY_DIR "/places.tsv.z"), &error);
        if (!t) ADD_FAILURE() << error.toStdString();
        return t;
    }();
    return *table;
}

// The most populous place of that own name in that country.
const Place* Find(const std::string& latinName, const std::string& countryCode) {
    for (std::size_t i = 0; i < Table().size(); ++i) {
        const Place& p = Table().at(i);
        if (p.latinName == latinName && p.countryCode == countryCode) return &p;
    }
    return nullptr;
}

}  // namespace

// Russian names as Russian reference works spell them (Большая российская энциклопедия, Russian
// Wikipedia). Most come from the choice among the dump's Cyrillic names; a dozen exonyms (Пекин,
// Париж, Вена...) from the generator's short hand-made list.
TEST(PlaceTable, FiftyWellKnownCitiesHaveTheirRussianNames) {
    const struct {
        const char* latin;
        const char* country;
        const char* russian;
    } cities[] = {
        {"Moscow", "RU", "Москва"},
        {"Saint Petersburg", "RU", "Санкт-Петербург"},
        {"Novosibirsk", "RU", "Новосибирск"},
        {"Yekaterinburg", "RU", "Екатеринбург"},
        {"Kazan", "RU", "Казань"},
        {"Nizhniy Novgorod", "RU", "Нижний Новгород"},
        {"Vladivostok", "RU", "Владивосток"},
        {"Kaliningrad", "RU", "Калининград"},
        {"Perm", "RU", "Пермь"},
        {"Tyumen", "RU", "Тюмень"},
        {"Omsk", "RU", "Омск"},
        {"Rostov-na-Donu", "RU", "Ростов-на-Дону"},
        {"Irkutsk", "RU", "Иркутск"},
        {"Khabarovsk", "RU", "Хабаровск"},
        {"Blagoveshchensk", "RU", "Благовещенск"},
        {"Ulan-Ude", "RU", "Улан-Удэ"},
        {"Smolensk", "RU", "Смоленск"},
        {"Kyiv", "UA", "Киев"},
        {"Minsk", "BY", "Минск"},
        {"Riga", "LV", "Рига"},
        {"Tbilisi", "GE", "Тбилиси"},
        {"Yerevan", "AM", "Ереван"},
        {"Baku", "AZ", "Баку"},
        {"Tashkent", "UZ", "Ташкент"},
        {"Almaty", "KZ", "Алматы"},
        {"Bishkek", "KG", "Бишкек"},
        {"Dushanbe", "TJ", "Душанбе"},
        {"London", "GB", "Лондон"},
        {"Berlin", "DE", "Берлин"},
        {"Madrid", "ES", "Мадрид"},
        {"Warsaw", "PL", "Варшава"},
        {"Budapest", "HU", "Будапешт"},
        {"Bucharest", "RO", "Бухарест"},
        {"Amsterdam", "NL", "Амстердам"},
        {"Helsinki", "FI", "Хельсинки"},
        {"Oslo", "NO", "Осло"},
        {"Munich", "DE", "Мюнхен"},
        {"Edinburgh", "GB", "Эдинбург"},
        {"New York City", "US", "Нью-Йорк"},
        {"Washington", "US", "Вашингтон"},
        {"Chicago", "US", "Чикаго"},
        {"Buenos Aires", "AR", "Буэнос-Айрес"},
        {"Rio de Janeiro", "BR", "Рио-де-Жанейро"},
        {"Tokyo", "JP", "Токио"},
        {"Seoul", "KR", "Сеул"},
        {"Shanghai", "CN", "Шанхай"},
        {"Kathmandu", "NP", "Катманду"},
        {"New Delhi", "IN", "Нью-Дели"},
        {"Singapore", "SG", "Сингапур"},
        {"Sydney", "AU", "Сидней"},
        // From the hand-made list of exonyms.
        {"Beijing", "CN", "Пекин"},
        {"Paris", "FR", "Париж"},
        {"Vienna", "AT", "Вена"},
        {"Kolkata", "IN", "Калькутта"},
        {"Istanbul", "TR", "Стамбул"},
    };
    for (const auto& c : cities) {
        const Place* p = Find(c.latin, c.country);
        ASSERT_NE(p, nullptr) << c.latin;
        EXPECT_EQ(p->name, c.russian) << c.latin << ", " << c.country;
    }
    EXPECT_GT(Table().size(), 130000u);
    const Place* moscow = Find("Moscow", "RU");
    EXPECT_EQ(moscow->country, "Россия");
    EXPECT_EQ(moscow->timeZone, "Europe/Moscow");
    EXPECT_EQ(PlaceCaption(*moscow), "Москва, Россия (55.75° с.ш., 37.62° в.д.)");
    const Place* saoPaulo = Find("São Paulo", "BR");
    ASSERT_NE(saoPaulo, nullptr);
    EXPECT_EQ(PlaceCaption(*saoPaulo).substr(saoPaulo->name.size()),
              ", Бразилия (23.55° ю.ш., 46.64° з.д.)");
}

TEST(PlaceTable, SearchIgnoresCaseAccentsAndYoAndRanksByMatchThenPopulation) {
    EXPECT_EQ(FoldForSearch("Орёл"), FoldForSearch("орел"));
    EXPECT_EQ(FoldForSearch("São Paulo"), "sao paulo");
    EXPECT_EQ(FoldForSearch("Санкт-Петербург"), FoldForSearch("санкт петербург"));
    EXPECT_EQ(FoldForSearch("Düsseldorf"), "dusseldorf");

    auto first = [](const std::string& text) {
        const auto found = Table().Search(text, 5);
        return found.empty() ? std::string()
                             : Table().at(found[0]).name + "/" + Table().at(found[0]).countryCode;
    };
    EXPECT_EQ(first("Москва"), "Москва/RU");  // the capital before the towns of that name
    EXPECT_EQ(first("Moscow"), "Москва/RU");
    EXPECT_EQ(first("моск"), "Москва/RU");  // a beginning: the most populous first
    EXPECT_EQ(first("орел"), "Орел/RU");
    EXPECT_EQ(first("sao paulo"), "Сан-Паулу/BR");
    EXPECT_EQ(first("SÃO PAULO"), "Сан-Паулу/BR");
    EXPECT_EQ(first("Kolkata"), "Калькутта/IN");
    EXPECT_TRUE(Table().Search("   ", 5).empty());
    EXPECT_TRUE(Table().Search("qqqzzzxx", 5).empty());
    EXPECT_EQ(Table().Search("ан", 7).size(), 7u);
    // A whole-name match outranks a more populous place that only begins so.
    const auto kazan = Table().Search("казань", 3);
    ASSERT_FALSE(kazan.empty());
    EXPECT_EQ(Table().at(kazan[0]).name, "Казань");
}

// What a person types, and the city meant: former names, national spellings, Russian names of
// foreign cities, Latin spellings, one or two letters wrong. The first hit must be that city.
TEST(PlaceTable, TheRightCityComesFirstForAnyNameAPersonTypes) {
    const struct {
        const char* typed;
        const char* latin;
        const char* country;
    } cases[] = {
        // The names the place search failed on.
        {"Київ", "Kyiv", "UA"},
        {"Масква", "Moscow", "RU"},
        {"Sankt-Peterburg", "Saint Petersburg", "RU"},
        {"Алма-Ата", "Almaty", "KZ"},
        {"Peking", "Beijing", "CN"},
        {"Тайбэй", "Taipei", "TW"},
        {"Kiev", "Kyiv", "UA"},
        {"Moskva", "Moscow", "RU"},
        {"Свердловск", "Yekaterinburg", "RU"},
        {"Новокузнецк", "Novokuznetsk", "RU"},
        {"Норильск", "Norilsk", "RU"},
        {"Вильнюс", "Vilnius", "LT"},
        {"Ашхабад", "Ashgabat", "TM"},
        {"Петропавловск-Камчатский", "Petropavlovsk-Kamchatsky", "RU"},
        {"Шэньян", "Shenyang", "CN"},
        {"Ulaanbaatar", "Ulan Bator", "MN"},
        {"Washington", "Washington, D.C.", "US"},
        {"Филадельфия", "Philadelphia", "US"},
        {"Монреаль", "Montréal", "CA"},
        {"Цзинань", "Jinan", "CN"},
        // Former names.
        {"Ленинград", "Saint Petersburg", "RU"},
        {"Горький", "Nizhniy Novgorod", "RU"},
        {"Куйбышев", "Samara", "RU"},
        {"Калинин", "Tver", "RU"},
        {"Фрунзе", "Bishkek", "KG"},
        {"Сталинград", "Volgograd", "RU"},
        {"Днепропетровск", "Dnipro", "UA"},
        {"Целиноград", "Nur-Sultan", "KZ"},
        {"Бомбей", "Mumbai", "IN"},
        // National spellings and Latin ones.
        {"Алматы", "Almaty", "KZ"},
        {"Chișinău", "Chisinau", "MD"},
        {"Tallinn", "Tallinn", "EE"},
        {"München", "Munich", "DE"},
        {"Warszawa", "Warsaw", "PL"},
        // Russian names of foreign cities.
        {"Нью-Йорк", "New York City", "US"},
        {"Мехико", "Mexico City", "MX"},
        // One or two letters wrong.
        {"Масвка", "Moscow", "RU"},
        {"Владивасток", "Vladivostok", "RU"},
        {"Кишенев", "Chisinau", "MD"},
        {"Санкт-Питербург", "Saint Petersburg", "RU"},
        {"Новасибирск", "Novosibirsk", "RU"},
    };
    int right = 0, total = 0;
    for (const auto& c : cases) {
        ++total;
        const auto found = Table().Find(c.typed, 1);
        if (found.empty()) {
            ADD_FAILURE() << c.typed << ": nothing";
            continue;
        }
        const Place& p = Table().at(found[0].index);
        if (p.latinName == c.latin && p.countryCode == c.country)
            ++right;
        else
            ADD_FAILURE() << c.typed << " -> " << PlaceCaption(p);
    }
    std::printf("The right city first: %d of %d\n", right, total);
}

// A place is taken without the user choosing only when the text surely names it: a misspelt or
// former name is taken (and marked so), a part of a name or several places alike are refused with
// the reason and the candidates; a qualifier tells them apart.
TEST(PlaceTable, SureRefusesAWeakMatchInsteadOfGuessing) {
    PlaceVerdict v = Table().Sure("Масвка");
    ASSERT_TRUE(v.sure);
    EXPECT_EQ(v.sure->match, PlaceMatch::Near);
    EXPECT_EQ(v.sure->edits, 1);  // "Масква" (Belarusian) with two letters swapped
    EXPECT_EQ(Table().at(v.sure->index).latinName, "Moscow");
    EXPECT_TRUE(v.otherName);
    EXPECT_FALSE(Table().Sure("Москва").otherName);
    v = Table().Sure("Кие");  // only the beginning of Киев
    EXPECT_FALSE(v.sure);
    EXPECT_EQ(v.doubt, PlaceDoubt::PartOfName);
    EXPECT_EQ(Table().at(v.candidates.at(0).index).latinName, "Kyiv");
    v = Table().Sure("Александровка");  // many villages alike
    EXPECT_EQ(v.doubt, PlaceDoubt::SeveralAlike);
    EXPECT_EQ(v.candidates.size(), 5u);
    v = Table().Sure("qqqzzzxx");
    EXPECT_EQ(v.doubt, PlaceDoubt::NoPlace);
    EXPECT_TRUE(v.candidates.empty());
    v = Table().Sure("Вашингтон, Великобритания");
    ASSERT_TRUE(v.sure);
    EXPECT_EQ(Table().at(v.sure->index).countryCode, "GB");
    // The region, the place's first-level division, is shown after the country, in Russian.
    EXPECT_EQ(PlaceCaption(Table().at(v.sure->index)),
              "Вашингтон, Великобритания, Англия (54.90° с.ш., 1.52° з.д.)");
    EXPECT_EQ(Table().at(Table().Sure("Лион").sure->index).region, "Овернь — Рона — Альпы");
}

// The name of today wins among places alike in size, and the others are named; the one place a
// name's beginning fits is taken, said as another name; Russian, not Ukrainian, spellings.
TEST(PlaceTable, TodaysNameAndTheOnlyCandidateAreTaken) {
    PlaceVerdict v = Table().Sure("Калининград");  // also Королёв's name until 1996
    ASSERT_TRUE(v.sure);
    EXPECT_EQ(Table().at(v.sure->index).latinName, "Kaliningrad");
    EXPECT_FALSE(v.otherName);
    ASSERT_EQ(v.formerly.size(), 1u);
    EXPECT_EQ(Table().at(v.formerly[0].index).name, "Королев");
    v = Table().Sure("Екатеринбур");
    ASSERT_TRUE(v.sure);
    EXPECT_EQ(Table().at(v.sure->index).name, "Екатеринбург");
    EXPECT_TRUE(v.otherName);
    // A former name of a far larger place still means that place.
    EXPECT_EQ(Table().at(Table().Sure("Свердловск").sure->index).name, "Екатеринбург");
    EXPECT_EQ(Table().at(Table().Sure("Кёльн").sure->index).name, "Кельн");
}

TEST(PlaceTable, MissingOrDamagedFileIsAClearError) {
    QString error;
    EXPECT_EQ(PlaceTable::Load(QStringLiteral("/nonexistent/places.tsv.z"), &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/places.tsv.z")));
    error.clear();
    EXPECT_EQ(PlaceTable::Load(QStringLiteral(GAVROSIN_SOURCE_DIR "/README.md"), &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}
