// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_args.h"

#include <QDateTime>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "astro/calendar_prefill.h"
#include "astro/moment.h"
#include "text/utf8.h"

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// The range is one of days, as in the date pickers: any time of its first and last day is in it.
Moment CheckedMoment(int y, int mo, int d, double timeOfDay, const std::string& text,
                     const std::string& optionName) {
    if (!IsValidCivilDate(y, mo, d))
        throw CliError("--" + optionName + ": такой даты нет: " + QuotedBack(text));
    const Moment day = EncodeMoment(y, mo, d);
    if (day < kFirstMoment || day > kLastMoment)
        throw CliError("--" + optionName +
                       ": дата должна быть от 1900-01-01 до 9000-01-01: " + QuotedBack(text));
    return day + timeOfDay;
}

// A scanner over an argument's characters. Arguments can be arbitrarily long, so every form is
// read in one pass with no backtracking.
class Scanner {
public:
    explicit Scanner(const std::string& text) : text_(text) {}
    bool atEnd() const { return pos_ == text_.size(); }
    // Exactly `count` digits as a number.
    bool digits(std::size_t count, int& value) { return digitsBetween(count, count, value); }
    // Between `least` and `most` digits (at most 9) as a number; more digits fail.
    bool digitsBetween(std::size_t least, std::size_t most, int& value) {
        std::size_t n = 0;
        value = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            if (++n > most) return false;
            value = value * 10 + (text_[pos_++] - '0');
        }
        return n >= least;
    }
    // One or more digits, any number of them.
    bool digitRun() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        return pos_ > start;
    }
    bool skip(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) return ++pos_, true;
        return false;
    }
    bool skipAny(const char* set) {
        for (const char* c = set; *c; ++c)
            if (skip(*c)) return true;
        return false;
    }
    std::size_t position() const { return pos_; }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

struct DateFields {
    int year = 0, month = 0, day = 0;
};

// "YYYY-MM-DD" at the scanner's position.
bool ScanDate(Scanner& s, DateFields& d) {
    return s.digits(4, d.year) && s.skip('-') && s.digits(2, d.month) && s.skip('-') &&
           s.digits(2, d.day);
}

// "HH:MM" with one or two digits of hours (`shortHours`) or exactly two.
bool ScanTime(Scanner& s, bool shortHours, int& hours, int& minutes) {
    return s.digitsBetween(shortHours ? 1 : 2, 2, hours) && s.skip(':') && s.digits(2, minutes);
}

double TimeFraction(int h, int mi, int s, const std::string& text, const std::string& optionName) {
    if (h > 23 || mi > 59 || s > 59)
        throw CliError("--" + optionName + ": такого времени нет: " + QuotedBack(text));
    return ((h * 60.0 + mi) * 60.0 + s) / 86400.0;
}

}  // namespace

CliOptions::CliOptions(const std::vector<std::string>& words,
                       const std::vector<std::string>& valued,
                       const std::vector<std::string>& flags) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() < 3 || w.compare(0, 2, "--") != 0)
            throw CliError("лишнее слово: " + QuotedBack(w));
        const std::string name = w.substr(2);
        if (values_.count(name)) throw CliError("параметр указан дважды: " + QuotedBack(w));
        if (Contains(flags, name)) {
            values_[name] = "";
        } else if (Contains(valued, name)) {
            if (i + 1 >= words.size())
                throw CliError("у параметра " + QuotedBack(w) + " нет значения");
            values_[name] = words[++i];
        } else {
            throw CliError("неизвестный параметр: " + QuotedBack(w));
        }
    }
}

bool CliOptions::has(const std::string& name) const {
    return values_.count(name) != 0;
}

std::string CliOptions::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) throw CliError("не указан параметр --" + name);
    return it->second;
}

