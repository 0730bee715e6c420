// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/place_table.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

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

std::vector<std::string> SplitTabs(const QByteArray& line) {
    std::vector<std::string> fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == '\t') {
            fields.emplace_back(line.constData() + start, static_cast<std::size_t>(i - start));
            start = i + 1;
        }
    }
    return fields;
}

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
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) end = text.size();
        const QByteArray line = text.mid(start, end - start);
        start = end + 1;
        if (line.isEmpty() || line.startsWith('#')) continue;
        const std::vector<std::string> f = SplitTabs(line);
        if (f[0] == "@C" && f.size() == 3) {
            countries[f[1]] = f[2];
            continue;
        }
        if (f[0] == "@Z" && f.size() == 2) {
            zones.push_back(f[1]);
            continue;
        }
        if (f.size() != 8) return fail(QStringLiteral("Таблица мест %1 повреждена").arg(path));
        Place p;
        p.latinName = f[1];
        p.name = f[0].empty() ? f[1] : f[0];
        p.countryCode = f[3];
        const auto country = countries.find(f[3]);
        p.country = country == countries.end() ? f[3] : country->second;
        p.latitude = std::strtod(f[4].c_str(), nullptr);
        p.longitude = std::strtod(f[5].c_str(), nullptr);
        p.population = std::strtoll(f[6].c_str(), nullptr, 10);
        const std::size_t zone = std::strtoul(f[7].c_str(), nullptr, 10);
        if (zone >= zones.size())
            return fail(QStringLiteral("Таблица мест %1 повреждена").arg(path));
        p.timeZone = zones[zone];
        table->russianKeys_.push_back(FoldForSearch(p.name));
        table->latinKeys_.push_back(FoldAscii(f[2].empty() ? f[1] : f[2]));
        table->places_.push_back(std::move(p));
    }
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

std::vector<std::size_t> PlaceTable::Search(const std::string& text, std::size_t limit) const {
    const std::string query = FoldForSearch(text);
    if (query.empty() || limit == 0) return {};
    // Places are most populous first, so each class fills in population order and stops at limit.
    enum { kWhole, kStart, kWordStart, kInside, kClasses };
    std::array<std::vector<std::size_t>, kClasses> found;
    auto classOf = [&](const std::string& key) -> int {
        const std::size_t at = key.find(query);
        if (at == std::string::npos) return kClasses;
        if (at == 0) return key.size() == query.size() ? kWhole : kStart;
        for (std::size_t p = at; p != std::string::npos; p = key.find(query, p + 1))
            if (key[p - 1] == ' ') return kWordStart;
        return kInside;
    };
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const int best = std::min(classOf(russianKeys_[i]), classOf(latinKeys_[i]));
        if (best < kClasses && found[best].size() < limit) found[best].push_back(i);
        if (found[kWhole].size() >= limit) break;
    }
    std::vector<std::size_t> result;
    for (const auto& group : found)
        for (std::size_t i : group)
            if (result.size() < limit) result.push_back(i);
    return result;
}

std::string PlaceCaption(const Place& place) {
    char coordinates[96];
    std::snprintf(coordinates, sizeof coordinates, " (%.2f° %s, %.2f° %s)",
                  std::fabs(place.latitude), place.latitude < 0 ? "ю.ш." : "с.ш.",
                  std::fabs(place.longitude), place.longitude < 0 ? "з.д." : "в.д.");
    return place.name + ", " + place.country + coordinates;
}
