// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing on the overlay pictures: wiping them and drawing a direction as a red radius. Used by
// the ecliptic circle (the Sun's longitude) and the geomantic table's compass (the facing).
#include <QColor>

class QImage;

// Wipes the whole picture with `brush` (no outline); transparent for an overlay.
void ClearImage(QImage& image, const QColor& brush = Qt::transparent);

// A red solid radius from the centre (w/2, w/2) to
// (w/2 − round(cos a · w/2), w/2 − round(sin a · w/2)), w the picture width, screen y downwards:
// 0° points left, 90° up, 180° right, 270° down. `degrees` is the angle a.
void DrawDirectionLine(QImage& image, double degrees);
