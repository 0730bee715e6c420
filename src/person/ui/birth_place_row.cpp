// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ui/birth_place_row.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "astro/place_zone.h"
#include "widgets/place_picker.h"
#include "widgets/up_down_edit.h"
#include "widgets/zone_combo.h"

namespace {
const char* const kNoPlace = "место не выбрано";
}

std::string BirthPlaceName(const Place& place) {
    return place.country.empty() ? place.name : place.name + ", " + place.country;
}

BirthPlaceRow::BirthPlaceRow(QComboBox* zone, UpDownEdit* summer, UpDownEdit* longitude,
                             QWidget* parent)
    : QWidget(parent), zone_(zone), summer_(summer), longitude_(longitude) {
    ButtonPlace = new QPushButton(QString::fromUtf8("Место рождения..."), this);
    ButtonPlace->setToolTip(
        QString::fromUtf8("Пояс, летнее время и долгота места на момент рождения"));
    LabelPlace = new QLabel(QString::fromUtf8(kNoPlace), this);
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    line->addWidget(ButtonPlace);
    line->addWidget(LabelPlace, 1);
    askPlace = [](QWidget* parent) {
        return AskPlace(parent, QString::fromUtf8("Место рождения"));
    };
    connect(ButtonPlace, &QPushButton::clicked, this, &BirthPlaceRow::PlaceRequested);
}

bool BirthPlaceRow::Fill(const Place& place, Moment birth) {
    const auto settings = TimeSettingsAt(place.timeZone, birth, place.longitude, false);
    if (!settings) return false;
    Show(BirthPlaceName(place), place.timeZone, settings->longitudeArcseconds);
    SelectZoneCaption(zone_, settings->zoneCaption);
    summer_->setValue(settings->summerHours);
    longitude_->setValue(settings->longitude);
    return true;
}

QString BirthPlaceRow::Refill(Moment birth) {
    if (timeZoneId_.empty()) return QString();
    // The place's own longitude gives its mean time before its zone's standard time: the exact
    // one when known, else the window's whole degrees.
    const double longitude = longitudeArcseconds_ ? *longitudeArcseconds_ / 3600.0
                                                  : static_cast<double>(longitude_->value());
    const auto settings = TimeSettingsAt(timeZoneId_, birth, longitude, false);
    if (!settings) return QString();
    const QString caption = QString::fromStdString(settings->zoneCaption);
    if (zone_->currentText() == caption && summer_->value() == settings->summerHours)
        return QString();
    SelectZoneCaption(zone_, settings->zoneCaption);
    summer_->setValue(settings->summerHours);
    return QString::fromUtf8("Пояс и летнее время места «%1» на новую дату: %2, л.в. %3")
        .arg(QString::fromStdString(place_), caption)
        .arg(settings->summerHours);
}

void BirthPlaceRow::Show(const std::string& place, const std::string& timeZoneId,
                         std::optional<int> longitudeArcseconds) {
    place_ = place;
    timeZoneId_ = timeZoneId;
    longitudeArcseconds_ = timeZoneId.empty() ? std::nullopt : longitudeArcseconds;
    LabelPlace->setText(place.empty() ? QString::fromUtf8(kNoPlace)
                                      : QString::fromStdString(place));
    LabelPlace->setToolTip(QString::fromStdString(timeZoneId));
}
