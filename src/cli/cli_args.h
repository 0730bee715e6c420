// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command-line words: options, dates and the zone options shared by every command.
#include <QLocale>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "astro/local_time.h"
#include "text/gavrosin_error.h"

// A bad argument: the message is printed as one line on stderr and the tool exits non-zero.
class CliError : public GavrosinError {
public:
    explicit CliError(const std::string& m) : GavrosinError(m) {}
};

// The options of one command: "--name value" pairs and bare flags ("--json").
class CliOptions {
public:
    // `valued` and `flags` list the accepted option names (without "--"); anything else is refused.
    CliOptions(const std::vector<std::string>& words, const std::vector<std::string>& valued,
               const std::vector<std::string>& flags);

    bool has(const std::string& name) const;
    bool flag(const std::string& name) const { return has(name); }
    // The value of an option; CliError when it is required and absent.
    std::string value(const std::string& name) const;
    std::optional<std::string> optionalValue(const std::string& name) const;

private:
    std::map<std::string, std::string> values_;
};

// First and last days the program accepts, 1900-01-01 and 9000-01-01, as moments at 00:00; every
// time of day of either day is accepted.
constexpr double kFirstMoment = 2;
constexpr double kLastMoment = 2593224;

// "YYYY-MM-DD" -> moment at 00:00; CliError for a malformed or out-of-range date.
Moment ParseDate(const std::string& text, const std::string& optionName);
// "YYYY-MM-DDTHH:MM[:SS]" (a blank may replace the T) -> moment.
Moment ParseDateTime(const std::string& text, const std::string& optionName);
// "HH:MM" -> fraction of a day.
double ParseTimeOfDay(const std::string& text, const std::string& optionName);
// A whole number within [low, high].
int ParseInteger(const std::string& text, const std::string& optionName, int low, int high);

// Zone options: --zone-hours H | --zone-index N, --summer N, --longitude D (switches the
// longitude correction on). Without them: GMT+3, summer 0, longitude off.
TimeSettings ParseZoneOptions(const CliOptions& options);
// The option names ParseZoneOptions reads, for a command's accepted list.
const std::vector<std::string>& ZoneOptionNames();

// --jobs N (1..256): threads a ranged command may compute on; without it, every hardware thread.
int ParseJobs(const CliOptions& options);

// The locale every text of the tool is written in, whatever the computer's: Russian (Russia).
const QLocale& CliLocale();

// Now, as the clock of the given zone and summer shift shows it: the current universal instant
// with the zone applied (the computer's own time zone plays no part).
Moment CurrentCivilMoment(const TimeSettings& settings);

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" of a moment (proleptic Gregorian, millisecond-rounded).
std::string IsoDate(Moment x);
std::string IsoDateTime(Moment x);
