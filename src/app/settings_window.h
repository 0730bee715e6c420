// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Установки": the zone, the summer-time shift and the longitude with its switch, and the button
// that lays all windows out in the default arrangement. Loads the stored values when created;
// "OK" stores and applies them, anything else that closes it brings the stored values back.
// Every calculation reads the time settings from these controls.
#include <QDialog>

#include "astro/local_time.h"
#include "widgets/up_down_edit.h"

class HomePlaceBox;
class QCheckBox;
class QComboBox;
class QPushButton;

class TFormSettings : public QDialog {
    Q_OBJECT
public:
    explicit TFormSettings(QWidget* parent = nullptr);

    // The stored values into the controls (defaults where absent); the ΔT switch of the
    // astronomy follows its check box.
    void LoadSettings();
    // The controls into the store.
    void SaveSettings();
    // What the controls say now.
    TimeSettings CurrentTimeSettings() const;
    // What the main window computes with at the civil moment `civil`: the controls' settings,
    // or the home place's zone and summer shift then while it follows that place.
    TimeSettings TimeSettingsAt(Moment civil) const;

    QComboBox* ComboBoxGMT;
    UpDownEdit* EditLetnee;
    QCheckBox* CheckSh;
    QCheckBox* CheckCaptions;  // the names under the main toolbar's pictograms
    UpDownEdit* EditDolgota;
    QCheckBox* CheckDeltaT;  // "Учитывать ΔT"
    HomePlaceBox* HomePlace;
    QPushButton* ButtonDefault;
    QPushButton* ButtonOK;
    QPushButton* ButtonCancel;

    void done(int result) override;

signals:
    // "OK": the values were stored; the main window applies them.
    void SettingsApplied();
    // "Интерфейс «по умолчанию»": the windows go to their default places.
    void DefaultLayoutRequested();

protected:
    void showEvent(QShowEvent* event) override;
};
