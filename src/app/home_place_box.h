// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The home place of "Установки": a place (widgets/place_picker) that fills the default zone, summer
// shift and longitude for the current moment, and the switch that lets the main window follow the
// summer-time changes of that place as its date moves (off by default: the typed values hold all
// year round, as they always did). Also the zone list's exact offset in the store.
#include <QGroupBox>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "astro/julian_day.h"
#include "astro/local_time.h"
#include "astro/place_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSettings;
class UpDownEdit;

class HomePlaceBox : public QGroupBox {
    Q_OBJECT
public:
    // The controls it fills belong to the settings window.
    HomePlaceBox(QComboBox* zone, UpDownEdit* summer, UpDownEdit* longitude, QWidget* parent);

    QPushButton* ButtonPlace;  // "Выбрать..."
    QPushButton* ButtonClear;  // "Убрать"
    QLabel* LabelPlace;
    QCheckBox* CheckFollow;  // "Следовать летнему времени места"

    // Asks the user for a place (the picker; tests replace it).
    std::function<std::optional<Place>(QWidget*)> askPlace;

    // Fills the controls from `place` for the civil moment `now`; false (nothing changed) when
    // the time-zone database does not know the place's zone.
    bool Fill(const Place& place, Moment now);
    void Clear();

    void Load(const QSettings& store);
    void Save(QSettings& store) const;

    // `base` (the controls' settings) for the civil moment `civil`: with the switch on and a home
    // place chosen, the zone and summer shift that place had then.
    TimeSettings At(const TimeSettings& base, Moment civil) const;
    // While it is followed: the warnings of the clock time `civil` at the home place (a skipped
    // or repeated time, local mean time); none otherwise.
    std::vector<std::string> WarningLinesAt(const TimeSettings& base, Moment civil) const;

    const std::string& PlaceName() const { return place_; }
    const std::string& TimeZoneId() const { return timeZoneId_; }
    // The home place's longitude to the arc-second; none without a place.
    std::optional<int> LongitudeArcseconds() const { return longitudeArcseconds_; }

private:
    void ShowPlace();

    QComboBox* zone_;
    UpDownEdit* summer_;
    UpDownEdit* longitude_;
    std::string place_;
    std::string timeZoneId_;
    std::optional<int> longitudeArcseconds_;
};

// The zone of the list in the store: the list index, and an exact offset outside the list in the
// extra key (the index then the nearest entry's). Loading selects it, the extra entry included.
void LoadZoneSetting(const QSettings& store, QComboBox* zone);
void SaveZoneSetting(QSettings& store, const QComboBox* zone);
