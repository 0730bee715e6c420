// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Органы и меридианы": beside each stem glyph its organ, beside each branch glyph its meridian
// and, on a second line, its channel.
#include "reference/ui/reference_window.h"

class TStemBranchGrid;

class TFormTable9 : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormTable9(QWidget* parent = nullptr);

    TStemBranchGrid* Grid;
};
