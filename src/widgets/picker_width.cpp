// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picker_width.h"

#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace {

// The widest text the picker's format makes: each month, each weekday (the 22nd to the 28th),
// the hours before and after noon.
int WidestText(const QDateTimeEdit& picker) {
    const QFontMetrics metrics(picker.font());
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 22; day <= 28; ++day)
            for (const QTime time : {QTime(10, 58, 58), QTime(23, 58, 58)}) {
                const QDateTime sample(QDate(2000, month, day), time);
                widest = std::max(widest, metrics.horizontalAdvance(picker.locale().toString(
                                              sample, picker.displayFormat())));
            }
    return widest;
}

// The width of the text field inside a picker `width` wide, as its style lays it out: beside the
// drop-down button of a calendar picker, or the up and down buttons of the others.
int EditFieldWidth(const QDateTimeEdit& picker, int width) {
    const QRect rect(0, 0, width, picker.sizeHint().height());
    if (picker.calendarPopup()) {
        QStyleOptionComboBox option;
        option.initFrom(&picker);
        option.rect = rect;
        option.editable = true;
        option.frame = picker.hasFrame();
        option.subControls = QStyle::SC_ComboBoxEditField;
        return picker.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &picker)
            .width();
    }
    QStyleOptionSpinBox option;
    option.initFrom(&picker);
    option.rect = rect;
    option.frame = picker.hasFrame();
    option.buttonSymbols = picker.buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    return picker.style()
        ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, &picker)
        .width();
}

}  // namespace

int PickerWidth(const QDateTimeEdit& picker) {
    // The text field keeps 2 px of margin at each side, and the cursor after the last character
    // needs its own pixel; one spare pixel more for rounding of the text's advance.
    const int field = WidestText(picker) + 2 * 2 + 1 + 1;
    // The frame and buttons do not grow with the picker: measured once at any width.
    constexpr int kProbe = 400;
    return field + kProbe - EditFieldWidth(picker, kProbe);
}
