// SPDX-License-Identifier: GPL-3.0-or-later
// The five elements on a circle, Fire at the top: the producing cycle runs round the circle
// (Wood feeds Fire, Fire makes Earth, Earth bears Metal, Metal carries Water, Water feeds Wood),
// the controlling cycle crosses it as a star (Wood parts Earth, Earth dams Water, Water quenches
// Fire, Fire melts Metal, Metal cuts Wood).

#include <QPainter>
#include <QPolygonF>

#include <QtMath>
#include <cmath>

#include "lore.h"
#include "pictures.h"

namespace art {

namespace {

constexpr int kSize = 420;
const QPointF kCentre(210, 190);
constexpr double kRadius = 135;   // circle through the elements
constexpr double kNode = 40;      // radius of an element's disc
constexpr double kClearance = 6;  // gap between an arrow and a disc

const QColor kProducing(0, 128, 0);
const QColor kControlling(200, 0, 0);

// In the producing order, clockwise from the top.
const Element kOrder[5] = {Element::Fire, Element::Earth, Element::Metal, Element::Water,
                           Element::Wood};

// Screen point at a clockwise angle from the top.
QPointF onCircle(double degrees, double radius) {
    const double a = qDegreesToRadians(degrees);
    return QPointF(kCentre.x() + radius * std::sin(a), kCentre.y() - radius * std::cos(a));
}

void drawArrowHead(QPainter& painter, QPointF tip, QPointF direction, const QColor& colour) {
    const double length = std::hypot(direction.x(), direction.y());
    const QPointF u = direction / length;
    const QPointF n(-u.y(), u.x());
    const QPolygonF head({tip, tip - 12 * u + 5 * n, tip - 12 * u - 5 * n});
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head);
}

void drawProducingArc(QPainter& painter, int from) {
    // The disc of an element covers this much of the circle on either side of its centre.
    const double margin = qRadiansToDegrees(2 * std::asin((kNode + kClearance) / (2 * kRadius)));
    const double start = 72.0 * from + margin;
    const double end = 72.0 * (from + 1) - margin;
    painter.setPen(QPen(kProducing, 2.5, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF box(kCentre.x() - kRadius, kCentre.y() - kRadius, 2 * kRadius, 2 * kRadius);
    // Qt counts angles counter-clockwise from three o'clock; ours run clockwise from the top.
    painter.drawArc(box, static_cast<int>(std::lround((90 - start) * 16)),
                    static_cast<int>(std::lround(-(end - start - 4) * 16)));
    const QPointF tip = onCircle(end, kRadius);
    const QPointF tangent(std::cos(qDegreesToRadians(end)), std::sin(qDegreesToRadians(end)));
    drawArrowHead(painter, tip, tangent, kProducing);
}

void drawControllingChord(QPainter& painter, int from) {
    const QPointF a = onCircle(72.0 * from, kRadius);
    const QPointF b = onCircle(72.0 * (from + 2), kRadius);
    const QPointF d = b - a;
    const QPointF u = d / std::hypot(d.x(), d.y());
    const QPointF start = a + (kNode + kClearance) * u;
    const QPointF tip = b - (kNode + kClearance) * u;
    painter.setPen(QPen(kControlling, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(start, tip - 8 * u);
    drawArrowHead(painter, tip, u, kControlling);
}

void drawElement(QPainter& painter, int index) {
    const Element element = kOrder[index];
    const QPointF centre = onCircle(72.0 * index, kRadius);
    const QColor paint = elementPaint(element);
    const bool dark = paint.lightness() < 110 || element == Element::Fire;
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(paint);
    painter.drawEllipse(centre, kNode, kNode);
    painter.setPen(dark ? Qt::white : QColor(20, 20, 20));
    painter.setFont(hanziSerifFont(22, true));
    drawHanzi(painter, centre + QPointF(0, -10), elementHanzi(element));
    painter.setFont(textFont(12, true));
    drawLabel(painter, centre + QPointF(0, 15), elementName(element));
}

void drawKeyItem(QPainter& painter, double x, double y, const QColor& colour, const QString& text) {
    painter.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, y), QPointF(x + 22, y));
    drawArrowHead(painter, QPointF(x + 32, y), QPointF(1, 0), colour);
    painter.setPen(QColor(30, 30, 30));
    painter.setFont(textFont(12));
    painter.drawText(QPointF(x + 40, y + 4.5), text);
}

}  // namespace

void drawElementCycles(Pictures& out) {
    QImage image = blankCanvas(kSize, kSize);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    for (int i = 0; i < 5; ++i) drawControllingChord(painter, i);
    for (int i = 0; i < 5; ++i) drawProducingArc(painter, i);
    for (int i = 0; i < 5; ++i) drawElement(painter, i);

    drawKeyItem(painter, 14, 396, kProducing, QStringLiteral("Цикл порождения"));
    drawKeyItem(painter, 222, 396, kControlling, QStringLiteral("Цикл разрушения"));

    painter.end();
    out.push_back({QStringLiteral("diag4.bmp"), image});
}

}  // namespace art
