// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/angles.h"

#include <gtest/gtest.h>

namespace {

TEST(Angles, NormaliseDegreesGivesTheRangeZeroTo360) {
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(-30)), 330);
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(720)), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(359.9999L)), 359.9999);
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(-720.5L)), 359.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(180)), 180);
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(540)), 180);
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(-180)), 180);
    EXPECT_DOUBLE_EQ(static_cast<double>(NormaliseDegrees(123456.25L)), 336.25);
}

TEST(Angles, AngleDifferenceIsSignedAndAtMostHalfATurn) {
    EXPECT_DOUBLE_EQ(static_cast<double>(AngleDifference(10, 350)), 20);
    EXPECT_DOUBLE_EQ(static_cast<double>(AngleDifference(350, 10)), -20);
    EXPECT_DOUBLE_EQ(static_cast<double>(AngleDifference(190, 10)), 180);
    EXPECT_DOUBLE_EQ(static_cast<double>(AngleDifference(10, 190)), 180);
    EXPECT_DOUBLE_EQ(static_cast<double>(AngleDifference(0, 0)), 0);
}

TEST(Angles, TrigonometryTakesDegreesOfAnyTurn) {
    constexpr double kEpsilon = 1e-15;
    EXPECT_NEAR(static_cast<double>(SinDegrees(30)), 0.5, kEpsilon);
    EXPECT_NEAR(static_cast<double>(SinDegrees(-330)), 0.5, kEpsilon);
    EXPECT_NEAR(static_cast<double>(CosDegrees(420)), 0.5, kEpsilon);
    EXPECT_NEAR(static_cast<double>(CosDegrees(180)), -1, kEpsilon);
    EXPECT_NEAR(static_cast<double>(TanDegrees(45)), 1, kEpsilon);
    EXPECT_NEAR(static_cast<double>(TanDegrees(-135)), 1, kEpsilon);
    EXPECT_NEAR(static_cast<double>(DegreesToRadians(180)), 3.14159265358979323846, kEpsilon);
    EXPECT_NEAR(static_cast<double>(RadiansToDegrees(kPi / 2)), 90, kEpsilon);
}

}  // namespace
