// SPDX-License-Identifier: GPL-3.0-or-later
// The documents the client receives, read back through poppler as a reader sees them: no row of a
// table parted between two pages, no heading at the foot of a page without its first lines, no
// text outside the part of the page that shows it (nothing hidden under the header), and the
// Chinese characters as text.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLocale>
#include <QPageLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>

#include "almanac/almanac_lines.h"
#include "almanac/almanac_names.h"
#include "astro/moment.h"
#include "interpretation/ui/client_document.h"
#include "person/chart_details.h"
#include "person/chinese_characters.h"
#include "person/ui/birth_place_row.h"
#include "person/ui/people_window.h"
#include "person/ui/person_entry.h"
#include "reference/ui/calendar_window.h"
#include "support/file_dialog_recorder.h"
#include "support/geomantic_tables.h"
#include "support/pdf_pages.h"
#include "support/shell_test.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/print_export.h"

namespace {

// Points: poppler rounds the boxes, and measures a face by its own box rather than its line.
constexpr double kEdge = 1.5;

class DocumentPages : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (!PopplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
        ASSERT_TRUE(dir_.isValid());
    }
    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir_;
    FileDialogRecorder dialogs_;
};

struct PdfLine {
    int page;
    QRectF box;
    bool bold;
    QString text;
};

// The runs of the pages' bodies from `firstPage` on, gathered into lines top to bottom (runs whose
// middles fall within one another's height).
std::vector<PdfLine> BodyLines(std::vector<PdfTextRun> runs, const QRectF& body, int firstPage) {
    std::sort(runs.begin(), runs.end(), [](const PdfTextRun& a, const PdfTextRun& b) {
        return std::make_tuple(a.page, a.box.top(), a.box.left()) <
               std::make_tuple(b.page, b.box.top(), b.box.left());
    });
    std::vector<PdfLine> lines;
    for (const PdfTextRun& r : runs) {
        if (r.page < firstPage || r.text.trimmed().isEmpty() || r.box.bottom() < body.top() ||
            r.box.top() > body.bottom())
            continue;
        if (!lines.empty() && lines.back().page == r.page &&
            r.box.center().y() < lines.back().box.bottom()) {
            PdfLine& l = lines.back();
            l.box |= r.box;
            l.bold = l.bold && r.bold;
            l.text += QLatin1Char(' ') + r.text;
        } else {
            lines.push_back({r.page, r.box, r.bold, r.text});
        }
    }
    return lines;
}

// Every run of text lies in the body of its page, or is in the band of the header line or of the
// page number; on the pages of flowed text from `firstTextPage` on, a heading (a line all in bold)
// has two lines under it on its page, or its one line when the next page opens with a heading.
void ExpectWholePages(const QString& pdf, int firstTextPage) {
    const PageBands bands = DocumentPageBands(DocumentPageLayout(QLocale()));
    const std::vector<PdfTextRun> runs = PdfTextRuns(pdf);
    ASSERT_GT(runs.size(), 10u);
    for (const PdfTextRun& r : runs) {
        const bool inBody = r.box.top() >= bands.body.top() - kEdge &&
                            r.box.bottom() <= bands.body.bottom() + kEdge;
        const bool inHeader = r.box.bottom() <= bands.header.bottom() + kEdge;
        const bool inFooter = r.box.top() >= bands.footer.top() - kEdge;
        EXPECT_TRUE(inBody || inHeader || inFooter)
            << "page " << r.page << ", " << r.box.top() << " pt: " << r.text.toStdString();
    }
    const std::vector<PdfLine> lines = BodyLines(runs, bands.body, firstTextPage);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].bold) continue;
        std::size_t under = 0;
        while (i + under + 1 < lines.size() && lines[i + under + 1].page == lines[i].page) ++under;
        const std::size_t next = i + under + 1;  // the first line of the next page
        const bool sectionEnds = under == 1 && next < lines.size() && lines[next].bold;
        EXPECT_TRUE(under >= 2 || sectionEnds || next == lines.size())
            << "page " << lines[i].page << ": " << lines[i].text.toStdString();
    }
}

// The run that holds `text`, and whose line is that of `beside` when one is given.
const PdfTextRun* FindRun(const std::vector<PdfTextRun>& runs, const QString& text,
                          const PdfTextRun* beside = nullptr) {
    for (const PdfTextRun& r : runs) {
        if (!r.text.contains(text)) continue;
        if (!beside) return &r;
        if (r.page == beside->page && std::abs(r.box.center().y() - beside->box.center().y()) < 8)
            return &r;
    }
    return nullptr;
}

Place PlaceOf(const char* name, double latitude, double longitude, const char* zone) {
    Place p;
    p.name = name;
    p.latitude = latitude;
    p.longitude = longitude;
    p.timeZone = zone;
    return p;
}

