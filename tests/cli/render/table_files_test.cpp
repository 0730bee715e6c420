// SPDX-License-Identifier: GPL-3.0-or-later
// gavrosin-cli table --pdf/--png end to end, with no display: the built tool writes the client
// document and the chart picture, read back by poppler and QImage; a file that cannot be written
// is one line and nothing on disk; the text outputs never start the window system.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "cli/run_cli.h"

namespace {

const std::string kTable = "table --azimuth 187 --date 1990-07-01 --at 2024-05-05T10:00";

QString Run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PageCount(const QString& pdf) {
    for (const QString& line : Run(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return 0;
}

// The text of pages first..last, its white space folded to single spaces.
QString PdfText(const QString& pdf, int first, int last) {
    return Run(QStringLiteral("pdftotext"),
               {"-f", QString::number(first), "-l", QString::number(last), pdf, "-"})
        .simplified();
}

int CountLines(const std::string& s) {
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

class CliTableFiles : public ::testing::Test {
protected:
    void SetUp() override {
        // As over SSH: no display and no platform chosen; the tool picks the offscreen one itself.
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("QT_QPA_PLATFORM");
        ASSERT_TRUE(dir_.isValid());
    }
    std::string Path(const char* name) const {
        return dir_.filePath(QString::fromUtf8(name)).toStdString();
    }
    QTemporaryDir dir_;
};

TEST_F(CliTableFiles, TheClientDocumentIsTheChartPageThenTheReportAndThePictureIsTheChart) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed (scripts/install-deps.sh)";
    const std::string pdf = Path("клиент.pdf"), png = Path("chart.png");
    const CliRun run = RunCli(kTable + " --pdf '" + pdf + "' --png '" + png + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Таблица записана в " + png + "\nОтчет записан в " + pdf + "\n");

    const QString file = QString::fromStdString(pdf);
    const int pages = PageCount(file);
    ASSERT_GT(pages, 1);
    const QString first = PdfText(file, 1, 1);
    EXPECT_TRUE(first.contains(QString::fromUtf8("Азимут: 187"))) << first.toStdString();
    const QString report = PdfText(file, 2, pages);
    EXPECT_TRUE(report.contains(QString::fromUtf8("ИНТЕРПРЕТАЦИЯ ЗНАКА")));
    // A paragraph of the report the text output prints for the same table.
    const CliRun text = RunCli(kTable + " --report");
    ASSERT_EQ(text.exitCode, 0);
    QString paragraph;  // the longest, without its style name ("Text<TAB>…")
    for (const QString& line : QString::fromStdString(text.out).split(QLatin1Char('\n'))) {
        const QString body = line.section(QLatin1Char('\t'), 1);
        if (body.size() > paragraph.size()) paragraph = body;
    }
    ASSERT_GT(paragraph.size(), 40);
    EXPECT_TRUE(report.contains(paragraph.simplified().left(40))) << paragraph.toStdString();

    // The sheet at twice the screen size (no narrower than its 600-pixel minimum), in colour.
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 2 * 600);
    EXPECT_GT(image.height(), 2 * 300);
    EXPECT_EQ(image.width() % 2 + image.height() % 2, 0);
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
}

TEST_F(CliTableFiles, AFileThatCannotBeWrittenIsOneLineAndNothingOnDisk) {
    for (const char* option : {"--pdf", "--png"}) {
        const std::string blocked = Path("missing/out.file");
        const CliRun run = RunCli(kTable + " " + option + " '" + blocked + "'");
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_EQ(CountLines(run.err), 1) << run.err;
        EXPECT_EQ(run.err.rfind("gavrosin-cli: Файл «", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("не сохранен"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
    // Files are what the table command writes instead of its text.
    const CliRun both = RunCli(kTable + " --json --pdf '" + Path("a.pdf") + "'");
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_EQ(CountLines(both.err), 1) << both.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("a.pdf"))));
}

// The user's files that look like a temporary of the document (an hour old, as a killed save's
// leftover could be) survive its save.
TEST_F(CliTableFiles, FilesNamedLikeTheDocumentSurviveItsSave) {
    const QStringList lookAlikes = {"out.pdf.202401", "out.pdf.OldOne", "out.pdf.copy01",
                                    "out.pdf.draft1", "out.pdf.final2", "out.pdf.v2back"};
    for (const QString& name : lookAlikes) {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                      QFileDevice::FileModificationTime);
    }
    const CliRun run = RunCli(kTable + " --pdf '" + Path("out.pdf") + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(),
              lookAlikes.size() + 1);
}

TEST_F(CliTableFiles, TextOutputsNeverStartTheWindowSystem) {
    // A platform that does not exist stops any program that starts the window system.
    setenv("QT_QPA_PLATFORM", "no-such-platform", 1);
    for (const std::string& extra :
         {std::string(), std::string(" --json"), std::string(" --report")}) {
        const CliRun run = RunCli(kTable + extra);
        EXPECT_EQ(run.exitCode, 0) << extra << ": " << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_GE(CountLines(run.out), 1);
    }
    const CliRun drawn = RunCli(kTable + " --png '" + Path("chart.png") + "'");
    EXPECT_NE(drawn.exitCode, 0);
}

}  // namespace
