// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_cascade.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowCascade, EachWindowTwentyPixelsFurtherUntilTheScreenEnds) {
    WindowCascade cascade(QPoint(10, 106));
    // Screen 600 high, window 390: the top may not pass 600 − 390 − 50 = 160.
    EXPECT_EQ(cascade.NextPlace(600, 390), QPoint(10, 106));
    EXPECT_EQ(cascade.NextPlace(600, 390), QPoint(30, 126));
    EXPECT_EQ(cascade.NextPlace(600, 390), QPoint(50, 146));
    // 166 would be too low: back to the first place, and the next one after it.
    EXPECT_EQ(cascade.NextPlace(600, 390), QPoint(10, 106));
    EXPECT_EQ(cascade.NextPlace(600, 390), QPoint(30, 126));
    cascade.Reset();
    EXPECT_EQ(cascade.NextPlace(1000, 390), QPoint(10, 106));
}

TEST(WindowCascade, ATooSmallScreenKeepsTheFirstPlace) {
    WindowCascade cascade(QPoint(10, 106));
    EXPECT_EQ(cascade.NextPlace(300, 390), QPoint(10, 106));
    EXPECT_EQ(cascade.NextPlace(300, 390), QPoint(10, 106));
}

}  // namespace
