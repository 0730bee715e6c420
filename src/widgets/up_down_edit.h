// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSpinBox>

// An up-down with its edit read-only: the number changes only through the arrows.
class UpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    UpDownEdit(int minimum, int maximum, QWidget* parent = nullptr);
    QString EditText() const;

protected:
    // Plain digits whatever the locale, so that the stored text always reads back as a number.
    QString textFromValue(int value) const override { return QString::number(value); }
};
