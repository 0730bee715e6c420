// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of gavrosin-cli. Each takes the words after its name and returns the exit code;
// a bad argument is raised as CliError and reported by main.
#include <ostream>
#include <string>
#include <vector>

using CommandWords = std::vector<std::string>;

int RunMomentCommand(const CommandWords& words, std::ostream& out);
int RunDaysCommand(const CommandWords& words, std::ostream& out);
int RunTermsCommand(const CommandWords& words, std::ostream& out);
int RunSelectCommand(const CommandWords& words, std::ostream& out);
int RunNewMoonsCommand(const CommandWords& words, std::ostream& out);
int RunPlacesCommand(const CommandWords& words, std::ostream& out);
int RunPersonCommand(const CommandWords& words, std::ostream& out);
