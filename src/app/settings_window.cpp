// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/home_place_box.h"
#include "app/settings_backup.h"
#include "app/settings_store.h"
#include "astro/delta_t.h"

TFormSettings::TFormSettings(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QString::fromUtf8("Установки"));
    setModal(true);

    auto* timeGroup = new QGroupBox(QString::fromUtf8("Время "), this);
    auto* grid = new QGridLayout(timeGroup);
    grid->addWidget(new QLabel(QString::fromUtf8("GMT (Часовой пояс):"), timeGroup), 0, 0);
    ComboBoxGMT = new QComboBox(timeGroup);
    for (const ZoneEntry& zone : ZoneTable) ComboBoxGMT->addItem(QString::fromUtf8(zone.caption));
    grid->addWidget(ComboBoxGMT, 0, 1, 1, 2);

    grid->addWidget(new QLabel(QString::fromUtf8("Летнее время (Л.в.):"), timeGroup), 1, 0);
    EditLetnee = new UpDownEdit(-5, 5, timeGroup);
    grid->addWidget(EditLetnee, 1, 1);

    CheckSh = new QCheckBox(QString::fromUtf8("Учитывать долготу:"), timeGroup);
    grid->addWidget(CheckSh, 2, 0);
    EditDolgota = new UpDownEdit(-180, 180, timeGroup);
    grid->addWidget(EditDolgota, 2, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("(гр.)"), timeGroup), 2, 2);
    grid->setColumnStretch(2, 1);
    connect(CheckSh, &QCheckBox::toggled, EditDolgota, &QWidget::setEnabled);
    CheckDeltaT = new QCheckBox(QString::fromUtf8("Учитывать ΔT"), timeGroup);
    CheckDeltaT->setToolTip(QString::fromUtf8(
        "Моменты сезонов, новолуний и положение Солнца во всемирном времени (поправка ΔT); "
        "без нее — как считали прежние версии"));
    grid->addWidget(CheckDeltaT, 3, 0, 1, 3);
    HomePlace = new HomePlaceBox(ComboBoxGMT, EditLetnee, EditDolgota, this);

    auto* layoutGroup = new QGroupBox(QString::fromUtf8("Расположение форм и окон"), this);
    auto* layoutBox = new QVBoxLayout(layoutGroup);
    ButtonDefault = new QPushButton(QString::fromUtf8("Интерфейс «по умолчанию»"), layoutGroup);
    layoutBox->addWidget(ButtonDefault);
    CheckCaptions =
        new QCheckBox(QString::fromUtf8("Подписи под значками панели окон"), layoutGroup);
    layoutBox->addWidget(CheckCaptions);
    connect(ButtonDefault, &QPushButton::clicked, this, [this] {
        emit DefaultLayoutRequested();
        reject();
    });

    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonCancel = new QPushButton(QString::fromUtf8("Отмена"), this);
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, [this] {
        SaveSettings();
        SetDeltaTApplied(CheckDeltaT->isChecked());  // before the main window recalculates
        emit SettingsApplied();
        accept();
    });
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);

    auto* page = new QVBoxLayout(this);
    page->addWidget(timeGroup);
    page->addWidget(HomePlace);
    page->addWidget(layoutGroup);
    page->addLayout(buttons);
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    LoadSettings();
}

void TFormSettings::LoadSettings() {
    const auto store = OpenSettingsStore();
    LoadZoneSetting(*store, ComboBoxGMT);
    HomePlace->Load(*store);
    EditLetnee->setValue(ReadInt(*store, Setting::SummerHours));
    CheckSh->setChecked(ReadBool(*store, Setting::LongitudeOn));
    EditDolgota->setValue(ReadInt(*store, Setting::Longitude));
    EditDolgota->setEnabled(CheckSh->isChecked());
    CheckDeltaT->setChecked(ReadBool(*store, Setting::DeltaTOn));
    SetDeltaTApplied(CheckDeltaT->isChecked());
    CheckCaptions->setChecked(ReadBool(*store, Setting::ToolbarCaptions));
}

void TFormSettings::SaveSettings() {
    const auto store = OpenSettingsStore();
    SaveZoneSetting(*store, ComboBoxGMT);
    HomePlace->Save(*store);
    Write(*store, Setting::SummerHours, EditLetnee->value());
    Write(*store, Setting::SummerHoursText, EditLetnee->EditText());
    Write(*store, Setting::LongitudeOn, CheckSh->isChecked());
    // Crosswise, as the store has always kept them: the number and its text are the same longitude.
    Write(*store, Setting::Longitude, EditDolgota->EditText());
    Write(*store, Setting::LongitudeText, EditDolgota->value());
    Write(*store, Setting::DeltaTOn, CheckDeltaT->isChecked());
    Write(*store, Setting::ToolbarCaptions, CheckCaptions->isChecked());
    SyncSettings(*store);
}

TimeSettings TFormSettings::CurrentTimeSettings() const {
    TimeSettings s;
    s.zoneCaption = ComboBoxGMT->currentText().toStdString();
    s.summerHours = EditLetnee->value();
    s.longitude = EditDolgota->value();
    s.longitudeOn = CheckSh->isChecked();
    s.longitudeArcseconds = HomePlace->LongitudeArcseconds();
    return s;
}

TimeSettings TFormSettings::TimeSettingsAt(Moment civil) const {
    return HomePlace->At(CurrentTimeSettings(), civil);
}

void TFormSettings::done(int result) {
    // However the window closes, the controls show the stored values again.
    LoadSettings();
    QDialog::done(result);
}

void TFormSettings::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - frameGeometry().width()) / 2,
             (area.height() - frameGeometry().height()) / 2);
    }
}
