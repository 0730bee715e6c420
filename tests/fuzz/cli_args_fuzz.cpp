// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's argument parsing on any words (one per line of the input): it accepts or
// refuses with CliError, never anything else, and what it accepts lies in range. Inputs of
// several hundred kilobytes reach the long values that once overflowed the stack.
#include <cstdint>

#include "cli/cli_args.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words;
    if (!input.empty()) words = SplitFields(input, '\n', 64);
    std::vector<std::string> valued = {"date", "from", "to", "time", "azimuth", "from-year"};
    valued.insert(valued.end(), ZoneOptionNames().begin(), ZoneOptionNames().end());
    try {
        const CliOptions options(words, valued, {"json", "report"});
        const auto inRange = [](Moment m) { return m >= kFirstMoment && m < kLastMoment + 1; };
        if (options.has("date")) FUZZ_CHECK(inRange(ParseDateTime(options.value("date"), "date")));
        if (options.has("from")) FUZZ_CHECK(inRange(ParseDate(options.value("from"), "from")));
        if (options.has("time")) {
            const double t = ParseTimeOfDay(options.value("time"), "time");
            FUZZ_CHECK(t >= 0 && t < 1);
        }
        if (options.has("azimuth")) {
            const int a = ParseInteger(options.value("azimuth"), "azimuth", 0, 360);
            FUZZ_CHECK(a >= 0 && a <= 360);
        }
        const TimeSettings s = ParseZoneOptions(options);
        FUZZ_CHECK(s.summerHours >= -5 && s.summerHours <= 5);
        FUZZ_CHECK(s.longitude >= -180 && s.longitude <= 180);
        FUZZ_CHECK(s.zoneHours() >= -12 && s.zoneHours() <= 13);
    } catch (const CliError&) {
        // a refusal is a fine answer; any other exception escapes and is reported
    }
    return 0;
}
