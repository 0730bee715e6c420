// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Аналогии у син": the correspondences of the five elements, a header on a cream band and one
// row per element.
#include "reference/ui/reference_window.h"

class TReferenceGrid;

class TFormTable6 : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormTable6(QWidget* parent = nullptr);

    TReferenceGrid* Grid;  // row 0 the header, rows 1..5 the elements
};
