// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Лопань. Ориентация ГОРЫ.": the compass picture with a transparent overlay of the same size, on
// which the geomantic table draws the facing direction of the dwelling after every computation.
// The radius stays until the next one. Both are scaled together to the window, which the user
// may resize.
#include <QImage>

#include "reference/ui/reference_window.h"

class QLabel;

class TFormTable7 : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormTable7(QWidget* parent = nullptr);

    // Wipes the overlay and draws the facing azimuth (degrees, 0 north, clockwise) as a red radius
    // from the centre: north up, east right.
    void DrawFacing(double azimuth);

    // The overlay (731 × 731, over the picture, scaled with it).
    const QImage& Overlay() const { return overlay_; }

    QLabel* Picture;
    QLabel* OverlayImage;

private:
    QImage overlay_;
};

constexpr int kCompassImageSize = 731;
