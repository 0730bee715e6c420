// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The birth place of the person window: "Место рождения..." asks for a place (widgets/place_picker)
// and fills the zone, the summer shift and the longitude of the birth moment from the place's
// time zone; the place's name shows beside them. While a place is chosen, a new birth date or time
// refills the zone and the summer shift for the new moment.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "astro/julian_day.h"
#include "astro/place_table.h"

class QComboBox;
class QLabel;
class QPushButton;
class UpDownEdit;

class BirthPlaceRow : public QWidget {
    Q_OBJECT
public:
    // The controls it fills belong to the person window.
    BirthPlaceRow(QComboBox* zone, UpDownEdit* summer, UpDownEdit* longitude, QWidget* parent);

    QPushButton* ButtonPlace;  // "Место рождения..."
    QLabel* LabelPlace;        // the place's name, or that none is chosen

    // Asks the user for a place (the picker; tests replace it).
    std::function<std::optional<Place>(QWidget*)> askPlace;

    // Fills the controls from `place` for the civil birth moment `birth`. False (nothing changed)
    // when the time-zone database does not know the place's zone.
    bool Fill(const Place& place, Moment birth);
    // With a place chosen: the zone and the summer shift for the new birth moment. The line for the
    // status bar when they changed, else an empty text.
    QString Refill(Moment birth);
    // The place of a file or of a cleared person (empty texts: none), with its exact longitude
    // when the file kept it.
    void Show(const std::string& place, const std::string& timeZoneId,
              std::optional<int> longitudeArcseconds = std::nullopt);

    const std::string& PlaceName() const { return place_; }
    const std::string& TimeZoneId() const { return timeZoneId_; }
    // The place's longitude to the arc-second; none without a place.
    std::optional<int> LongitudeArcseconds() const { return longitudeArcseconds_; }

signals:
    // The button was pressed: the window answers with Fill for its birth moment.
    void PlaceRequested();

private:
    QComboBox* zone_;
    UpDownEdit* summer_;
    UpDownEdit* longitude_;
    std::string place_;
    std::string timeZoneId_;
    std::optional<int> longitudeArcseconds_;
};

// What the person file keeps as the place's name: "Москва, Россия".
std::string BirthPlaceName(const Place& place);
