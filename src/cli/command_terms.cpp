// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/solar_terms.h"
#include "astro/term_instant_cache.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/json_writer.h"

int RunTermsCommand(const CommandWords& words, std::ostream& out) {
    const CliOptions options(words, {"from-year", "to-year", "jobs"}, {"json"});
    const int first = ParseInteger(options.value("from-year"), "from-year", 1900, 8999);
    const int last = ParseInteger(options.value("to-year"), "to-year", 1900, 8999);
    if (last < first) throw CliError("--to-year раньше, чем --from-year");
    const bool json = options.flag("json");
    const int jobs = ParseJobs(options);
    if (jobs > 1) SharedTermInstantCache().Prefill(first, last, jobs);
    JsonObject record;
    for (int year = first; year <= last && out; ++year) {  // stop once the output fails
        for (TermIndex k = 0; k < 24; ++k) {
            const double instant = TermInstant(year, k);
            if (json) {
                record.clear();
                record.add("year", year).add("k", k).add("day_count", instant).writeLine(out);
            } else {
                out << year << "  " << k << "  " << IsoDateTime(instant) << "  " << TermOf(k).name
                    << "\n";
            }
        }
    }
    return 0;
}
