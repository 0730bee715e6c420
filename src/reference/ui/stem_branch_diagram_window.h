// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Диаграмма «Стволы и ветви»": the circle of stems, branches and trigrams, south at the top, with
// the four cardinal letters round it.
#include "reference/ui/reference_window.h"

class QLabel;

class TFormTable4 : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormTable4(QWidget* parent = nullptr);

    QLabel* Picture;
    QLabel *South, *North, *West, *East;  // "Ю" above, "С" below, "З" right, "В" left
};
