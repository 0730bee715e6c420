// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/compass_window.h"

#include <gtest/gtest.h>
#include <QLabel>

#include "app/main_window.h"
#include "reference/ui/reference_test_folder.h"

namespace {

class CompassWindowTest : public ReferenceFolderTest {
protected:
    static bool IsRed(const TFormTable7& compass, int x, int y) {
        return compass.OverlayImage->pixmap().toImage().pixelColor(x, y) == QColor(Qt::red);
    }
    static constexpr int kCentre = kCompassImageSize / 2;
};

TEST_F(CompassWindowTest, CreatedWithThePictureAndAnEmptyOverlayOfTheSameSize) {
    TFormTable7 compass;
    EXPECT_EQ(compass.windowTitle(), QString::fromUtf8("Лопань. Ориентация ГОРЫ."));
    EXPECT_TRUE(compass.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(compass.PictureErrors().isEmpty());
    EXPECT_EQ(compass.Picture->pixmap().size(), QSize(731, 731));
    EXPECT_EQ(compass.size(), QSize(300, 300));
    EXPECT_EQ(compass.Overlay().pixelColor(kCentre, 10).alpha(), 0);
}

TEST_F(CompassWindowTest, TheFacingRadiusPointsTheWayTheDwellingFaces) {
    struct Case {
        double azimuth;
        QPoint onTheRadius;  // near the rim
        QPoint elsewhere;
    };
    const Case cases[] = {
        {90, {725, kCentre}, {kCentre, 5}},   // east: right
        {0, {kCentre, 5}, {725, kCentre}},    // north: up
        {360, {kCentre, 5}, {5, kCentre}},    // north again
        {180, {kCentre, 725}, {kCentre, 5}},  // south: down
        {270, {5, kCentre}, {725, kCentre}},  // west: left
    };
    TFormTable7 compass;
    for (const Case& c : cases) {
        compass.DrawFacing(c.azimuth);
        EXPECT_TRUE(IsRed(compass, c.onTheRadius.x(), c.onTheRadius.y())) << c.azimuth;
        EXPECT_TRUE(IsRed(compass, kCentre, kCentre)) << c.azimuth;
        // The previous radius is wiped.
        EXPECT_FALSE(IsRed(compass, c.elsewhere.x(), c.elsewhere.y())) << c.azimuth;
    }
}

TEST_F(CompassWindowTest, TheRadiusStaysUntilTheNextComputation) {
    TFormTable7 compass;
    compass.DrawFacing(90);
    compass.show();
    compass.hide();
    compass.show();
    EXPECT_TRUE(IsRed(compass, 700, kCentre));
}

// The whole compass is in view at any size: the picture is scaled into the largest centred square.
TEST_F(CompassWindowTest, ThePictureIsScaledToTheWindow) {
    TFormTable7 compass;
    compass.show();
    for (const QSize size : {QSize(300, 300), QSize(500, 400)}) {
        compass.resize(size);
        QCoreApplication::processEvents();
        const QRect square = compass.Picture->geometry();
        const int side = std::min(size.width(), size.height());
        EXPECT_EQ(square.size(), QSize(side, side));
        EXPECT_EQ(square.center(), compass.rect().center());
        EXPECT_EQ(compass.OverlayImage->geometry(), square);
    }
}

TEST_F(CompassWindowTest, TheMainWindowKeepsItsPlaceAndSizeButNeverShowsItAtStart) {
    {
        TFormMainGVR w;
        w.show();
        TFormTable7* compass = w.FormCompass();
        ASSERT_NE(compass, nullptr);
        EXPECT_FALSE(compass->isVisible());
        compass->show();
        compass->move(30, 40);
        compass->resize(350, 320);
        w.close();
    }
    const auto store = OpenSettingsStore();
    EXPECT_EQ(store->value("Table7/Width").toInt(), 350);
    EXPECT_EQ(store->value("Table7/Height").toInt(), 320);
    EXPECT_FALSE(store->contains("Table7/Visible"));
    TFormMainGVR next;
    next.show();
    EXPECT_FALSE(next.FormCompass()->isVisible());
    EXPECT_EQ(next.FormCompass()->size(), QSize(350, 320));
    EXPECT_EQ(next.FormCompass()->pos(), QPoint(30, 40));
}

}  // namespace
