// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Легенда фаз": the five star phases with the colours the geomantic table marks its stars with.
// Opened from the geomantic table; it keeps no place in the settings store and opens centred on
// the screen.
#include <array>

#include "reference/ui/reference_window.h"

class QLabel;

class TFormLegenda : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormLegenda(QWidget* parent = nullptr);

    std::array<QLabel*, 5> Squares;   // 10 × 10, the phase colour
    std::array<QLabel*, 5> Captions;  // "Расцвет (Ван)", ...
};