std::optional<std::string> CliOptions::optionalValue(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

Moment ParseDate(const std::string& text, const std::string& optionName) {
    Scanner s(text);
    DateFields d;
    if (!ScanDate(s, d) || !s.atEnd())
        throw CliError("--" + optionName + ": ожидается дата вида YYYY-MM-DD, указано \"" +
                       QuotedBack(text) + "\"");
    return CheckedMoment(d.year, d.month, d.day, 0.0, text, optionName);
}

Moment ParseDateTime(const std::string& text, const std::string& optionName) {
    Scanner s(text);
    DateFields d;
    int hours = 0, minutes = 0, seconds = 0;
    const bool ok = ScanDate(s, d) && s.skipAny("T ") && ScanTime(s, false, hours, minutes) &&
                    (s.atEnd() || (s.skip(':') && s.digits(2, seconds))) && s.atEnd();
    if (!ok)
        throw CliError("--" + optionName + ": ожидается YYYY-MM-DDTHH:MM[:SS], указано \"" +
                       QuotedBack(text) + "\"");
    const double t = TimeFraction(hours, minutes, seconds, text, optionName);
    return CheckedMoment(d.year, d.month, d.day, t, text, optionName);
}

double ParseTimeOfDay(const std::string& text, const std::string& optionName) {
    Scanner s(text);
    int hours = 0, minutes = 0;
    if (!ScanTime(s, true, hours, minutes) || !s.atEnd())
        throw CliError("--" + optionName + ": ожидается время вида HH:MM, указано \"" +
                       QuotedBack(text) + "\"");
    return TimeFraction(hours, minutes, 0, text, optionName);
}

int ParseInteger(const std::string& text, const std::string& optionName, int low, int high) {
    Scanner s(text);
    const bool negative = s.skip('-');
    if (!negative) s.skip('+');
    int magnitude = 0;
    if (!s.digitsBetween(1, 9, magnitude) || !s.atEnd())
        throw CliError("--" + optionName + ": ожидается целое число, указано \"" +
                       QuotedBack(text) + "\"");
    const int v = negative ? -magnitude : magnitude;
    if (v < low || v > high)
        throw CliError("--" + optionName + ": должно быть от " + std::to_string(low) + " до " +
                       std::to_string(high) + ", указано " + QuotedBack(text));
    return v;
}

const std::vector<std::string>& ZoneOptionNames() {
    static const std::vector<std::string> kNames = {"zone-hours", "zone-index", "summer",
                                                    "longitude"};
    return kNames;
}

TimeSettings ParseZoneOptions(const CliOptions& options) {
    int zoneIndex = kDefaultZoneIndex;
    if (options.has("zone-hours") && options.has("zone-index"))
        throw CliError("укажите --zone-hours или --zone-index, но не оба");
    if (const auto hours = options.optionalValue("zone-hours")) {
        // [+-] one or two digits [. digits]; any number of decimals, read in one pass.
        Scanner s(*hours);
        const bool negative = s.skip('-');
        if (!negative) s.skip('+');
        const std::size_t numberStart = s.position();
        int whole = 0;
        bool ok = s.digitsBetween(1, 2, whole);
        if (ok && s.skip('.')) ok = s.digitRun();
        if (!ok || !s.atEnd())
            throw CliError("--zone-hours: ожидается число часов, указано \"" + QuotedBack(*hours) +
                           "\"");
        double h = 0;
        std::from_chars(hours->data() + numberStart, hours->data() + hours->size(), h);
        if (negative) h = -h;
        zoneIndex = -1;
        for (int i = 0; i < kZoneCount; ++i)
            if (std::fabs(ZoneTable[i].hours - h) < 1e-6) zoneIndex = i;
        if (zoneIndex < 0)
            throw CliError("--zone-hours: в списке нет пояса со смещением " + *hours);
    }
    if (const auto index = options.optionalValue("zone-index"))
        zoneIndex = ParseInteger(*index, "zone-index", 0, kZoneCount - 1);
    const int summer =
        options.has("summer") ? ParseInteger(options.value("summer"), "summer", -5, 5) : 0;
    const bool longitudeOn = options.has("longitude");
    const int longitude =
        longitudeOn ? ParseInteger(options.value("longitude"), "longitude", -180, 180) : 37;
    return TimeSettings::WithZoneIndex(zoneIndex, summer, longitude, longitudeOn);
}

int ParseJobs(const CliOptions& options) {
    return options.has("jobs") ? ParseInteger(options.value("jobs"), "jobs", 1, 256)
                               : DefaultJobCount();
}

const QLocale& CliLocale() {
    // Made on first use, lives until the tool exits.
    static const QLocale kRussian(QLocale::Russian, QLocale::Russia);
    return kRussian;
}

Moment CurrentCivilMoment(const TimeSettings& settings) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDate d = now.date();
    const QTime t = now.time();
    const Moment universal =
        EncodeMoment(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec());
    return CivilMomentOf(universal, settings);
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
