// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/czi_pin_widget.h"

#include <QPainter>
#include <QPolygon>

#include "tools/czi_pin_geometry.h"

TCziPin::TCziPin(QWidget* parent) : QWidget(parent) {
    resize(sizeHint());
}

void TCziPin::SetCPScrol(TCziPinParam position) {
    position_ = position;
    update();
}

void TCziPin::SetLeftColor(const QColor& colour) {
    left_ = colour;
    update();
}

void TCziPin::SetRigntColor(const QColor& colour) {
    right_ = colour;
    update();
}

void TCziPin::SetArrColor(const QColor& colour) {
    arrow_ = colour;
    update();
}

void TCziPin::SetInJan(TMyInJan direction) {
    direction_ = direction;
    update();
}

void TCziPin::paintEvent(QPaintEvent*) {
    const LifeStagePicture picture =
        LifeStagePictureOf(width(), height(), static_cast<int>(position_), direction_);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    // A one-pixel outline of a QRect covers one pixel more than the rectangle: draw it one
    // smaller so that the outline lies on the rectangle's own pixels.
    painter.setBrush(left_);
    painter.drawRect(picture.left.adjusted(0, 0, -1, -1));
    painter.setBrush(right_);
    painter.drawRect(picture.right.adjusted(0, 0, -1, -1));
    for (int x : picture.marks) painter.drawLine(x, picture.markTop, x, height() - 1);
    painter.setBrush(arrow_);
    painter.drawPolygon(QPolygon({picture.pointer[0], picture.pointer[1], picture.pointer[2]}));
}
