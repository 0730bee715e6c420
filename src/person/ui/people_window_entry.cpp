// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's birth data: name, sex, the birth date and time, the zone, summer time and
// longitude, and the birth place that fills them; every edit marks the person changed.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "astro/moment.h"
#include "person/ui/birth_place_row.h"
#include "person/ui/people_window.h"
#include "widgets/error_box.h"
#include "widgets/picker_moment.h"
#include "widgets/picker_width.h"
#include "widgets/typed_date_edit.h"
#include "widgets/up_down_edit.h"
#include "widgets/zone_combo.h"

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
QString Caption(const char* s) {
    return QString::fromUtf8(s);
}

// The locale's long date ("dddddd") as a picker format: without a leading weekday.
QString LongDatePickerFormat() {
    QString f = QLocale().dateFormat(QLocale::LongFormat);
    for (const QString& weekday : {QStringLiteral("dddd, "), QStringLiteral("dddd ")}) {
        if (f.startsWith(weekday)) return f.mid(weekday.size());
    }
    return f;
}

}  // namespace

QWidget* TFormPeople::BuildEntry() {
    auto* entry = new QFrame(this);
    entry->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QVBoxLayout(entry);
    rows->setContentsMargins(6, 3, 6, 3);
    rows->setSpacing(3);
    rows->addLayout(BuildNameRow(entry));
    rows->addLayout(BuildBirthMomentRow(entry));
    BirthPlace = new BirthPlaceRow(ComboGMT, EditLetnee, EditDolgota, entry);
    rows->addWidget(BirthPlace);
    return entry;
}

QHBoxLayout* TFormPeople::BuildNameRow(QWidget* entry) {
    auto* first = new QHBoxLayout;
    first->setSpacing(4);
    first->addWidget(new QLabel(Caption("Имя:"), entry));
    EditNamePeople = new QLineEdit(entry);
    first->addWidget(EditNamePeople, 1);
    first->addSpacing(8);
    first->addWidget(new QLabel(Caption("Пол:"), entry));
    RadioButtonF = new QRadioButton(Caption("ж."), entry);
    RadioButtonM = new QRadioButton(Caption("м."), entry);
    auto* sex = new QButtonGroup(entry);
    sex->addButton(RadioButtonF);
    sex->addButton(RadioButtonM);
    first->addWidget(RadioButtonF);
    first->addWidget(RadioButtonM);
    first->addSpacing(8);
    Sinxron = new QCheckBox(Caption("Отображать в календаре"), entry);
    first->addWidget(Sinxron);
    return first;
}

QHBoxLayout* TFormPeople::BuildBirthMomentRow(QWidget* entry) {
    auto* second = new QHBoxLayout;
    // Tight, so that the whole birth date fits beside the time and the corrections.
    second->setSpacing(3);
    MyDate = new TypedDateEdit(entry);
    HoldCivilTime(*MyDate);
    // The whole last day of the range stays open to a time of day.
    MyDate->setDateTimeRange(DateTimeOfMoment(kFirstPickerMoment),
                             DateTimeOfMoment(kLastPickerMoment).addMSecs(86399999));
    MyDate->setDisplayFormat(LongDatePickerFormat());
    MyDate->setCalendarPopup(true);
    MyDate->setMinimumWidth(PickerWidth(*MyDate));
    second->addWidget(MyDate, 1);
    MyTime = new TypedTimeEdit(entry);
    MyTime->setDisplayFormat(PickerTimeFormat());
    second->addWidget(MyTime);
    second->addSpacing(2);
    second->addWidget(new QLabel(Caption("GMT:"), entry));
    ComboGMT = new QComboBox(entry);
    for (const ZoneEntry& zone : ZoneTable) ComboGMT->addItem(QString::fromUtf8(zone.caption));
    second->addWidget(ComboGMT);
    second->addSpacing(2);
    second->addWidget(new QLabel(Caption("л.в.:"), entry));
    EditLetnee = new UpDownEdit(kMinSummerHours, kMaxSummerHours, entry);
    second->addWidget(EditLetnee);
    second->addSpacing(2);
    CheckBoxDolgota = new QCheckBox(Caption("долгота:"), entry);
    second->addWidget(CheckBoxDolgota);
    EditDolgota = new UpDownEdit(kMinLongitude, kMaxLongitude, entry);
    second->addWidget(EditDolgota);
    second->addWidget(new QLabel(Caption("(гр.)"), entry));
    return second;
}

void TFormPeople::ConnectEdits() {
    connect(EditNamePeople, &QLineEdit::textChanged, this, &TFormPeople::Edited);
    connect(MyDate, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& birth) {
        // A chosen place answers for the zone and summer time of the new moment.
        if (filling_) return;
        const QString refilled = BirthPlace->Refill(MomentOfDateTime(birth));
        if (!refilled.isEmpty()) StatusLine->setText(refilled);
        Edited();
    });
    connect(BirthPlace, &BirthPlaceRow::PlaceRequested, this, [this] {
        const auto place = BirthPlace->askPlace(this);
        if (!place) return;
        if (BirthPlace->Fill(*place, MomentOfDateTime(MyDate->dateTime()))) {
            // The longitude rule of every place picked (and of `--place`): the place gives its
            // longitude, the correction stays as the settings have it.
            CheckBoxDolgota->setChecked(host_.timeSettings && host_.timeSettings().longitudeOn);
            // What the status line said of the previous place no longer holds.
            StatusLine->clear();
            Edited();
        } else {
            ShowErrorBox(this, Caption("Часовой пояс места неизвестен: ") + Text(place->timeZone));
        }
    });
    connect(MyTime, &QTimeEdit::timeChanged, this, [this](const QTime& time) {
        // The date picker carries the whole birth: the new time of day goes into it.
        const Moment date = MomentOfDateTime(MyDate->dateTime());
        MyDate->setDateTime(DateTimeOfMoment(WithTimeOf(date, MomentOfTime(time))));
        Edited();
    });
    connect(RadioButtonM, &QRadioButton::toggled, this, &TFormPeople::Edited);
    connect(ComboGMT, &QComboBox::currentIndexChanged, this, &TFormPeople::Edited);
    connect(EditLetnee, &QSpinBox::valueChanged, this, &TFormPeople::Edited);
    connect(CheckBoxDolgota, &QCheckBox::toggled, this, [this](bool on) {
        EditDolgota->setEnabled(on);
        Edited();
    });
    connect(EditDolgota, &QSpinBox::valueChanged, this, &TFormPeople::Edited);
}
