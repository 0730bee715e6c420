// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/five_element_diagram_window.h"

TFormTable5::TFormTable5(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Диаграмма «У син»"), parent) {
    Picture = PictureContent(QStringLiteral("\\bmp\\diag4.bmp"), QSize(420, 420));
}
