// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/calendar_window.h"

#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

#include "astro/moment.h"
#include "support/shell_test.h"
#include "widgets/pillar_glyphs.h"

namespace {

class CalendarWindowTest : public ShellTest {};

// The facts of 2024-02-10 18:00 (the captions are made from them by the window).
MomentCalendar SampleCalendar(bool leap) {
    MomentCalendar c;
    c.moment.civil = EncodeMoment(2024, 2, 10, 18, 0);
    c.pillarTime = c.moment.civil;
    c.moment.year = {1, 5};
    c.moment.month = {3, 3};
    c.moment.day = {5, 7};
    c.moment.hour = {9, 11};
    c.moment.epochYear = 4660;
    c.moment.greatCycleStar = 9;
    c.moment.smallCycleStar = 9;
    c.moment.yearStar = 3;
    c.season.seasonMonthName = "Начало весны";
    c.season.termName = "Становление весны";
    c.lunar.month = 1;
    c.lunar.day = 1;
    c.lunar.leap = leap;
    return c;
}

TEST_F(CalendarWindowTest, CreatedWithItsCaptionsAndLinks) {
    PillarGlyphs glyphs;
    TFormCalendar calendar(glyphs);
    EXPECT_EQ(calendar.windowTitle(), QString::fromUtf8("Календарь"));
    EXPECT_EQ(calendar.Label28->text(), QString::fromUtf8("(знак года)"));
    EXPECT_EQ(calendar.Label27->text(), QString::fromUtf8("(знак периода)"));
    EXPECT_EQ(calendar.Label25->text(), QString::fromUtf8("(знак дня)"));
    EXPECT_EQ(calendar.Label26->text(), QString::fromUtf8("(знак часа)"));
    EXPECT_EQ(calendar.Label25->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(calendar.LabelStarLeap->isHidden());
    EXPECT_TRUE(calendar.windowFlags() & Qt::Tool);
    EXPECT_TRUE(calendar.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(CalendarWindowTest, ShowMomentFillsTheRowsAndTheGlyphs) {
    PillarGlyphs glyphs;
    TFormCalendar calendar(glyphs);
    calendar.ShowMoment(SampleCalendar(true));
    EXPECT_EQ(calendar.LabelNow->text(), QStringLiteral("10.02.2024 18:00:00"));
    EXPECT_EQ(calendar.Week->text(), QString::fromUtf8("суббота"));
    EXPECT_EQ(calendar.PSYear->text(), QString::fromUtf8("Цзя (Дерево-ян), Чэнь (Почва-ян)"));
    EXPECT_EQ(calendar.Label28->text(), QString::fromUtf8("Знак года 41 из 60"));
    EXPECT_EQ(calendar.Label26->text(), QString::fromUtf8("Знак часа 59 из 60"));
    EXPECT_EQ(calendar.BigSeason->text(), QString::fromUtf8("Начало весны"));
    EXPECT_EQ(calendar.SmallSeason->text(), QString::fromUtf8("Становление весны"));
    EXPECT_EQ(calendar.epoch_years->text(), QStringLiteral("4721"));
    EXPECT_EQ(calendar.Juang->text(), QString::fromUtf8("Нижний"));
    EXPECT_EQ(calendar.LabelYearS->text(), QString::fromUtf8("бирюзовая"));
    EXPECT_FALSE(calendar.LabelStarLeap->isHidden());
    EXPECT_TRUE(calendar.epoch_years->font().bold());
    // The whole "(дополнительный)" fits the default width, its ")" included.
    calendar.show();
    QCoreApplication::processEvents();
    EXPECT_LE(calendar.LabelStarLeap->sizeHint().width(), calendar.LabelStarLeap->width());
    EXPECT_LE(
        calendar.LabelStarLeap->mapTo(&calendar, QPoint(calendar.LabelStarLeap->width(), 0)).x(),
        calendar.width());

    // Glyphs from the 22 pictures of the program's folder.
    ASSERT_FALSE(glyphs.Stvol(5).isNull()) << "glyph pictures are generated into the build folder";
    EXPECT_EQ(calendar.StvolDay->pixmap().toImage(), glyphs.Stvol(5).toImage());
    EXPECT_EQ(calendar.VetvDay->pixmap().toImage(), glyphs.Vetv(7).toImage());
    EXPECT_EQ(calendar.VetvChas->pixmap().toImage(), glyphs.Vetv(11).toImage());

    calendar.ShowMoment(SampleCalendar(false));
    EXPECT_TRUE(calendar.LabelStarLeap->isHidden());
}

TEST_F(CalendarWindowTest, TheStarColoursStayWholeBesideTheScrollBar) {
    PillarGlyphs glyphs;
    TFormCalendar calendar(glyphs);
    // The default width, low as on a small screen: the rows scroll.
    calendar.resize(214, 300);
    calendar.show();
    MomentCalendar c = SampleCalendar(false);
    c.moment.greatCycleStar = 3;  // "бирюзовая", the longest colour beside the longest caption
    c.moment.smallCycleStar = 9;  // "пурпурная"
    calendar.ShowMoment(c);
    QApplication::processEvents();
    const auto* scroll = calendar.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    ASSERT_TRUE(scroll->verticalScrollBar()->isVisible());
    for (const QLabel* colour : {calendar.LabelJunBigName, calendar.LabelJunName}) {
        const int right = colour->mapTo(scroll->viewport(), QPoint(0, 0)).x() +
                          colour->fontMetrics().horizontalAdvance(colour->text());
        EXPECT_LE(right, scroll->viewport()->width()) << colour->text().toStdString();
    }
}

TEST_F(CalendarWindowTest, OutOfRangeGlyphsLeaveTheirPictureAlone) {
    PillarGlyphs glyphs;
    TFormCalendar calendar(glyphs);
    glyphs.ShowPillarGlyphs(calendar.StvolYahr, calendar.VetvYahr, 2, 2);
    glyphs.ShowPillarGlyphs(calendar.StvolYahr, calendar.VetvYahr, 11, 3);
    EXPECT_EQ(calendar.StvolYahr->pixmap().toImage(), glyphs.Stvol(2).toImage());
    EXPECT_EQ(calendar.VetvYahr->pixmap().toImage(), glyphs.Vetv(3).toImage());
    glyphs.ShowPillarGlyphs(calendar.StvolYahr, calendar.VetvYahr, 4, 0);
    EXPECT_EQ(calendar.StvolYahr->pixmap().toImage(), glyphs.Stvol(4).toImage());
    EXPECT_EQ(calendar.VetvYahr->pixmap().toImage(), glyphs.Vetv(3).toImage());
}

TEST_F(CalendarWindowTest, MissingGlyphPicturesGiveEmptyImages) {
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    PillarGlyphs glyphs;
    TFormCalendar calendar(glyphs);
    calendar.ShowMoment(SampleCalendar(false));
    EXPECT_TRUE(calendar.StvolDay->pixmap().isNull());
    EXPECT_EQ(calendar.LabelNow->text(), QStringLiteral("10.02.2024 18:00:00"));
}

TEST_F(CalendarWindowTest, APillarLinkReportsItsPillar) {
    PillarGlyphs glyphs;
    TFormCalendar calendar(glyphs);
    calendar.ShowMoment(SampleCalendar(false));
    Pillar clicked{0, 0};
    QObject::connect(&calendar, &TFormCalendar::pillarLinkClicked, [&](Pillar p) { clicked = p; });
    const QPointF inside(2, 2);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, calendar.Label25->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(calendar.Label25, &release);
    EXPECT_EQ(clicked, (Pillar{5, 7}));
}

}  // namespace
