// SPDX-License-Identifier: GPL-3.0-or-later
// The house client document of `gavrosin-cli table --pdf` as the client sees it: the phase legend
// drawn where its words are, and a Russian document (and Russian errors) under any environment.
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>
#include <string>

#include "cli/run_cli.h"
#include "support/pdf_pages.h"

namespace {

const std::string kTable = "table --azimuth 187 --date 1990-07-01 --at 2024-05-05T10:00";

// The environment of a bare system: no language chosen at all.
class BareEnvironment : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"LANG", "LC_ALL", "LANGUAGE", "LC_TIME"}) {
            const char* value = std::getenv(name);
            saved_.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
        }
        setenv("LANG", "C", 1);
        setenv("LC_ALL", "C", 1);
        unsetenv("LANGUAGE");
        unsetenv("LC_TIME");
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_)
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    QString WritePdf() {
        const QString pdf = dir_.filePath(QStringLiteral("house.pdf"));
        const CliRun run = RunCli(kTable + " --pdf '" + pdf.toStdString() + "'");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return pdf;
    }

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(BareEnvironment, ThePhaseLegendIsDrawnWhereItsWordsAre) {
    if (!PopplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    const QString pdf = WritePdf();
    const QImage page = PdfPageImage(pdf, 1);
    ASSERT_FALSE(page.isNull());
    int legendWords = 0;
    for (const PdfWord& w : PdfWords(pdf, 1)) {
        if (!w.text.startsWith(QStringLiteral("(")) || !w.text.endsWith(QStringLiteral(")")))
            continue;  // "(Ван)", "(Шэн)", "(Туй)", "(Ша)", "(Сы)"
        ++legendWords;
        EXPECT_GT(InkIn(page, w.box), 0.08) << w.text.toStdString();
    }
    EXPECT_EQ(legendWords, 5);
}

TEST_F(BareEnvironment, TheToolSpeaksRussian) {
    if (!PopplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
    const QString text = RunPoppler(QStringLiteral("pdftotext"),
                                    {"-f", "1", "-l", "1", WritePdf(), QStringLiteral("-")})
                             .simplified();
    EXPECT_TRUE(text.contains(QString::fromUtf8("строительства или переезда: 1 июля 1990")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Расчет на: 5 мая 2024")));
    EXPECT_FALSE(text.contains(QStringLiteral("July")));

    struct Case {
        std::string arguments;
        std::string message;
    };
    for (const Case& c :
         {Case{"table --azimuth 400 --date 2000-01-01",
               "--azimuth: Азимут должен быть от 0 до 360 градусов, указано \"400\"\n"},
          Case{"days --from 2024-01-01 --to 2024-01-02 --jobs 0",
               "--jobs: должно быть от 1 до 256, указано 0\n"},
          Case{"moment --date 2024-02-30T12:00", "--date: такой даты нет: 2024-02-30T12:00\n"},
          Case{"horoscope", "неизвестная команда \"horoscope\" (см. --help)\n"}}) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "gavrosin-cli: " + c.message);
    }
}

}  // namespace
