// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The facing direction of a dwelling on the compass picture "Лопань".

// The angle for DrawDirectionLine (0° left, 90° up, 180° right, 270° down) of a facing
// azimuth in degrees (0 north, clockwise): azimuth + 90, less 360 when the sum exceeds 360. With
// it north lies at the top of the picture and east on the right: azimuth 0 and 360 point up, 90
// right, 180 down, 270 left.
double CompassOverlayAngle(double azimuth);
