// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_window.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "app/settings_store.h"
#include "support/shell_test.h"

namespace {

class SettingsWindowTest : public ShellTest {};

TEST_F(SettingsWindowTest, AFreshStoreGivesTheDefaults) {
    TFormSettings settings;
    EXPECT_EQ(settings.windowTitle(), QString::fromUtf8("Установки"));
    EXPECT_EQ(settings.ComboBoxGMT->count(), 32);
    EXPECT_EQ(settings.ComboBoxGMT->currentIndex(), 16);
    EXPECT_EQ(settings.ComboBoxGMT->currentText(), QStringLiteral("(GMT +03:00)"));
    EXPECT_EQ(settings.EditLetnee->value(), 0);
    EXPECT_EQ(settings.EditDolgota->value(), 37);
    EXPECT_EQ(settings.EditDolgota->EditText(), QStringLiteral("37"));
    EXPECT_FALSE(settings.CheckSh->isChecked());
    EXPECT_FALSE(settings.EditDolgota->isEnabled());

    const TimeSettings t = settings.CurrentTimeSettings();
    EXPECT_EQ(t.zoneCaption, "(GMT +03:00)");
    EXPECT_EQ(t.summerHours, 0);
    EXPECT_EQ(t.longitude, 37);
    EXPECT_FALSE(t.longitudeOn);
    EXPECT_EQ(StatusLineText(t), " GMT: (GMT +03:00) | летнее время: 0 | долгота не учтена");
}

TEST_F(SettingsWindowTest, OkStoresTheSixValuesTheLongitudeCrosswise) {
    TFormSettings settings;
    int applied = 0;
    QObject::connect(&settings, &TFormSettings::SettingsApplied, [&] { ++applied; });
    settings.ComboBoxGMT->setCurrentIndex(21);
    settings.EditLetnee->setValue(-2);
    settings.CheckSh->click();
    EXPECT_TRUE(settings.EditDolgota->isEnabled());
    settings.EditDolgota->setValue(-75);
    settings.ButtonOK->click();
    EXPECT_EQ(applied, 1);

    const auto store = OpenSettingsStore();
    EXPECT_EQ(store->value("Pref/GMT").toInt(), 21);
    EXPECT_EQ(store->value("Pref/Letnee").toInt(), -2);
    EXPECT_EQ(store->value("Pref/LetneeEdit").toString(), QStringLiteral("-2"));
    EXPECT_TRUE(store->value("Pref/CheckSh").toBool());
    EXPECT_EQ(store->value("Pref/Dolgota").toString(), QStringLiteral("-75"));
    EXPECT_EQ(store->value("Pref/DolgotaEdit").toInt(), -75);

    // A second window (the next start) loads what was stored.
    TFormSettings next;
    EXPECT_EQ(next.ComboBoxGMT->currentText(), QStringLiteral("(GMT +05:45)"));
    EXPECT_EQ(next.EditLetnee->value(), -2);
    EXPECT_TRUE(next.CheckSh->isChecked());
    EXPECT_EQ(next.EditDolgota->value(), -75);
    EXPECT_EQ(StatusLineText(next.CurrentTimeSettings()),
              " GMT: (GMT +05:45) | летнее время: -2 | долгота -75 (гр.)");
}

TEST_F(SettingsWindowTest, CancelOrClosingBringsTheStoredValuesBack) {
    TFormSettings settings;
    int applied = 0;
    QObject::connect(&settings, &TFormSettings::SettingsApplied, [&] { ++applied; });
    settings.ComboBoxGMT->setCurrentIndex(3);
    settings.EditLetnee->setValue(4);
    settings.CheckSh->click();
    settings.ButtonCancel->click();
    EXPECT_EQ(applied, 0);
    EXPECT_EQ(settings.ComboBoxGMT->currentIndex(), 16);
    EXPECT_EQ(settings.EditLetnee->value(), 0);
    EXPECT_FALSE(settings.CheckSh->isChecked());
    EXPECT_FALSE(settings.EditDolgota->isEnabled());

    settings.show();
    settings.EditLetnee->setValue(3);
    settings.close();
    EXPECT_EQ(settings.EditLetnee->value(), 0);
    EXPECT_FALSE(OpenSettingsStore()->contains("Pref/Letnee"));
}

TEST_F(SettingsWindowTest, OddStoredValuesFallBackSafely) {
    {
        const auto store = OpenSettingsStore();
        store->setValue("Pref/GMT", 40);
        store->setValue("Pref/Dolgota", "abc");
        store->setValue("Pref/Letnee", 9);
    }
    TFormSettings settings;
    // A zone index outside the list leaves no selection: offset 0.
    EXPECT_EQ(settings.ComboBoxGMT->currentIndex(), -1);
    EXPECT_EQ(settings.CurrentTimeSettings().zoneCaption, "");
    EXPECT_EQ(settings.CurrentTimeSettings().zoneHours(), 0.0f);
    EXPECT_EQ(settings.EditDolgota->value(), 37);
    // The up-down keeps the shift within −5..5.
    EXPECT_EQ(settings.EditLetnee->value(), 5);
}

TEST_F(SettingsWindowTest, TheDefaultLayoutButtonAsksForItAndCloses) {
    TFormSettings settings;
    int asked = 0;
    QObject::connect(&settings, &TFormSettings::DefaultLayoutRequested, [&] { ++asked; });
    settings.show();
    settings.ButtonDefault->click();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(settings.isVisible());
    EXPECT_EQ(settings.ButtonDefault->text(), QString::fromUtf8("Интерфейс «по умолчанию»"));
}

}  // namespace
