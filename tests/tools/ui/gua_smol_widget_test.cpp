// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/gua_smol_widget.h"

#include <gtest/gtest.h>

#include "support/shell_test.h"
#include "tools/ui/tool_window_test_support.h"

namespace {

class SmallTrigramWidgetTest : public ShellTest {
protected:
    static QImage Render(TGuaSmol& gua) {
        QImage image(gua.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        gua.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
    // Solid (true) or broken bars, read from the picture at the middle of each bar.
    static std::array<bool, 3> BarsSeen(TGuaSmol& gua) {
        const QImage image = Render(gua);
        std::array<bool, 3> bars{};
        for (int i = 0; i < 3; ++i) {
            const int y = 4 + 16 * i;
            EXPECT_EQ(image.pixelColor(5, y), QColor(Qt::black));
            EXPECT_EQ(image.pixelColor(45, y), QColor(Qt::black));
            if (i < 2) {
                EXPECT_EQ(image.pixelColor(5, y + 8), QColor(Qt::white)) << "under bar " << i;
            }
            bars[i] = image.pixelColor(25, y) == QColor(Qt::black);
        }
        return bars;
    }
};

TEST_F(SmallTrigramWidgetTest, StartsAsЦяньAndFollowsItsNumber) {
    TGuaSmol gua;
    EXPECT_EQ(gua.size(), QSize(50, 40));
    EXPECT_EQ(gua.No(), 1);
    EXPECT_EQ(gua.GuaName(), QString::fromUtf8("Цянь"));
    EXPECT_EQ(gua.Element(), QString::fromUtf8("Металл"));
    EXPECT_EQ(BarsSeen(gua), (std::array<bool, 3>{true, true, true}));

    EXPECT_TRUE(gua.SetNo(3));
    EXPECT_EQ(gua.GuaName(), QString::fromUtf8("Ли"));
    EXPECT_EQ(gua.Element(), QString::fromUtf8("Огонь"));
    EXPECT_EQ(BarsSeen(gua), (std::array<bool, 3>{true, false, true}));
    gua.SetNo(6);
    EXPECT_EQ(gua.Element(), QString::fromUtf8("Вода"));
    EXPECT_EQ(BarsSeen(gua), (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(TakeErrorBoxTexts().isEmpty());
}

TEST_F(SmallTrigramWidgetTest, ANumberOutsideOneToEightIsRefusedAndThePreviousTrigramStays) {
    TGuaSmol gua;
    gua.SetNo(4);  // Чжэнь
    for (int wrong : {9, 0, -1}) {
        EXPECT_FALSE(gua.SetNo(wrong));
        EXPECT_EQ(TakeErrorBoxTexts(),
                  QStringList{QStringLiteral("Volue must be between 1 and 8!!!")});
        EXPECT_EQ(gua.No(), 4);
        EXPECT_EQ(gua.GuaName(), QString::fromUtf8("Чжэнь"));
        EXPECT_EQ(BarsSeen(gua), (std::array<bool, 3>{false, false, true}));
    }
}

TEST_F(SmallTrigramWidgetTest, ThePictureOfTheListsIsTheSameTrigramScaled) {
    const QImage small = TGuaSmol::Picture(7, QSize(20, 16)).toImage();  // Гэнь: S B B
    EXPECT_EQ(small.size(), QSize(20, 16));
    EXPECT_EQ(small.pixelColor(10, 1).alpha(), 255);  // solid top bar
    EXPECT_EQ(small.pixelColor(10, 8).alpha(), 0);    // gap of the broken middle bar
    EXPECT_EQ(small.pixelColor(2, 8).alpha(), 255);
}

}  // namespace
