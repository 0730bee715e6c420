// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/home_place_box.h"

#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/settings_store.h"
#include "astro/place_zone.h"
#include "calendar/clock_change_warnings.h"
#include "widgets/clock.h"
#include "widgets/error_box.h"
#include "widgets/place_picker.h"
#include "widgets/up_down_edit.h"
#include "widgets/zone_combo.h"

namespace {
QString Caption(const char* s) {
    return QString::fromUtf8(s);
}
}  // namespace

HomePlaceBox::HomePlaceBox(QComboBox* zone, UpDownEdit* summer, UpDownEdit* longitude,
                           QWidget* parent)
    : QGroupBox(Caption("Место по умолчанию"), parent),
      zone_(zone),
      summer_(summer),
      longitude_(longitude) {
    ButtonPlace = new QPushButton(Caption("Выбрать..."), this);
    ButtonPlace->setToolTip(Caption("Пояс, летнее время и долгота места на текущий момент"));
    ButtonClear = new QPushButton(Caption("Убрать"), this);
    LabelPlace = new QLabel(this);
    CheckFollow = new QCheckBox(Caption("Следовать летнему времени места"), this);
    CheckFollow->setToolTip(
        Caption("Главное окно берет пояс и летнее время места на выбранную дату"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelPlace, 0, 0, 1, 3);
    grid->addWidget(ButtonPlace, 1, 0);
    grid->addWidget(ButtonClear, 1, 1);
    grid->addWidget(CheckFollow, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    askPlace = [](QWidget* parent) { return AskPlace(parent, Caption("Место по умолчанию")); };
    connect(ButtonPlace, &QPushButton::clicked, this, [this] {
        const auto place = askPlace(this);
        if (place && !Fill(*place, Now()))
            ShowErrorBox(this, Caption("Часовой пояс места неизвестен: ") +
                                   QString::fromStdString(place->timeZone));
    });
    connect(ButtonClear, &QPushButton::clicked, this, &HomePlaceBox::Clear);
    ShowPlace();
}

bool HomePlaceBox::Fill(const Place& place, Moment now) {
    const auto settings = TimeSettingsAt(place.timeZone, now, place.longitude, false);
    if (!settings) return false;
    place_ = place.country.empty() ? place.name : place.name + ", " + place.country;
    timeZoneId_ = place.timeZone;
    longitudeArcseconds_ = settings->longitudeArcseconds;
    SelectZoneCaption(zone_, settings->zoneCaption);
    summer_->setValue(settings->summerHours);
    longitude_->setValue(settings->longitude);
    ShowPlace();
    return true;
}

void HomePlaceBox::Clear() {
    place_.clear();
    timeZoneId_.clear();
    longitudeArcseconds_.reset();
    CheckFollow->setChecked(false);
    ShowPlace();
}

void HomePlaceBox::ShowPlace() {
    const bool chosen = !timeZoneId_.empty();
    LabelPlace->setText(chosen ? QString::fromStdString(place_) : Caption("не выбрано"));
    LabelPlace->setToolTip(QString::fromStdString(timeZoneId_));
    ButtonClear->setEnabled(chosen);
    CheckFollow->setEnabled(chosen);
}

void HomePlaceBox::Load(const QSettings& store) {
    place_ = ReadText(store, Setting::HomePlace).toStdString();
    timeZoneId_ = ReadText(store, Setting::HomeTimeZoneId).toStdString();
    // A zone the database does not list (an edited settings file) is no home place: the
    // settings fall back to the zone list, as without one.
    if (!IsKnownTimeZone(timeZoneId_)) {
        place_.clear();
        timeZoneId_.clear();
    }
    CheckFollow->setChecked(ReadBool(store, Setting::FollowHomeSummerTime));
    bool ok = false;
    const int arcseconds = ReadText(store, Setting::LongitudeArcseconds).toInt(&ok);
    longitudeArcseconds_.reset();
    if (ok && !timeZoneId_.empty() && std::abs(arcseconds) <= 180 * 3600)
        longitudeArcseconds_ = arcseconds;
    ShowPlace();
}

void HomePlaceBox::Save(QSettings& store) const {
    if (timeZoneId_.empty()) {
        // Without a place the store keeps no trace of the feature.
        Remove(store, Setting::HomePlace);
        Remove(store, Setting::HomeTimeZoneId);
        Remove(store, Setting::FollowHomeSummerTime);
        Remove(store, Setting::LongitudeArcseconds);
        return;
    }
    Write(store, Setting::HomePlace, QString::fromStdString(place_));
    Write(store, Setting::HomeTimeZoneId, QString::fromStdString(timeZoneId_));
    Write(store, Setting::FollowHomeSummerTime, CheckFollow->isChecked());
    if (longitudeArcseconds_)
        Write(store, Setting::LongitudeArcseconds, *longitudeArcseconds_);
    else
        Remove(store, Setting::LongitudeArcseconds);
}

TimeSettings HomePlaceBox::At(const TimeSettings& base, Moment civil) const {
    if (timeZoneId_.empty() || !CheckFollow->isChecked()) return base;
    const auto atPlace =
        TimeSettingsAt(timeZoneId_, civil, base.longitudeDegrees(), base.longitudeOn);
    if (!atPlace) return base;
    TimeSettings s = base;
    s.zoneCaption = atPlace->zoneCaption;
    s.summerHours = atPlace->summerHours;
    s.localMeanTime = atPlace->localMeanTime;
    return s;
}

std::vector<std::string> HomePlaceBox::WarningLinesAt(const TimeSettings& base,
                                                      Moment civil) const {
    if (timeZoneId_.empty() || !CheckFollow->isChecked()) return {};
    return PlaceTimeWarningLines(timeZoneId_, civil, base.longitudeDegrees(), base.longitudeOn);
}

void LoadZoneSetting(const QSettings& store, QComboBox* zone) {
    // An index outside the list leaves it without a selection (zone offset 0).
    const int index = ReadInt(store, Setting::ZoneIndex);
    zone->setCurrentIndex(index >= 0 && index < kZoneCount ? index : -1);
    bool ok = false;
    const int seconds = ReadText(store, Setting::ZoneSeconds).toInt(&ok);
    if (ok && std::abs(seconds) <= 15 * 3600)
        SelectZoneCaption(zone, ZoneCaptionOfSeconds(seconds));
}

void SaveZoneSetting(QSettings& store, const QComboBox* zone) {
    if (const auto exact = SelectedExactZone(zone)) {
        Write(store, Setting::ZoneIndex, NearestZoneIndex(*exact));
        Write(store, Setting::ZoneSeconds, *exact);
    } else {
        Write(store, Setting::ZoneIndex, zone->currentIndex());
        Remove(store, Setting::ZoneSeconds);
    }
}
