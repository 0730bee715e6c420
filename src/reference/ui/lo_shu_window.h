// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Диаграмма Ло Шу": the magic square of the nine palaces.
#include "reference/ui/reference_window.h"

class QLabel;

class TFormVV : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormVV(QWidget* parent = nullptr);

    QLabel* Picture;
};
