// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSpinBox>

// An up-down whose edit takes a typed integer within its range (37 → 120 typed, not clicked)
// and refuses anything else, as the arrows do.
class UpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    UpDownEdit(int minimum, int maximum, QWidget* parent = nullptr);
    QString EditText() const;

protected:
    // Plain digits whatever the locale, so that the stored text always reads back as a number.
    QString textFromValue(int value) const override { return QString::number(value); }
};
