// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/czi_pin_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(LifeStageGeometry, MarksOfTheWindowsScrollAndOfTheDefaultSize) {
    // The relations window's scroll is 267 × 24.
    EXPECT_EQ(LifeStageMarks(267), (std::array<int, 7>{0, 44, 88, 132, 178, 221, 266}));
    // The control's default size, 100 × 30.
    EXPECT_EQ(LifeStageMarks(100), (std::array<int, 7>{0, 16, 32, 49, 66, 81, 99}));
}

struct PointerCase {
    int position;
    int yangMark, yangDirection;
    int yinMark, yinDirection;
};

TEST(LifeStageGeometry, PointerOfEveryPositionInBothDirections) {
    const PointerCase cases[] = {
        {0, 3, +1, 3, -1}, {1, 4, +1, 4, -1}, {2, 5, +1, 5, -1},  {3, 6, -1, 6, -1},
        {4, 5, -1, 5, +1}, {5, 4, -1, 4, +1}, {6, 3, -1, 3, +1},  {7, 2, -1, 2, +1},
        {8, 1, -1, 1, +1}, {9, 0, +1, 0, +1}, {10, 1, +1, 1, -1}, {11, 2, +1, 2, -1},
    };
    for (const PointerCase& c : cases) {
        const LifeStagePointer jan = LifeStagePointerOf(c.position, TMyInJan::cz_Jan);
        const LifeStagePointer in = LifeStagePointerOf(c.position, TMyInJan::cz_In);
        EXPECT_EQ(jan.mark, c.yangMark) << "position " << c.position;
        EXPECT_EQ(jan.direction, c.yangDirection) << "position " << c.position;
        EXPECT_EQ(in.mark, c.yinMark) << "position " << c.position;
        EXPECT_EQ(in.direction, c.yinDirection) << "position " << c.position;
    }
}

TEST(LifeStageGeometry, PictureOfTheWindowsScroll) {
    // Цзя with Хай: "Рождение", the pointer at x2 pointing right.
    const LifeStagePicture birth = LifeStagePictureOf(267, 24, 11, TMyInJan::cz_Jan);
    EXPECT_EQ(birth.pointer[0], QPoint(88, 0));
    EXPECT_EQ(birth.pointer[1], QPoint(96, 6));
    EXPECT_EQ(birth.pointer[2], QPoint(88, 12));
    // И with Хай: "Смерть", the pointer at x3 pointing right.
    const LifeStagePicture death = LifeStagePictureOf(267, 24, 6, TMyInJan::cz_In);
    EXPECT_EQ(death.pointer[0], QPoint(132, 0));
    EXPECT_EQ(death.pointer[1], QPoint(140, 6));
    // Pointing left at the right end.
    const LifeStagePicture bloom = LifeStagePictureOf(267, 24, 3, TMyInJan::cz_Jan);
    EXPECT_EQ(bloom.pointer[1], QPoint(266 - 8, 6));

    // The two halves fill the lower half and overlap by one pixel in the middle.
    EXPECT_EQ(birth.left, QRect(QPoint(0, 12), QPoint(132, 23)));
    EXPECT_EQ(birth.right, QRect(QPoint(132, 12), QPoint(266, 23)));
    EXPECT_EQ(birth.markTop, 8);
    // Out-of-range positions fall back to the first.
    EXPECT_EQ(LifeStagePictureOf(267, 24, 12, TMyInJan::cz_Jan).pointer,
              LifeStagePictureOf(267, 24, 0, TMyInJan::cz_Jan).pointer);
}

}  // namespace
