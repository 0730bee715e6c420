// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/gua_smol_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "tools/trigram_drawing.h"
#include "widgets/error_box.h"

namespace {

void PaintTrigram(QPainter& painter, int no) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRect& bar : TrigramRectangles(no)) painter.drawRect(bar);
}

}  // namespace

TGuaSmol::TGuaSmol(QWidget* parent) : QWidget(parent) {
    resize(sizeHint());
}

QSize TGuaSmol::sizeHint() const {
    return QSize(kTrigramWidth, kTrigramHeight);
}

bool TGuaSmol::SetNo(int no) {
    const auto refusal = number_.set(no);
    update();
    if (refusal) {
        ShowErrorBox(this, QString::fromStdString(*refusal));
        return false;
    }
    return true;
}

QPixmap TGuaSmol::Picture(int no, QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size.width()) / kTrigramWidth, double(size.height()) / kTrigramHeight);
    PaintTrigram(painter, no);
    return picture;
}

void TGuaSmol::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTrigram(painter, No());
}

void TGuaSmol::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
