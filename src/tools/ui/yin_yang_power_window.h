// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Соотношение ян/инь звезд": the fixed legend pairing each star of the yang series with its yin
// counterpart, each with the colour square of its element.
#include <QLabel>
#include <array>

#include "tools/ui/description_button_widget.h"
#include "widgets/tool_window.h"

class TFormPower : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormPower(QWidget* parent = nullptr);

    // The texts of the two columns, yang star 1..9 top to bottom.
    std::array<QLabel*, 9> YangStars{};
    std::array<QLabel*, 9> YinStars{};
};
