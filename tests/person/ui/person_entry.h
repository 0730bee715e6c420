// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A person typed into the person window, as the window tests enter one.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>

#include "astro/moment.h"
#include "person/ui/people_window.h"
#include "support/utf8.h"
#include "widgets/picker_moment.h"
#include "widgets/up_down_edit.h"

// The birth moment and the sex.
inline void EnterBirth(TFormPeople& w, Moment birth, bool male) {
    const QDateTime dt = DateTimeOfMoment(birth);
    w.MyDate->setDateTime(dt);
    w.MyTime->setTime(dt.time());
    (male ? w.RadioButtonM : w.RadioButtonF)->setChecked(true);
}

// Name, birth and sex under "(GMT +03:00)", without summer shift or longitude.
inline void EnterPerson(TFormPeople& w, const char* name, Moment birth, bool male) {
    w.EditNamePeople->setText(U(name));
    EnterBirth(w, birth, male);
    w.ComboGMT->setCurrentIndex(16);
    w.EditLetnee->setValue(0);
    w.CheckBoxDolgota->setChecked(false);
}
