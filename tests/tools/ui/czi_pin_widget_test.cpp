// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/czi_pin_widget.h"

#include <gtest/gtest.h>

#include "support/shell_test.h"
#include "tools/czi_pin_geometry.h"

namespace {

class LifeStageWheelWidgetTest : public ShellTest {
protected:
    static QImage Render(TCziPin& scroll) {
        QImage image(scroll.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        scroll.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
};

TEST_F(LifeStageWheelWidgetTest, DefaultsAtCreation) {
    TCziPin scroll;
    EXPECT_EQ(scroll.size(), QSize(100, 30));
    EXPECT_EQ(scroll.CPScrol(), TCziPinParam::cp_4);
    EXPECT_EQ(scroll.LeftColor(), QColor(255, 0, 0));
    EXPECT_EQ(scroll.RigntColor(), QColor(0, 128, 0));
    EXPECT_EQ(scroll.ArrColor(), QColor(128, 0, 0));
    EXPECT_EQ(scroll.InJan(), TMyInJan::cz_Jan);
}

TEST_F(LifeStageWheelWidgetTest, DrawsTheHalvesMarksAndThePointerWhereTheStageIs) {
    TCziPin scroll;
    scroll.resize(267, 24);
    scroll.SetLeftColor(QColor(255, 128, 128));
    scroll.SetRigntColor(QColor(185, 203, 181));
    scroll.SetInJan(TMyInJan::cz_Jan);
    scroll.SetCPScrol(TCziPinParam::cp_12);  // "Рождение": at x2 = 88, pointing right
    QImage image = Render(scroll);
    EXPECT_EQ(image.pixelColor(40, 18), QColor(255, 128, 128));
    EXPECT_EQ(image.pixelColor(200, 18), QColor(185, 203, 181));
    EXPECT_EQ(image.pixelColor(44, 18), QColor(Qt::black));  // the mark x1
    EXPECT_EQ(image.pixelColor(0, 23), QColor(Qt::black));   // the outline
    EXPECT_EQ(image.pixelColor(90, 6), QColor(128, 0, 0));   // inside the pointer
    EXPECT_EQ(image.pixelColor(86, 6), QColor(Qt::white));   // not on its other side
    EXPECT_EQ(image.pixelColor(200, 4), QColor(Qt::white));  // nothing above the right half

    // The same stage of a yin stem points the other way.
    scroll.SetInJan(TMyInJan::cz_In);
    image = Render(scroll);
    EXPECT_EQ(image.pixelColor(86, 6), QColor(128, 0, 0));
    EXPECT_EQ(image.pixelColor(90, 6), QColor(Qt::white));
}

}  // namespace
