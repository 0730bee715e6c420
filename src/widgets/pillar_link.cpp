// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pillar_link.h"

#include <QMouseEvent>

PillarLink::PillarLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    setCursor(Qt::PointingHandCursor);
}

void PillarLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
