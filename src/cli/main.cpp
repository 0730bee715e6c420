// SPDX-License-Identifier: GPL-3.0-or-later
// gavrosin-cli: the calendar and geomancy engines for scripts and batch work.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>

#include "astro/delta_t.h"
#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/render/table_files.h"

namespace {

const char* const kZoneUsage =
    "Пояс: --zone-hours H | --zone-index N (0..31), --summer N (-5..5),\n"
    "      --longitude D (-180..180, включает учет долготы). По умолчанию GMT+3, летнее время 0.\n"
    "      Или место: --place ТЕКСТ (пояс и летнее время места на каждый момент; место по\n"
    "      любому названию, уточнение через запятую: \"Вашингтон, США\"; неоднозначное\n"
    "      или частичное название отвергается со списком мест), долгота места учитывается\n"
    "      только с --place-longitude (как флажок «Учитывать долготу» в Установках),\n"
    "      или --tz ЗОНА (Europe/Moscow: пояс и летнее время по базе часовых поясов).\n"
    "Места: GeoNames (geonames.org), CC BY 4.0; границы поясов: timezone-boundary-builder\n"
    "      (OpenStreetMap), ODbL 1.0.\n"
    "Даты: от 1900-01-01 до 9000-01-01 (любое время последнего дня).\n";

const char* const kUsage =
    "gavrosin-cli — календарь и геомантия Gavrosin из командной строки\n"
    "\n"
    "Команды (с --json каждая строка вывода — один объект JSON):\n"
    "  moment   --date YYYY-MM-DDTHH:MM[:SS] [пояс]     календарь момента\n"
    "  days     --from YYYY-MM-DD --to YYYY-MM-DD [--time HH:MM] [пояс]\n"
    "                                                    по строке на день (по умолчанию 12:00)\n"
    "  terms    --from-year Y1 --to-year Y2              моменты 24 сезонов (всемирное время)\n"
    "  newmoons --from YYYY-MM-DD --to YYYY-MM-DD        новолуния (всемирное время)\n"
    "  select   --from YYYY-MM-DD --to YYYY-MM-DD [--time HH:MM] [условия] [пояс]\n"
    "           [--json | --ics FILE | --csv FILE]      выбор дней (см. select --help)\n"
    "  table    --azimuth A --date YYYY-MM-DD [--at YYYY-MM-DDTHH:MM] [пояс]\n"
    "                                                    геомантическая таблица жилища\n"
    "           [--report]                               ее интерпретация, по строке на абзац\n"
    "           [--pdf FILE] [--png FILE]                отчет для клиента в PDF, таблица в PNG\n"
    "  places   --search ТЕКСТ [--limit N]               места рождения (по-русски или латиницей)\n"
    "  person   --date YYYY-MM-DDTHH:MM[:SS] --sex m|f [пояс] | --file A.gvp [--year Y]\n"
    "                                                    полная карта рождения\n"
    "           --batch FILE [--jobs N]                  по строке JSON на рождение из CSV\n"
    "\n"
    "Потоки: days, terms и newmoons сначала ищут моменты сезонов и новолуния своих лет на всех\n"
    "        ядрах, затем идут по дням; --jobs N (1..256) ограничивает число потоков.\n"
    "        Вывод от числа потоков не зависит.\n"
    "ΔT:     моменты сезонов, новолуний и положение Солнца переводятся из динамического времени\n"
    "        во всемирное с поправкой ΔT; --no-delta-t (с любой командой) считает без нее, как\n"
    "        прежние версии.\n"
    "\n";
const char* const kCommandHelpHint = "Справка по команде: gavrosin-cli КОМАНДА --help\n";

using Command = int (*)(const CommandWords&, std::ostream&);

struct CommandEntry {
    Command run;
    // What `gavrosin-cli <command> --help` prints before the zone lines; none for a command that
    // answers --help itself.
    const char* usage;
    bool zoneOptions;
};

const std::map<std::string, CommandEntry>& Commands() {
    static const std::map<std::string, CommandEntry> kCommands = {
        {"moment",
         {RunMomentCommand,
          "gavrosin-cli moment --date YYYY-MM-DDTHH:MM[:SS] [пояс] [--json] [--almanac]\n"
          "  Календарь момента: столпы, сезоны, звезды, лунная дата.\n"
          "  --almanac: и альманах дня (дух и путь, столкновение и ша, стороны богов, запреты\n"
          "  Пэн Цзу, благоприятные часы).\n",
          true}},
        {"days",
         {RunDaysCommand,
          "gavrosin-cli days --from YYYY-MM-DD --to YYYY-MM-DD [--time HH:MM] [пояс] [--json] "
          "[--jobs N] [--almanac]\n"
          "  По строке на каждый день; время дня по умолчанию 12:00.\n"
          "  --almanac: и альманах каждого дня.\n",
          true}},
        {"terms",
         {RunTermsCommand,
          "gavrosin-cli terms --from-year Y1 --to-year Y2 [--json] [--jobs N]\n"
          "  Моменты 24 сезонов каждого года (всемирное время), годы 1900..8999.\n",
          false}},
        {"newmoons",
         {RunNewMoonsCommand,
          "gavrosin-cli newmoons --from YYYY-MM-DD --to YYYY-MM-DD [--json] [--jobs N]\n"
          "  Моменты новолуний (всемирное время).\n",
          false}},
        {"table",
         {[](const CommandWords& words, std::ostream& out) {
              return RunTableCommand(words, out, std::cerr, WriteTableFiles);
          },
          "gavrosin-cli table --azimuth A --date YYYY-MM-DD [--at YYYY-MM-DDTHH:MM] [пояс]\n"
          "                   [--json] [--report] [--pdf FILE] [--png FILE]\n"
          "  Геомантическая таблица жилища (азимут 0..360, дата постройки); с --report — ее\n"
          "  интерпретация, по строке на абзац. --at — момент расчета по часам пояса; без него\n"
          "  берется текущий всемирный момент, переведенный в пояс (часовой пояс компьютера\n"
          "  не учитывается).\n"
          "  --pdf FILE — документ для клиента: страница таблицы, затем интерпретация.\n"
          "  --png FILE — изображение таблицы (вдвое крупнее экрана). Рисуются без экрана.\n",
          true}},
        {"select", {RunSelectCommand, nullptr, true}},
        {"person",
         {RunPersonCommand,
          "gavrosin-cli person --date YYYY-MM-DDTHH:MM[:SS] --sex m|f [пояс] [--year Y] [--json]\n"
          "gavrosin-cli person --file A.gvp [--year Y] [--json]\n"
          "gavrosin-cli person --batch FILE [--jobs N]\n"
          "  Полная карта рождения: столпы, звезды рождения, Гуа, столпы удачи; скрытые стволы\n"
          "  и Десять Богов, стадии, пустота, зачатие, дворцы жизни и тела, символические звезды,\n"
          "  малая удача, годы каждого столпа удачи; с --year — месяцы этого года.\n"
          "  --batch FILE — CSV с заголовком: date,sex и place, или tz, или\n"
          "  zone_hours[,summer][,longitude] (и name по желанию); по строке JSON на рождение\n"
          "  в порядке файла, ошибка строки — {\"line\":N,\"error\":...}, код выхода 2 в конце.\n",
          true}},
        {"places",
         {RunPlacesCommand,
          "gavrosin-cli places --search ТЕКСТ [--limit N] [--json]\n"
          "  Места (по-русски или латиницей, без учета ударений и ё): название, страна, "
          "координаты,\n"
          "  население и часовой пояс; лучшие совпадения и самые населенные первыми.\n",
          false}},
    };
    return kCommands;
}

bool AsksForHelp(const CommandWords& words) {
    for (const std::string& w : words)
        if (w == "--help" || w == "-h") return true;
    return false;
}

// Standard output redirected into a regular file: where our output starts in it, so a failed
// write can take back what was written instead of leaving a partial file.
struct OutputFile {
    bool regular = false;
    off_t start = 0;
};

OutputFile ProbeOutputFile() {
    struct stat st;
    if (fstat(STDOUT_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return {};
    const int flags = fcntl(STDOUT_FILENO, F_GETFL);
    const off_t position = lseek(STDOUT_FILENO, 0, SEEK_CUR);
    if (position < 0) return {};
    return {true, (flags >= 0 && (flags & O_APPEND)) ? st.st_size : position};
}

// Flushes standard output; a failure (a full disk, /dev/full, a closed descriptor) is reported
// in one line and a file output is cut back to what it held before.
bool OutputWritten(const OutputFile& file) {
    errno = 0;
    std::cout.flush();
    if (std::cout) return true;
    const int error = errno;
    std::cerr << "gavrosin-cli: вывод не удалось записать"
              << (error ? std::string(" (") + std::strerror(error) + ")" : std::string()) << "\n";
    if (file.regular && ftruncate(STDOUT_FILENO, file.start) != 0) {
        std::cerr.flush();  // nothing more can be done about it
    }
    return false;
}

int Run(const CommandWords& words) {
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : std::cout) << kUsage << kZoneUsage << kCommandHelpHint;
        return words.empty() ? 2 : 0;
    }
    const auto command = Commands().find(words[0]);
    if (command == Commands().end()) {
        std::cerr << "gavrosin-cli: неизвестная команда \"" << words[0] << "\" (см. --help)\n";
        return 2;
    }
    // --no-delta-t belongs to every command: taken out here, for the whole run.
    CommandWords rest;
    for (auto w = words.begin() + 1; w != words.end(); ++w) {
        if (*w == "--no-delta-t")
            SetDeltaTApplied(false);
        else
            rest.push_back(*w);
    }
    if (AsksForHelp(rest) && command->second.usage) {
        std::cout << command->second.usage << (command->second.zoneOptions ? kZoneUsage : "");
        return 0;
    }
    try {
        return command->second.run(rest, std::cout);
    } catch (const std::exception& e) {
        // The system's own errors (GavrosinError: arguments, dates out of range, files) and
        // anything else the standard library raises: one line, exit 2.
        std::cerr << "gavrosin-cli: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    // The tool speaks Russian whatever the environment: dates in documents, names of months.
    QLocale::setDefault(CliLocale());
    const OutputFile file = ProbeOutputFile();
    int code = Run(CommandWords(argv + 1, argv + argc));
    if (!OutputWritten(file)) code = 2;
    return code;
}
