// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Стволы и ветви": the ten stems and twelve branches with their glyphs, each caption in the
// colour of its element.
#include "reference/ui/reference_window.h"

class TStemBranchGrid;

class TFormTable2 : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormTable2(QWidget* parent = nullptr);

    TStemBranchGrid* Grid;
};
