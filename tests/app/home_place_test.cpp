// SPDX-License-Identifier: GPL-3.0-or-later
// The home place of the settings window: the fill for the current moment, the exact offset in the
// store (old key + extra key), and following the place's summer time as the date moves.
#include "app/home_place_box.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "app/settings_store.h"
#include "app/settings_window.h"
#include "astro/moment.h"
#include "support/shell_test.h"
#include "support/utf8.h"

namespace {

Place MakePlace(const char* name, double lon, const char* zone) {
    Place p;
    p.name = name;
    p.country = "Россия";
    p.longitude = lon;
    p.timeZone = zone;
    return p;
}

class HomePlaceTest : public ShellTest {
protected:
    static void Choose(TFormSettings& s, const Place& place) {
        s.HomePlace->askPlace = [place](QWidget*) { return std::optional<Place>(place); };
        s.HomePlace->ButtonPlace->click();
    }
};

TEST_F(HomePlaceTest, AHomePlaceFillsTheDefaultsAndIsStoredWithItsExactOffset) {
    TFormSettings settings;
    EXPECT_EQ(settings.HomePlace->LabelPlace->text(), U("не выбрано"));
    EXPECT_FALSE(settings.HomePlace->CheckFollow->isEnabled());
    // The test clock says 2024-06-21: Moscow +3 without summer time.
    Choose(settings, MakePlace("Москва", 37.62, "Europe/Moscow"));
    EXPECT_EQ(settings.ComboBoxGMT->currentText(), U("(GMT +03:00)"));
    EXPECT_EQ(settings.EditLetnee->value(), 0);
    EXPECT_EQ(settings.EditDolgota->value(), 38);
    EXPECT_EQ(settings.HomePlace->LabelPlace->text(), U("Москва, Россия"));
    EXPECT_TRUE(settings.HomePlace->CheckFollow->isEnabled());
    EXPECT_FALSE(settings.HomePlace->CheckFollow->isChecked());

    Choose(settings, MakePlace("Калькутта", 88.36, "Asia/Kolkata"));
    EXPECT_EQ(settings.ComboBoxGMT->currentText(), U("(GMT +05:30)"));
    settings.ButtonOK->click();
    {
        const auto store = OpenSettingsStore();
        EXPECT_EQ(store->value("Pref/GMT").toInt(), NearestZoneIndex(19800));
        EXPECT_EQ(store->value("Pref/GMTSeconds").toInt(), 19800);
        EXPECT_EQ(store->value("Pref/HomeTimeZoneId").toString(), QStringLiteral("Asia/Kolkata"));
    }
    TFormSettings next;
    EXPECT_EQ(next.ComboBoxGMT->currentText(), U("(GMT +05:30)"));
    EXPECT_EQ(next.CurrentTimeSettings().zoneDays(), 19800 / 86400.0);
    EXPECT_EQ(next.HomePlace->LabelPlace->text(), U("Калькутта, Россия"));

    // A list zone again and no place: the extra keys leave the store.
    next.ComboBoxGMT->setCurrentIndex(16);
    next.HomePlace->ButtonClear->click();
    next.ButtonOK->click();
    const auto store = OpenSettingsStore();
    EXPECT_EQ(store->value("Pref/GMT").toInt(), 16);
    EXPECT_FALSE(store->contains("Pref/GMTSeconds"));
    EXPECT_FALSE(store->contains("Pref/HomeTimeZoneId"));
}

TEST_F(HomePlaceTest, TheSwitchFollowsThePlacesSummerTimeAsTheDateMoves) {
    TFormSettings settings;
    Choose(settings, MakePlace("Москва", 37.62, "Europe/Moscow"));
    const Moment summer1985 = EncodeMoment(1985, 7, 1, 12, 0);
    // Off (the default): the typed values hold all year round.
    EXPECT_EQ(settings.TimeSettingsAt(summer1985).summerHours, 0);
    settings.HomePlace->CheckFollow->setChecked(true);
    EXPECT_EQ(settings.TimeSettingsAt(summer1985).summerHours, 1);
    EXPECT_EQ(settings.TimeSettingsAt(summer1985).zoneCaption, "(GMT +03:00)");
    EXPECT_EQ(settings.TimeSettingsAt(EncodeMoment(1985, 1, 15, 12, 0)).summerHours, 0);
    EXPECT_EQ(settings.TimeSettingsAt(EncodeMoment(2012, 1, 15, 12, 0)).zoneCaption,
              "(GMT +04:00)");
    settings.ButtonOK->click();
    TFormSettings next;
    EXPECT_TRUE(next.HomePlace->CheckFollow->isChecked());
    EXPECT_EQ(next.TimeSettingsAt(summer1985).summerHours, 1);
}

// A place whose zone the database does not list changes nothing and is said; a store edited to
// such a zone loads no home place, and the settings keep the zone list's values.
TEST_F(HomePlaceTest, AnUnlistedZoneIsNoHomePlace) {
    TFormSettings settings;
    const QString zone = settings.ComboBoxGMT->currentText();
    Choose(settings, MakePlace("Нигде", 10, "../../../../dev/stdin"));
    const auto boxes = settings.findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->text(), U("Часовой пояс места неизвестен: ../../../../dev/stdin"));
    EXPECT_EQ(settings.HomePlace->LabelPlace->text(), U("не выбрано"));
    EXPECT_EQ(settings.ComboBoxGMT->currentText(), zone);

    {
        auto store = OpenSettingsStore();
        store->setValue("Pref/HomePlace", U("Нигде"));
        store->setValue("Pref/HomeTimeZoneId", QStringLiteral("../../../../dev/stdin"));
        store->setValue("Pref/FollowSummerTime", true);
    }
    TFormSettings edited;
    EXPECT_EQ(edited.HomePlace->LabelPlace->text(), U("не выбрано"));
    EXPECT_TRUE(edited.HomePlace->TimeZoneId().empty());
    const Moment summer1985 = EncodeMoment(1985, 7, 1, 12, 0);
    EXPECT_EQ(edited.TimeSettingsAt(summer1985).zoneCaption,
              edited.CurrentTimeSettings().zoneCaption);
}

}  // namespace
