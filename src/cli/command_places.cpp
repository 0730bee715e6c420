// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/place_options.h"
#include "text/utf8.h"

int RunPlacesCommand(const CommandWords& words, std::ostream& out) {
    const CliOptions options(words, {"search", "limit"}, {"json"});
    const std::string text = options.value("search");
    const int limit =
        options.has("limit") ? ParseInteger(options.value("limit"), "limit", 1, 1000) : 10;
    const PlaceTable& table = CliPlaceTable();
    const auto found = table.Search(text, static_cast<std::size_t>(limit));
    if (found.empty()) throw CliError("--search: не найдено место \"" + QuotedBack(text) + "\"");
    for (const std::size_t i : found) {
        const Place& p = table.at(i);
        if (options.flag("json")) {
            JsonObject o;
            o.add("name", p.name)
                .add("country", p.country)
                .add("region", p.region)
                .addShortest("latitude", p.latitude)
                .addShortest("longitude", p.longitude)
                .addShortest("population", static_cast<double>(p.population))
                .add("time_zone", p.timeZone);
            out << o.str() << "\n";
        } else {
            out << PlaceCaption(p) << "  " << p.population << "  " << p.timeZone << "\n";
        }
    }
    return 0;
}
