// SPDX-License-Identifier: GPL-3.0-or-later
// places, --place and --tz end to end (tzdata as the distribution ships it).
#include <gtest/gtest.h>
#include <algorithm>

#include "cli/run_cli.h"

namespace {
std::string FieldsFrom(const std::string& line, const std::string& key) {
    const auto at = line.find("\"" + key + "\"");
    return at == std::string::npos ? std::string() : line.substr(at);
}
}  // namespace

TEST(CliPlaces, SearchListsBestMatchesFirst) {
    CliRun run = RunCli("places --search 'москва' --limit 2 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
              "{\"name\":\"Москва\",\"country\":\"Россия\",\"region\":\"\",\"latitude\":55.752,"
              "\"longitude\":37.616,\"population\":10381222,\"time_zone\":\"Europe/Moscow\"}\n");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
    run = RunCli("places --search 'Ярославль' --limit 1 --json");
    EXPECT_NE(run.out.find("\"country\":\"Россия\",\"region\":\"Ярославская область\""),
              std::string::npos)
        << run.out;
    run = RunCli("places --search 'Sao Paulo' --limit 1");
    EXPECT_EQ(run.out,
              "Сан-Паулу, Бразилия (23.55° ю.ш., 46.64° з.д.)  10021295  America/Sao_Paulo\n");
}

TEST(CliPlaces, PlaceAndZoneIdResolveEachMoment) {
    CliRun run = RunCli("moment --date 1985-07-01T12:00 --place 'Москва' --place-longitude --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FieldsFrom(run.out, "zone_hours"),
              "\"zone_hours\":3,\"summer\":1,\"longitude\":37.616111,\"time_zone\":\"Europe/"
              "Moscow\",\"warnings\":[]}\n");
    run = RunCli("moment --date 1990-06-01T12:00 --place 'Kolkata' --json");
    EXPECT_EQ(FieldsFrom(run.out, "zone_hours").substr(0, 29),
              "\"zone_hours\":5.5,\"summer\":0,\"");
    run = RunCli("moment --date 1900-01-01T12:00 --tz Europe/Moscow --json");
    EXPECT_EQ(FieldsFrom(run.out, "zone_hours"),
              "\"zone_hours\":2.50472222222222,\"summer\":0,\"longitude\":null,\"time_zone\":"
              "\"Europe/Moscow\",\"warnings\":[]}\n");
    // 1983-09-30 23:30 was shown twice in Moscow; the winter reading is past the day turn.
    run = RunCli("moment --date 1983-09-30T23:30 --tz Europe/Moscow --json");
    EXPECT_NE(run.out.find("{\"clock\":\"repeated\",\"text\":\"это время было дважды: часы "
                           "переводили с 00:00 на 23:00\",\"other\":{\"year\":[10,12],"
                           "\"month\":[8,10],\"day\":[9,11],\"hour\":[7,1]}}"),
              std::string::npos)
        << run.out;
    // Li Chun 2024 at 08:27:07 universal time: 11:24 on a Moscow clock is 3 minutes before it.
    run = RunCli("moment --date 2024-02-04T11:24 --tz Europe/Moscow --json");
    EXPECT_NE(run.out.find("\"warnings\":[{\"boundary\":\"spring_begins\",\"minutes\":3}]"),
              std::string::npos)
        << run.out;

    // Summer time began in Moscow on 1990-03-25.
    run = RunCli("days --from 1990-03-20 --to 1990-04-05 --place 'Москва' --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string summerByDay;
    for (std::size_t at = 0; (at = run.out.find("\"summer\":", at)) != std::string::npos; ++at)
        summerByDay += run.out[at + 9];
    EXPECT_EQ(summerByDay, "00000111111111111");
    // The days command warns a skipped clock time as the moment command does.
    run = RunCli("days --from 1990-03-24 --to 1990-03-26 --time 02:30 --place 'Москва'");
    const std::size_t warning =
        run.out.find("Внимание: такого времени не было: часы переводили с 02:00 на 03:00\n");
    EXPECT_TRUE(warning > run.out.find("1990-03-25") && warning < run.out.find("1990-03-26"))
        << run.out;
    EXPECT_EQ(run.out.rfind("Внимание"), warning);
    run = RunCli("days --from 1990-03-25 --to 1990-03-26 --time 02:30 --place 'Москва' --json");
    EXPECT_NE(run.out.find("\"warnings\":[{\"clock\":\"skipped\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"warnings\":[]"), std::string::npos) << run.out;

    run = RunCli(
        "table --azimuth 180 --date 2024-06-01 --at 2024-06-01T12:00 --tz Asia/Kolkata --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

// The longitude rule of a picked place: its longitude, the correction as the settings have it,
// off by default (the person window's picker follows the settings window the same way).
TEST(CliPlaces, APlaceLeavesTheLongitudeCorrectionAsTheSettingsHaveIt) {
    const CliRun off = RunCli("moment --date 1985-01-15T13:10 --place 'Москва' --json");
    ASSERT_EQ(off.exitCode, 0) << off.err;
    EXPECT_NE(off.out.find("\"longitude\":null"), std::string::npos) << off.out;
    const CliRun on =
        RunCli("moment --date 1985-01-15T13:10 --place 'Москва' --place-longitude --json");
    EXPECT_NE(on.out.find("\"longitude\":37.616111,"), std::string::npos) << on.out;
    EXPECT_NE(off.out.substr(0, off.out.find("\"term\"")),
              on.out.substr(0, on.out.find("\"term\"")));
}

// A text that names no place surely is refused with the candidates; a former name is taken and
// said on stderr, never silently.
TEST(CliPlaces, AWeakMatchIsRefusedAndAnotherNameIsSaid) {
    CliRun run = RunCli("moment --date 2000-01-01T12:00 --place 'Александровка'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Александровка, Украина, Кировоградская область"), std::string::npos)
        << run.err;
    run = RunCli("moment --date 2000-01-01T12:00 --place 'Свердловск' --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(
        run.err,
        "--place: «Свердловск» — это Екатеринбург, Россия, Свердловская область (56.85° с.ш., "
        "60.61° в.д.)\n");
    run = RunCli("moment --date 2000-01-01T12:00 --place 'Калининград' --json");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("так прежде называлось и другое место: Королев, Россия"),
              std::string::npos)
        << run.err;
}

TEST(CliPlaces, BadPlacesAndZonesAreOneLineAndExitTwo) {
    for (const char* args :
         {"places --search 'qqqzzxx'", "moment --date 2000-01-01T12:00 --place 'qqqzzxx'",
          "moment --date 2000-01-01T12:00 --tz Mars/Base",
          "days --from 2000-01-01 --to 2000-01-02 --tz Mars/Base",
          "moment --date 2000-01-01T12:00 --tz Europe/Moscow --zone-index 3",
          "places --search 'Москва' --limit 0"}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    }
}
