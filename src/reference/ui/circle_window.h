// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Круг эклиптики": the ecliptic circle with the dates of the year's 24 solar terms around it and
// the Sun's present direction as a red radius on a transparent overlay. The main calculation
// draws the radius and writes the dates; the window computes nothing itself.
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <array>

#include "astro/solar_terms.h"
#include "widgets/tool_window.h"

class TFormCircle : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormCircle(QWidget* parent = nullptr);

    // The overlay the Sun's radius is drawn on (426 × 426, over the picture); call
    // OverlayChanged after drawing.
    QImage& Overlay() { return overlay_; }
    void OverlayChanged();

    // The 24 date captions Label1..Label24 (term k in Label(k+1)): the table's instants plus the
    // summer-time shift, as short dates.
    void ShowTermDates(const YearTermTable& table, int summerHours);

    // Whether "\bmp\diag.bmp" could be read, and the file error when it could not.
    bool PictureLoaded() const { return pictureError_.isEmpty(); }
    const QString& PictureError() const { return pictureError_; }

    QLabel* Picture;                    // the circle, at (68, 24)
    QLabel* OverlayImage;               // the Sun's radius, same place and size
    std::array<QLabel*, 24> TermDates;  // Label1..Label24

private:
    QImage overlay_;
    QString pictureError_;
};

constexpr int kCircleImageSize = 426;
