// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/direction_drawing.h"

#include <gtest/gtest.h>
#include <QImage>

#include "support/shell_test.h"

namespace {

QImage Overlay() {
    TestApplication();
    QImage image(426, 426, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool IsRed(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::red);
}

TEST(DirectionDrawing, ZeroPointsLeftNinetyUpAndSoOn) {
    struct Case {
        double degrees;
        QPoint onLine;
        QPoint offLine;
    };
    // The centre is (213, 213); y grows downwards.
    const Case cases[] = {
        {0, {5, 213}, {420, 213}},   {90, {213, 5}, {213, 420}}, {180, {420, 213}, {5, 213}},
        {270, {213, 420}, {213, 5}}, {45, {63, 63}, {363, 363}},
    };
    for (const Case& c : cases) {
        QImage image = Overlay();
        DrawDirectionLine(image, c.degrees);
        EXPECT_TRUE(IsRed(image, c.onLine.x(), c.onLine.y())) << c.degrees;
        EXPECT_EQ(image.pixelColor(c.offLine).alpha(), 0) << c.degrees;
        EXPECT_TRUE(IsRed(image, 213, 213)) << c.degrees;
    }
}

TEST(DirectionDrawing, ClearImageWipesTheWholePicture) {
    QImage image = Overlay();
    DrawDirectionLine(image, 30);
    ClearImage(image);
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) ASSERT_EQ(image.pixelColor(x, y).alpha(), 0);
    ClearImage(image, Qt::white);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(425, 425), QColor(Qt::white));
}

}  // namespace
