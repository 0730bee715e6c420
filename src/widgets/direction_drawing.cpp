// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/direction_drawing.h"

#include <QImage>
#include <QPainter>
#include <cmath>

void ClearImage(QImage& image, const QColor& brush) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawRect(QRect(QPoint(-1, -1), QPoint(image.height() + 1, image.width() + 1)));
}

void DrawDirectionLine(QImage& image, double degrees) {
    const double half = image.width() / 2.0;
    const int centre = image.width() / 2;
    const double radians = degrees * M_PI / 180.0;
    const int x = centre - static_cast<int>(std::lround(std::cos(radians) * half));
    const int y = centre - static_cast<int>(std::lround(std::sin(radians) * half));
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, 1, Qt::SolidLine));
    painter.drawLine(centre, centre, x, y);
}
