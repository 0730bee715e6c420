// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/circle_window.h"

#include <gtest/gtest.h>
#include <QDateTimeEdit>
#include <QPushButton>

#include "app/main_window.h"
#include "app/settings_window.h"
#include "astro/moment.h"
#include "support/shell_test.h"
#include "widgets/picker_moment.h"

namespace {

class CircleWindowTest : public ShellTest {
protected:
    static bool IsRed(const TFormCircle& circle, int x, int y) {
        return circle.OverlayImage->pixmap().toImage().pixelColor(x, y) == QColor(Qt::red);
    }
    static void SetPicker(TFormMainGVR& w, Moment m) { w.MyDate->setDateTime(DateTimeOfMoment(m)); }
};

TEST_F(CircleWindowTest, CreatedWithThePictureAndTheTermLabelsInPlace) {
    TFormCircle circle;
    EXPECT_EQ(circle.windowTitle(), QString::fromUtf8("Круг эклиптики"));
    EXPECT_TRUE(circle.PictureLoaded()) << circle.PictureError().toStdString();
    EXPECT_EQ(circle.Picture->geometry(), QRect(68, 24, 426, 426));
    EXPECT_EQ(circle.OverlayImage->geometry(), circle.Picture->geometry());
    EXPECT_EQ(circle.TermDates[0]->pos(), QPoint(50, 230));
    EXPECT_EQ(circle.TermDates[6]->pos(), QPoint(269, 7));
    EXPECT_EQ(circle.TermDates[12]->pos(), QPoint(499, 230));
    EXPECT_EQ(circle.TermDates[18]->pos(), QPoint(268, 455));
    EXPECT_EQ(circle.TermDates[23]->pos(), QPoint(56, 285));
}

TEST_F(CircleWindowTest, TheSunsRadiusPointsLeftAtTheEquinoxAndUpAtTheSolstice) {
    TFormMainGVR w;
    const double zone = 3.0 / 24.0;
    SetPicker(w, TermInstant(2024, 0) + zone);
    EXPECT_TRUE(IsRed(*w.FormCircle(), 2, 213));
    EXPECT_TRUE(IsRed(*w.FormCircle(), 100, 213));
    EXPECT_FALSE(IsRed(*w.FormCircle(), 213, 100));

    SetPicker(w, TermInstant(2024, 6) + zone);
    EXPECT_TRUE(IsRed(*w.FormCircle(), 213, 2));
    EXPECT_TRUE(IsRed(*w.FormCircle(), 213, 100));
    // The previous radius was wiped.
    EXPECT_FALSE(IsRed(*w.FormCircle(), 100, 213));
}

TEST_F(CircleWindowTest, AJanuaryMomentShowsTheTermDatesOfThatYear) {
    TFormMainGVR w;
    SetPicker(w, EncodeMoment(2024, 1, 10, 12, 0));
    const auto& dates = w.FormCircle()->TermDates;
    // Term 19 is 2024-01-05 20:50 universal time, 23:50 at GMT+3; term 21 is 2024-02-04 08:28.
    EXPECT_EQ(dates[19]->text(), QStringLiteral("05.01.2024"));
    EXPECT_EQ(dates[21]->text(), QStringLiteral("04.02.2024"));
    EXPECT_EQ(dates[0]->text(), QStringLiteral("20.03.2024"));
    EXPECT_EQ(dates[18]->text().right(4), QStringLiteral("2024"));

    // One hour of summer time moves the January term past midnight.
    w.FormSettings()->EditLetnee->setValue(1);
    w.FormSettings()->ButtonOK->click();
    EXPECT_EQ(dates[19]->text(), QStringLiteral("06.01.2024"));
}

TEST_F(CircleWindowTest, NoTwoTermDatesTouch) {
    TFormMainGVR w;
    SetPicker(w, EncodeMoment(2028, 12, 28, 12, 0));
    const auto& dates = w.FormCircle()->TermDates;
    for (int i = 0; i < 24; ++i)
        for (int k = i + 1; k < 24; ++k)
            EXPECT_FALSE(dates[i]->geometry().intersects(dates[k]->geometry()))
                << "terms " << i << " and " << k << ": " << dates[i]->text().toStdString() << ", "
                << dates[k]->text().toStdString();
}

TEST_F(CircleWindowTest, AMissingPictureLeavesTheCircleWorking) {
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    TFormCircle circle;
    EXPECT_FALSE(circle.PictureLoaded());
    EXPECT_TRUE(circle.PictureError().contains(QStringLiteral("diag.bmp")));
    EXPECT_TRUE(circle.Picture->pixmap().isNull());

    TFormMainGVR w;  // reports the error and calculates all the same
    EXPECT_FALSE(w.FormCircle()->PictureLoaded());
    EXPECT_FALSE(w.FormCircle()->TermDates[0]->text().isEmpty());
    EXPECT_FALSE(w.FormCalendar() == nullptr);
}

}  // namespace
