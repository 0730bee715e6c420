// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Диаграмма «У син»": the generating and controlling cycles of the five elements.
#include "reference/ui/reference_window.h"

class QLabel;

class TFormTable5 : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormTable5(QWidget* parent = nullptr);

    QLabel* Picture;
};
