// SPDX-License-Identifier: GPL-3.0-or-later
// The person's client PDF as the client sees it, read back through poppler: every word of the
// chart page is inked where the text layer puts it (nothing covers the pillars), no two words
// overlap, the warnings stay inside the page, and the Chinese characters are text in an embedded
// CJK font.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <cstdlib>

#include "astro/local_time.h"
#include "astro/moment.h"
#include "calendar/hanzi.h"
#include "person/chart_details.h"
#include "person/ui/birth_place_row.h"
#include "person/ui/people_window.h"
#include "person/ui/person_entry.h"
#include "support/file_dialog_recorder.h"
#include "support/pdf_pages.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "widgets/pillar_glyphs.h"

namespace {

int ZoneIndexOfHours(double hours) {
    for (int i = 0; i < kZoneCount; ++i)
        if (ZoneTable[i].hours == hours) return i;
    return kDefaultZoneIndex;
}

class PersonClientPdf : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (!PopplerInstalled()) GTEST_SKIP() << "poppler-utils are not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    // A birth a minute after "Становление весны" in Beijing: the chart carries its warnings.
    QString WriteBoundaryBirthPdf() {
        PeopleHost host;
        host.timeSettings = [] { return TimeSettings(); };
        host.calendarYear = [] { return 2025; };
        glyphs_ = std::make_unique<PillarGlyphs>();
        w_ = std::make_unique<TFormPeople>(*glyphs_, host);
        w_->show();
        EnterPerson(*w_, "Ли Мин", EncodeMoment(1984, 2, 4, 23, 20), true);
        w_->ComboGMT->setCurrentIndex(ZoneIndexOfHours(8));
        w_->CheckBoxDolgota->setChecked(true);
        w_->EditDolgota->setValue(116);
        w_->Raschet();
        EXPECT_FALSE(w_->LabelBoundary->isHidden());
        dialogs_.saveAnswer = dir_.filePath(QStringLiteral("person.pdf"));
        if (const char* keep = std::getenv("GAVROSIN_KEEP_PDF")) dialogs_.saveAnswer = keep;
        w_->ActionClientReport->trigger();
        return dialogs_.saveAnswer;
    }

    QTemporaryDir dir_;
    FileDialogRecorder dialogs_;
    std::unique_ptr<PillarGlyphs> glyphs_;
    std::unique_ptr<TFormPeople> w_;
};

// Every word of a page is inked where the text layer puts it, inside the 15 mm margin, and no two
// words overlap.
void ExpectEveryWordInkedInsideAndApart(const QString& pdf, int pageNumber) {
    const QImage page = PdfPageImage(pdf, pageNumber);
    ASSERT_FALSE(page.isNull());
    const std::vector<PdfWord> words = PdfWords(pdf, pageNumber);
    ASSERT_GT(words.size(), 80u);
    const double rightEdge = page.width() - 15 / 25.4 * 72 + 1;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const PdfWord& w = words[i];
        SCOPED_TRACE(w.text.toStdString());
        EXPECT_LE(w.box.right(), rightEdge);
        if (w.text.size() > 1) {
            EXPECT_GT(InkIn(page, w.box), 0.02);
        }
        for (std::size_t k = i + 1; k < words.size(); ++k) {
            const QRectF both = w.box.intersected(words[k].box);
            EXPECT_LT(both.width() * both.height(), 2.0) << words[k].text.toStdString();
        }
    }
}

TEST_F(PersonClientPdf, EveryWordOfTheChartPageIsInkedInsideThePageAndNoneOverlaps) {
    const QString pdf = WriteBoundaryBirthPdf();
    ExpectEveryWordInkedInsideAndApart(pdf, 1);
    bool warned = false;
    for (const PdfWord& w : PdfWords(pdf, 1))
        warned = warned || w.text.startsWith(QString::fromUtf8("Становления"));
    EXPECT_TRUE(warned);  // the warning line is on the page
}

