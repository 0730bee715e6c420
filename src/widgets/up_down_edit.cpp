// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/up_down_edit.h"

#include <QLineEdit>

UpDownEdit::UpDownEdit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    // Typed numbers are checked as they are typed: only an integer within the range is taken.
}

QString UpDownEdit::EditText() const {
    return lineEdit()->text();
}