// A woman born in Moscow with fifteen symbolic stars, a birth at a clock time Moscow skipped
// (summer time began at 02:00 on 25 March 1990), and one a minute after "Становление весны" in
// Beijing (boundary warnings): the whole client document of each.
TEST_F(DocumentPages, ThePersonsDocumentKeepsItsRowsAndHeadingsAndHidesNothing) {
    PillarGlyphs glyphs;
    PeopleHost host;
    host.timeSettings = [] { return TimeSettings(); };
    host.calendarYear = [] { return 2026; };
    const Place moscow = PlaceOf("Москва", 55.75, 37.62, "Europe/Moscow");
    const Place beijing = PlaceOf("Пекин", 39.9, 116.4, "Asia/Shanghai");
    for (const auto& [birth, place] : {std::make_pair(EncodeMoment(1954, 11, 26, 15, 19), moscow),
                                       std::make_pair(EncodeMoment(1990, 3, 25, 2, 30), moscow),
                                       std::make_pair(EncodeMoment(1984, 2, 4, 23, 20), beijing)}) {
        TFormPeople w(glyphs, host);
        w.show();
        EnterPerson(w, "Анна", birth, false);
        w.BirthPlace->askPlace = [place = place](QWidget*) { return std::optional<Place>(place); };
        w.BirthPlace->ButtonPlace->click();
        w.Raschet();
        dialogs_.saveAnswer = Path("person.pdf");
        w.ActionClientReport->trigger();
        SCOPED_TRACE(DecodeMoment(birth).year);
        ExpectWholePages(dialogs_.saveAnswer, 2);

        // Each luck pillar's characters, as text, on the line of its years; a row that ends a
        // page ends there whole, the next row is the first line of the next page.
        std::vector<PdfTextRun> runs = PdfTextRuns(dialogs_.saveAnswer);
        runs.erase(std::remove_if(runs.begin(), runs.end(),
                                  [](const PdfTextRun& r) { return r.page == 1; }),
                   runs.end());  // the chart page has the years too
        const std::vector<PdfLine> lines =
            BodyLines(runs, DocumentPageBands(DocumentPageLayout(QLocale())).body, 2);
        const ChartDetails details = ComputeChartDetails(w.Calculation()->chart);
        const PdfTextRun* above = nullptr;
        for (const LuckPillarDetails& luck : details.luck) {
            const QString years =
                QStringLiteral("%1–%2").arg(luck.years[0].year).arg(luck.years[9].year);
            const PdfTextRun* row = FindRun(runs, years);
            ASSERT_TRUE(row) << years.toStdString();
            EXPECT_TRUE(
                FindRun(runs, QString::fromStdString(PillarCharacters(luck.details.pillar)), row))
                << years.toStdString() << " on page " << row->page;
            if (above && above->page != row->page) {
                const auto first = std::find_if(lines.begin(), lines.end(), [&](const PdfLine& l) {
                    return l.page == row->page;
                });
                ASSERT_NE(first, lines.end());
                EXPECT_TRUE(first->text.contains(years)) << first->text.toStdString();
            }
            above = row;
        }
    }
}

TEST_F(DocumentPages, TheHousesDocumentKeepsItsHeadingsAndHidesNothing) {
    const GeomanticTable table =
        ComputedTable(187, EncodeMoment(1990, 7, 1, 12, 0, 0), EncodeMoment(2024, 5, 5, 10, 0, 0));
    const Picture chart{QSize(100, 100), [](QPainter&) {}};
    const QString pdf = Path("house.pdf");
    ASSERT_EQ(
        WritePdfFile(
            TableClientDocument(table, QStringLiteral("Дом"), QStringLiteral("Дом"), chart), pdf),
        QString());
    ExpectWholePages(pdf, 2);
}

// The calendar window's document is the whole calendar and almanac whatever part it shows,
// its pillars as characters of text and no picture at all.
TEST_F(DocumentPages, TheCalendarIsWrittenWholeAsText) {
    const TimeSettings settings;
    const MomentCalendar calendar =
        ComputeMomentCalendar(EncodeMoment(2024, 2, 10, 18, 0), settings);
    const AlmanacDay almanac = AlmanacOfCalendar(calendar, settings);
    PillarGlyphs glyphs;
    TFormCalendar window(glyphs);
    window.ShowMoment(calendar);
    window.ShowAlmanac(almanac);
    window.show();
    dialogs_.saveAnswer = Path("calendar.pdf");
    window.PictureExport.pdf->trigger();
    ExpectWholePages(dialogs_.saveAnswer, 1);

    const QString text =
        RunPoppler(QStringLiteral("pdftotext"), {dialogs_.saveAnswer, QStringLiteral("-")})
            .simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("10.02.2024 18:00:00"))) << text.toStdString();
    for (const Pillar& p :
         {calendar.moment.year, calendar.moment.month, calendar.moment.day, calendar.moment.hour})
        EXPECT_TRUE(text.contains(QString::fromStdString(PillarHanzi(p)))) << PillarHanzi(p);
    for (const std::string& line : AlmanacLines(almanac))
        EXPECT_TRUE(text.contains(QString::fromStdString(line).simplified())) << line;
    const QStringList images =
        RunPoppler(QStringLiteral("pdfimages"), {"-list", dialogs_.saveAnswer})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2)
        << images.join(QLatin1Char('\n')).toStdString();  // the heading alone
}

}  // namespace
