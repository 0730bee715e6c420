#include "cli/cli_args.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>

#include "astro/calendar_prefill.h"
#include "astro/moment.h"

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

Moment CheckedMoment(int y, int mo, int d, double timeOfDay, const std::string& text,
                     const std::string& optionName) {
    if (!IsValidCivilDate(y, mo, d))
        throw CliError("--" + optionName + ": no such date: " + text);
    const Moment m = EncodeMoment(y, mo, d) + timeOfDay;
    if (m < kFirstMoment || m > kLastMoment)
        throw CliError("--" + optionName + ": the date must lie between 1900-01-01 and 9000-01-01: " + text);
    return m;
}

double TimeFraction(int h, int mi, int s, const std::string& text, const std::string& optionName) {
    if (h > 23 || mi > 59 || s > 59) throw CliError("--" + optionName + ": no such time: " + text);
    return ((h * 60.0 + mi) * 60.0 + s) / 86400.0;
}

}  // namespace

CliOptions::CliOptions(const std::vector<std::string>& words, const std::vector<std::string>& valued,
                       const std::vector<std::string>& flags) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() < 3 || w.compare(0, 2, "--") != 0) throw CliError("unexpected argument: " + w);
        const std::string name = w.substr(2);
        if (values_.count(name)) throw CliError("option given twice: " + w);
        if (Contains(flags, name)) {
            values_[name] = "";
        } else if (Contains(valued, name)) {
            if (i + 1 >= words.size()) throw CliError("option " + w + " needs a value");
            values_[name] = words[++i];
        } else {
            throw CliError("unknown option: " + w);
        }
    }
}

bool CliOptions::has(const std::string& name) const { return values_.count(name) != 0; }

std::string CliOptions::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) throw CliError("missing option --" + name);
    return it->second;
}

std::optional<std::string> CliOptions::optionalValue(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

Moment ParseDate(const std::string& text, const std::string& optionName) {
    static const std::regex kDate(R"((\d{4})-(\d{2})-(\d{2}))");
    std::smatch m;
    if (!std::regex_match(text, m, kDate))
        throw CliError("--" + optionName + ": expected a date as YYYY-MM-DD, got \"" + text + "\"");
    return CheckedMoment(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), 0.0, text, optionName);
}

Moment ParseDateTime(const std::string& text, const std::string& optionName) {
    static const std::regex kDateTime(R"((\d{4})-(\d{2})-(\d{2})[T ](\d{2}):(\d{2})(?::(\d{2}))?)");
    std::smatch m;
    if (!std::regex_match(text, m, kDateTime))
        throw CliError("--" + optionName + ": expected YYYY-MM-DDTHH:MM[:SS], got \"" + text + "\"");
    const int seconds = m[6].matched ? std::stoi(m[6]) : 0;
    const double t = TimeFraction(std::stoi(m[4]), std::stoi(m[5]), seconds, text, optionName);
    return CheckedMoment(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), t, text, optionName);
}

double ParseTimeOfDay(const std::string& text, const std::string& optionName) {
    static const std::regex kTime(R"((\d{1,2}):(\d{2}))");
    std::smatch m;
    if (!std::regex_match(text, m, kTime))
        throw CliError("--" + optionName + ": expected a time as HH:MM, got \"" + text + "\"");
    return TimeFraction(std::stoi(m[1]), std::stoi(m[2]), 0, text, optionName);
}

int ParseInteger(const std::string& text, const std::string& optionName, int low, int high) {
    static const std::regex kInteger(R"([+-]?\d{1,9})");
    if (!std::regex_match(text, kInteger))
        throw CliError("--" + optionName + ": expected a whole number, got \"" + text + "\"");
    const int v = std::stoi(text);
    if (v < low || v > high)
        throw CliError("--" + optionName + ": must be between " + std::to_string(low) + " and " +
                       std::to_string(high) + ", got " + text);
    return v;
}

const std::vector<std::string>& ZoneOptionNames() {
    static const std::vector<std::string> kNames = {"zone-hours", "zone-index", "summer", "longitude"};
    return kNames;
}

TimeSettings ParseZoneOptions(const CliOptions& options) {
    int zoneIndex = kDefaultZoneIndex;
    if (options.has("zone-hours") && options.has("zone-index"))
        throw CliError("give either --zone-hours or --zone-index, not both");
    if (const auto hours = options.optionalValue("zone-hours")) {
        static const std::regex kHours(R"([+-]?\d{1,2}(\.\d+)?)");
        if (!std::regex_match(*hours, kHours))
            throw CliError("--zone-hours: expected a number of hours, got \"" + *hours + "\"");
        const double h = std::stod(*hours);
        zoneIndex = -1;
        for (int i = 0; i < kZoneCount; ++i)
            if (std::fabs(ZoneTable[i].hours - h) < 1e-6) zoneIndex = i;
        if (zoneIndex < 0) throw CliError("--zone-hours: no zone in the list has the offset " + *hours);
    }
    if (const auto index = options.optionalValue("zone-index"))
        zoneIndex = ParseInteger(*index, "zone-index", 0, kZoneCount - 1);
    const int summer = options.has("summer") ? ParseInteger(options.value("summer"), "summer", -5, 5) : 0;
    const bool longitudeOn = options.has("longitude");
    const int longitude =
        longitudeOn ? ParseInteger(options.value("longitude"), "longitude", -180, 180) : 37;
    return TimeSettings::WithZoneIndex(zoneIndex, summer, longitude, longitudeOn);
}

int ParseJobs(const CliOptions& options) {
    return options.has("jobs") ? ParseInteger(options.value("jobs"), "jobs", 1, 256) : DefaultJobCount();
}

const QLocale& CliLocale() {
    static const QLocale kRussian(QLocale::Russian, QLocale::Russia);
    return kRussian;
}

Moment CurrentLocalMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return EncodeMoment(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec());
}

std::string IsoDate(Moment x) {
    const CivilDateTime t = DecodeMoment(x);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
    return buf;
}

std::string IsoDateTime(Moment x) {
    const CivilDateTime t = DecodeMoment(x);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}
