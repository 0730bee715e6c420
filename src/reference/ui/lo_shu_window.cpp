// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/lo_shu_window.h"

TFormVV::TFormVV(QWidget* parent) : ReferenceWindow(QString::fromUtf8("Диаграмма Ло Шу"), parent) {
    Picture = PictureContent(QStringLiteral("\\bmp\\diag1.bmp"), QSize(320, 320));
}
