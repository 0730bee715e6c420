// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A widget painted over with one colour (the white of the calendar and reference windows, the
// coloured bars and squares of the legends).
#include <QColor>

class QWidget;

void FillBackground(QWidget& widget, const QColor& colour);
