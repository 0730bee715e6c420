// gavrosin-cli: the calendar and geomancy engines for scripts and batch work.
#include <QLocale>
#include <iostream>
#include <map>

#include "astro/convert_error.h"
#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/commands.h"

namespace {

const char* const kUsage =
    "gavrosin-cli — календарь и геомантия Gavrosin из командной строки\n"
    "\n"
    "Команды (с --json каждая строка вывода — один объект JSON):\n"
    "  moment   --date YYYY-MM-DDTHH:MM[:SS] [пояс]     календарь момента\n"
    "  days     --from YYYY-MM-DD --to YYYY-MM-DD [--time HH:MM] [пояс]\n"
    "                                                    по строке на день (по умолчанию 12:00)\n"
    "  terms    --from-year Y1 --to-year Y2              моменты 24 сезонов (всемирное время)\n"
    "  newmoons --from YYYY-MM-DD --to YYYY-MM-DD        новолуния (всемирное время)\n"
    "  table    --azimuth A --date YYYY-MM-DD [--at YYYY-MM-DDTHH:MM] [пояс]\n"
    "                                                    геомантическая таблица жилища\n"
    "           [--report]                               ее интерпретация, по строке на абзац\n"
    "\n"
    "Пояс: --zone-hours H | --zone-index N (0..31), --summer N (-5..5),\n"
    "      --longitude D (-180..180, включает учет долготы). По умолчанию GMT+3, летнее время 0.\n"
    "Даты: от 1900-01-01 до 9000-01-01.\n"
    "Потоки: days, terms и newmoons сначала ищут моменты сезонов и новолуния своих лет на всех\n"
    "        ядрах, затем идут по дням; --jobs N (1..256) ограничивает число потоков.\n"
    "        Вывод от числа потоков не зависит.\n";

using Command = int (*)(const CommandWords&, std::ostream&);

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> kCommands = {
        {"moment", RunMomentCommand},
        {"days", RunDaysCommand},
        {"terms", RunTermsCommand},
        {"newmoons", RunNewMoonsCommand},
        {"table", [](const CommandWords& words, std::ostream& out) {
             return RunTableCommand(words, out, std::cerr);
         }},
    };
    return kCommands;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    QLocale::setDefault(CliLocale());
    const CommandWords words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : std::cout) << kUsage;
        return words.empty() ? 2 : 0;
    }
    const auto command = Commands().find(words[0]);
    if (command == Commands().end()) {
        std::cerr << "gavrosin-cli: unknown command \"" << words[0] << "\" (see --help)\n";
        return 2;
    }
    try {
        return command->second(CommandWords(words.begin() + 1, words.end()), std::cout);
    } catch (const CliError& e) {
        std::cerr << "gavrosin-cli: " << e.what() << "\n";
        return 2;
    } catch (const EConvertError& e) {
        std::cerr << "gavrosin-cli: " << e.what() << "\n";
        return 1;
    }
}
