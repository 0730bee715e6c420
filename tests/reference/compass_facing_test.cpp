// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/compass_facing.h"

#include <gtest/gtest.h>

namespace {

TEST(CompassFacing, NorthIsUpAndEastIsRight) {
    // DrawDirectionLine points left at 0°, up at 90°, right at 180°, down at 270°.
    struct Case {
        double azimuth, angle;
    };
    const Case cases[] = {
        {0, 90}, {360, 90}, {90, 180}, {180, 270}, {270, 360}, {271, 1}, {95, 185}, {359, 89},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(CompassOverlayAngle(c.azimuth), c.angle) << "azimuth " << c.azimuth;
}

}  // namespace
