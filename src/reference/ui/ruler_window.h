// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Геомантическая линейка": a length in millimetres is folded onto the 432-millimetre ruler, a
// marker stands at its place on the picture of the ruler, and the fortune of its segment is named.
#include "reference/ui/reference_window.h"

class QFrame;
class QLineEdit;
class QToolButton;

class TFormLine : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TFormLine(QWidget* parent = nullptr);

    // Text of the field changed: reset bad input, place the marker, name the segment.
    void EditLengthChange();
    // The up-down control: one millimetre more (+1) or less (−1).
    void UpDownClick(int delta);

    QLineEdit* EditLength;
    QToolButton* UpDownLess;  // the horizontal up-down control, left half
    QToolButton* UpDownMore;  // right half
    QLabel* LabelUnit;        // "мм"
    QLabel* LabelVerdict;
    QLabel* Ruler;  // "\bmp\line.bmp", one pixel per millimetre
    QFrame* Marker;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The ruler's left edge in the window; the marker stands this far right of it plus the position.
constexpr int kRulerLeft = 100;
