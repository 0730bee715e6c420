#pragma once
// gavrosin-cli table: the geomantic table of a dwelling.
//   table --azimuth A --date YYYY-MM-DD [--at YYYY-MM-DDTHH:MM] [zone options] [--json] [--report]
// With --report it prints the interpretation of the table instead of the table.
#include <ostream>
#include <string>
#include <vector>

// `args` are the words after "table". Prints the table on `out` (readable text, or one JSON
// object with --json); a bad argument gives one line on `err` and a non-zero exit code.
int RunTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