// The page of the full birth chart: laid out as the first, and its symbolic stars read back as
// the characters they are (驿马 with 马, not the radical ⻢ that shares its glyph).
TEST_F(PersonClientPdf, TheFullChartPageIsInkedApartAndReadsBackItsStars) {
    const QString pdf = WriteBoundaryBirthPdf();
    ExpectEveryWordInkedInsideAndApart(pdf, 3);
    const QString text =
        RunPoppler(QStringLiteral("pdftotext"), {"-f", "3", "-l", "3", pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.contains(QString::fromUtf8("Полная карта рождения"))) << text.toStdString();
    const ChartDetails details = ComputeChartDetails(w_->Calculation()->chart);
    ASSERT_FALSE(details.stars.empty());
    for (const SymbolicStarHit& hit : details.stars)
        EXPECT_TRUE(text.contains(QString::fromUtf8(SymbolicStarRules()[hit.rule].characters)))
            << SymbolicStarRules()[hit.rule].characters;
}

TEST_F(PersonClientPdf, TheChineseCharactersAreTextInAnEmbeddedCjkFont) {
    const QString pdf = WriteBoundaryBirthPdf();
    bool embedded = false;
    for (const QString& font : PdfFonts(pdf))
        if (font.contains(QStringLiteral("CJK")) && font.contains(QStringLiteral(" yes ")))
            embedded = true;
    EXPECT_TRUE(embedded) << PdfFonts(pdf).join(QLatin1Char('\n')).toStdString();
    // The four pillars read back as the characters they are (子 not the radical ⼦).
    const PersonChart& c = w_->Calculation()->chart;
    const QString text =
        RunPoppler(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, QStringLiteral("-")});
    for (const Pillar& p : {c.year, c.month, c.day, c.hour})
        EXPECT_TRUE(
            text.contains(QString::fromStdString(StemHanzi(p.stem) + BranchHanzi(p.branch))))
            << StemHanzi(p.stem) << BranchHanzi(p.branch) << "\n"
            << text.toStdString();
}

// A Moscow birth at a clock time the clocks skipped, saved as "p3.gvp" while the main window
// shows 1955: the document names the client and the birth place, never the file; its forecast is
// that of the window's own year; the skipped time is warned on the chart page.
TEST_F(PersonClientPdf, TheDocumentNamesTheClientItsForecastYearAndTheClockOnPageOne) {
    PeopleHost host;
    host.timeSettings = [] { return TimeSettings(); };
    host.calendarYear = [] { return 1955; };
    glyphs_ = std::make_unique<PillarGlyphs>();
    w_ = std::make_unique<TFormPeople>(*glyphs_, host);
    w_->show();
    EnterPerson(*w_, "Анна", EncodeMoment(2005, 3, 27, 2, 30), false);
    Place moscow;
    moscow.name = "Москва";
    moscow.country = "Россия";
    moscow.longitude = 37.62;
    moscow.timeZone = "Europe/Moscow";
    w_->BirthPlace->askPlace = [moscow](QWidget*) { return std::optional<Place>(moscow); };
    emit w_->BirthPlace->PlaceRequested();
    w_->Raschet();
    dialogs_.saveAnswer = dir_.filePath(QStringLiteral("p3.gvp"));
    ASSERT_TRUE(w_->SaveAsClick());
    w_->ForecastYearBox->setValue(2026);
    dialogs_.saveAnswer = dir_.filePath(QStringLiteral("client.pdf"));
    w_->ActionClientReport->trigger();

    const QString pdf = dialogs_.saveAnswer;
    const QString all = RunPoppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_FALSE(all.contains(QStringLiteral("p3"))) << all.toStdString();
    EXPECT_TRUE(all.contains(U("Прогноз на 2026 год (с 03.02.2026 по 04.02.2027)")));
    const QString first =
        RunPoppler(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, QStringLiteral("-")});
    EXPECT_TRUE(first.contains(U("Анна"))) << first.toStdString();
    EXPECT_TRUE(first.contains(U("Место рождения: Москва, Россия")));
    EXPECT_TRUE(first.contains(U("такого времени не было"))) << first.toStdString();
}

}  // namespace
