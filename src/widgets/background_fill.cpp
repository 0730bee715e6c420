// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/background_fill.h"

#include <QPalette>
#include <QWidget>

void FillBackground(QWidget& widget, const QColor& colour) {
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}
