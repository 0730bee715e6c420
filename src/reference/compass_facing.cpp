// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/compass_facing.h"

double CompassOverlayAngle(double azimuth) {
    const double angle = azimuth + 90.0;
    return angle > 360.0 ? angle - 360.0 : angle;
}
