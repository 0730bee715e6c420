// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/new_moon.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/json_writer.h"

int RunNewMoonsCommand(const CommandWords& words, std::ostream& out) {
    const CliOptions options(words, {"from", "to", "jobs"}, {"json"});
    const Moment from = ParseDate(options.value("from"), "from");
    const Moment to = ParseDate(options.value("to"), "to") + 1;  // through the end of that day
    if (to <= from) throw CliError("--to раньше, чем --from");
    const bool json = options.flag("json");
    const int jobs = ParseJobs(options);
    if (jobs > 1) SharedLunationCache.PrefillNewMoons(from, to, jobs);
    JsonObject record;
    for (Moment m = NextNewMoon(from); m < to && out;
         m = NextNewMoon(m + 1)) {  // stop once the output fails
        if (json) {
            record.clear();
            record.add("day_count", m).writeLine(out);
        } else {
            out << IsoDateTime(m) << "\n";
        }
    }
    return 0;
}
