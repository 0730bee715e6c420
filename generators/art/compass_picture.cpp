// SPDX-License-Identifier: GPL-3.0-or-later
// The compass (luopan) of the compass window: north at the top and east on the right, as the
// window draws the facing direction over it. From the rim inwards: degrees, the 24 mountains,
// the eight trigrams, the eight directions with their ranges, and the taiji in the middle.

#include <QPainter>

#include "pictures.h"
#include "rings.h"

namespace art {

namespace {

constexpr int kSize = 731;
// The window draws its radius from pixel (365, 365); the middle of that pixel is the centre.
const QPointF kCentre(365.5, 365.5);

constexpr double kRim = 358;
constexpr double kDegreesInner = 320;
constexpr double kMountainsInner = 250;
constexpr double kTrigramsInner = 168;
constexpr double kDirectionsInner = 108;
constexpr double kTaiji = 62;

void drawDegreeRing(QPainter& painter, const Dial& dial) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 248, 240));
    painter.drawPath(dial.sector(kDegreesInner, kRim, 0, 360));
    painter.setPen(QPen(QColor(30, 30, 30), 1));
    for (int degree = 0; degree < 360; ++degree) {
        const double length = degree % 10 == 0 ? 13 : degree % 5 == 0 ? 9 : 5;
        dial.drawRadius(painter, kRim - length, kRim, degree);
    }
    painter.setFont(textFont(11, true));
    for (int degree = 0; degree < 360; degree += 10) {
        drawLabel(painter, dial.point(kRim - 24, degree), QString::number(degree));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    dial.drawCircle(painter, kRim);
}

// The eight 45-degree sectors in which every sector-based rule of the table works.
void drawDirectionRing(QPainter& painter, const Dial& dial) {
    for (int azimuth = 0; azimuth < 360; azimuth += 45) {
        painter.setPen(QPen(QColor(40, 40, 40), 1.5));
        painter.setBrush(azimuth % 90 == 0 ? QColor(246, 246, 246) : Qt::white);
        painter.drawPath(
            dial.sector(kDirectionsInner, kTrigramsInner, azimuth - 22.5, azimuth + 22.5));
        const int first = (azimuth + 338) % 360;  // sector ranges 338..22, 23..67, ...
        const int last = azimuth + 22;
        drawStack(painter, dial.point((kDirectionsInner + kTrigramsInner) / 2, azimuth),
                  {StackItem::label(textFont(18, true),
                                    azimuth == 0 ? QColor(170, 0, 0) : QColor(30, 30, 30),
                                    directionCaption(azimuth), 24),
                   StackItem::label(textFont(10), QColor(70, 70, 70),
                                    QStringLiteral("%1°–%2°").arg(first).arg(last), 14)});
    }
}

void drawTaiji(QPainter& painter, QPointF c, double r) {
    const QColor dark(30, 30, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(c, r, r);
    QPainterPath half;  // the right half of the disc
    half.moveTo(c.x(), c.y() - r);
    half.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, -180);
    half.closeSubpath();
    painter.setBrush(dark);
    painter.drawPath(half);
    painter.setBrush(Qt::white);
    painter.drawEllipse(c + QPointF(0, -r / 2), r / 2, r / 2);
    painter.setBrush(dark);
    painter.drawEllipse(c + QPointF(0, r / 2), r / 2, r / 2);
    painter.drawEllipse(c + QPointF(0, -r / 2), r / 7, r / 7);
    painter.setBrush(Qt::white);
    painter.drawEllipse(c + QPointF(0, r / 2), r / 7, r / 7);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(dark, 1.5));
    painter.drawEllipse(c, r, r);
}

}  // namespace

void drawCompass(Pictures& out) {
    QImage image = blankCanvas(kSize, kSize);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const Dial dial = Dial::northUp(kCentre);

    drawDegreeRing(painter, dial);
    drawMountainRing(painter, dial, {kMountainsInner, kDegreesInner, 28, 14});
    drawTrigramRing(painter, dial, {kTrigramsInner, kMountainsInner, 20, 14}, 34);
    drawDirectionRing(painter, dial);
    drawTaiji(painter, kCentre, kTaiji);

    painter.end();
    out.push_back({QStringLiteral("lopan.bmp"), image});
}

}  // namespace art
