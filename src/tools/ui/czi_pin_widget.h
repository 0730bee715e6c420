// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCziPin: the scroll of the twelve life stages. Two coloured halves, seven marks and a pointer
// at the stage position, turned the way the stem's cycle runs there. Every property repaints.
#include <QColor>
#include <QWidget>

#include "tools/life_stages.h"

class TCziPin : public QWidget {
    Q_OBJECT
public:
    // Default size 100 × 30, position cp_4, red and green halves, a maroon pointer, cz_Jan.
    explicit TCziPin(QWidget* parent = nullptr);

    TCziPinParam CPScrol() const { return position_; }
    void SetCPScrol(TCziPinParam position);
    QColor LeftColor() const { return left_; }
    void SetLeftColor(const QColor& colour);
    // (The name has always been spelt so.)
    QColor RigntColor() const { return right_; }
    void SetRigntColor(const QColor& colour);
    QColor ArrColor() const { return arrow_; }
    void SetArrColor(const QColor& colour);
    TMyInJan InJan() const { return direction_; }
    void SetInJan(TMyInJan direction);

    QSize sizeHint() const override { return QSize(100, 30); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TCziPinParam position_ = TCziPinParam::cp_4;
    QColor left_{255, 0, 0};
    QColor right_{0, 128, 0};
    QColor arrow_{128, 0, 0};
    TMyInJan direction_ = TMyInJan::cz_Jan;
};
