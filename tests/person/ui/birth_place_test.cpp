// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's birth place: the fill of the zone, summer shift and longitude, the file
// round trip with an exact offset, the refill on a new birth date, and the boundary warning.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "person/person_file.h"
#include "person/ui/birth_place_row.h"
#include "person/ui/people_window.h"
#include "support/save_question_recorder.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "widgets/picker_moment.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/save_changes_question.h"
#include "widgets/up_down_edit.h"

namespace {

Place MakePlace(const char* name, const char* country, double lat, double lon, const char* zone) {
    Place p;
    p.name = name;
    p.country = country;
    p.latitude = lat;
    p.longitude = lon;
    p.timeZone = zone;
    return p;
}

const Place kMoscow = MakePlace("Москва", "Россия", 55.75, 37.62, "Europe/Moscow");
const Place kKolkata = MakePlace("Калькутта", "Индия", 22.57, 88.36, "Asia/Kolkata");

class BirthPlaceTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        glyphs_ = std::make_unique<PillarGlyphs>();
        PeopleHost host;
        host.timeSettings = [] { return TimeSettings(); };
        window_ = std::make_unique<TFormPeople>(*glyphs_, host);
    }
    void TearDown() override {
        window_.reset();
        ShellTest::TearDown();
    }

    // The place button pressed, the picker answering with `place`.
    void ChoosePlace(const Place& place) {
        window_->BirthPlace->askPlace = [place](QWidget*) { return std::optional<Place>(place); };
        window_->BirthPlace->ButtonPlace->click();
    }

    void SetBirth(Moment m) { window_->MyDate->setDateTime(DateTimeOfMoment(m)); }

    SaveQuestionRecorder asked_{SaveChangesAnswer::Discard};
    std::unique_ptr<PillarGlyphs> glyphs_;
    std::unique_ptr<TFormPeople> window_;
};

TEST_F(BirthPlaceTest, ThePlaceFillsTheZoneOfTheBirthAndAnExactOffsetIsOneMoreEntry) {
    TFormPeople& w = *window_;
    EXPECT_EQ(w.BirthPlace->LabelPlace->text(), U("место не выбрано"));
    SetBirth(EncodeMoment(1985, 7, 1, 12, 0));
    ChoosePlace(kMoscow);
    // Moscow summer time 1981–2010: the standard +3 to the zone, the daylight hour to the shift.
    EXPECT_EQ(w.ComboGMT->currentText(), U("(GMT +03:00)"));
    EXPECT_EQ(w.EditLetnee->value(), 1);
    EXPECT_EQ(w.EditDolgota->value(), 38);
    EXPECT_EQ(w.BirthPlace->LabelPlace->text(), U("Москва, Россия"));
    EXPECT_EQ(w.ComboGMT->count(), 32);
    EXPECT_TRUE(w.Modified());

    SetBirth(EncodeMoment(1990, 6, 1, 12, 0));
    ChoosePlace(kKolkata);
    EXPECT_EQ(w.ComboGMT->count(), 33);
    EXPECT_EQ(w.ComboGMT->currentText(), U("(GMT +05:30)"));
    EXPECT_EQ(w.EditLetnee->value(), 0);
    EXPECT_EQ(w.EditDolgota->value(), 88);
    const Person p = w.CurrentPerson();
    EXPECT_EQ(p.exactZoneSeconds, 5 * 3600 + 30 * 60);
    EXPECT_EQ(p.zoneIndex, NearestZoneIndex(5 * 3600 + 30 * 60));
    EXPECT_EQ(p.place, "Калькутта, Индия");
    EXPECT_EQ(p.timeZoneId, "Asia/Kolkata");

    // A list entry chosen by hand is the list zone again.
    w.ComboGMT->setCurrentIndex(16);
    EXPECT_FALSE(w.CurrentPerson().exactZoneSeconds);
}

// The longitude rule of a picked place (the same as `--place`): the place's longitude, and the
// switch as the settings have it, whatever it was before.
TEST_F(BirthPlaceTest, APickedPlaceSetsTheLongitudeSwitchAsTheSettingsSay) {
    TFormPeople& w = *window_;
    SetBirth(EncodeMoment(1985, 1, 15, 13, 10));
    w.CheckBoxDolgota->setChecked(true);
    ChoosePlace(kMoscow);  // settings: longitude off
    EXPECT_FALSE(w.CheckBoxDolgota->isChecked());
    EXPECT_FALSE(w.EditDolgota->isEnabled());
    EXPECT_EQ(w.EditDolgota->value(), 38);

    PeopleHost host;
    host.timeSettings = [] {
        TimeSettings s;
        s.longitudeOn = true;
        return s;
    };
    TFormPeople on(*glyphs_, host);
    on.MyDate->setDateTime(DateTimeOfMoment(EncodeMoment(1985, 1, 15, 13, 10)));
    on.BirthPlace->askPlace = [](QWidget*) { return std::optional<Place>(kMoscow); };
    on.BirthPlace->ButtonPlace->click();
    EXPECT_TRUE(on.CheckBoxDolgota->isChecked());
    EXPECT_TRUE(on.EditDolgota->isEnabled());
    EXPECT_TRUE(on.CurrentPerson().longitudeOn);
}

TEST_F(BirthPlaceTest, TheFileKeepsThePlaceAndTheExactOffset) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lmt.gvp"));
    TFormPeople& w = *window_;
    SetBirth(EncodeMoment(1900, 1, 1, 12, 0));
    ChoosePlace(kMoscow);  // local mean time before 1919
    EXPECT_EQ(w.ComboGMT->currentText(), U("(GMT +02:30:17)"));
    SavePersonFile(path.toStdString(), w.CurrentPerson(), ',');

    TFormPeople other(*glyphs_, PeopleHost{});
    ASSERT_TRUE(other.LoadFile(path));
    EXPECT_EQ(other.ComboGMT->currentText(), U("(GMT +02:30:17)"));
    EXPECT_EQ(other.BirthPlace->LabelPlace->text(), U("Москва, Россия"));
    EXPECT_EQ(other.CurrentPerson(), w.CurrentPerson());
    // The calculation takes the exact offset.
    EXPECT_NE(other.StatusLine->text().indexOf(U("(GMT +02:30:17)")), -1)
        << other.StatusLine->text().toStdString();
}

TEST_F(BirthPlaceTest, ANewBirthDateRefillsTheZoneAndSaysSo) {
    TFormPeople& w = *window_;
    SetBirth(EncodeMoment(1985, 7, 1, 12, 0));
    ChoosePlace(kMoscow);
    ASSERT_EQ(w.EditLetnee->value(), 1);
    SetBirth(EncodeMoment(1985, 1, 15, 12, 0));
    EXPECT_EQ(w.EditLetnee->value(), 0);
    EXPECT_EQ(w.ComboGMT->currentText(), U("(GMT +03:00)"));
    EXPECT_NE(w.StatusLine->text().indexOf(U("Москва")), -1) << w.StatusLine->text().toStdString();
    // 2012: the permanent "summer" time was standard +4.
    SetBirth(EncodeMoment(2012, 1, 15, 12, 0));
    EXPECT_EQ(w.ComboGMT->currentText(), U("(GMT +04:00)"));
    EXPECT_EQ(w.EditLetnee->value(), 0);

    // Without a place the typed values stay.
    w.ClearClick();
    w.EditLetnee->setValue(2);
    SetBirth(EncodeMoment(1985, 7, 1, 12, 0));
    EXPECT_EQ(w.EditLetnee->value(), 2);
}

TEST_F(BirthPlaceTest, ABirthNearLiChunShowsTheWarningLine) {
    TFormPeople& w = *window_;
    w.show();
    SetBirth(TermInstant(2024, 21) + 3.0 / 24.0 - (4 * 60 + 10) / 86400.0);
    w.Raschet();
    EXPECT_TRUE(w.LabelBoundary->isVisible());
    EXPECT_EQ(w.LabelBoundary->text(),
              U("до Становления весны 4 мин: год и месяц зависят от точного времени"));
    SetBirth(EncodeMoment(2024, 6, 1, 12, 30));
    w.Raschet();
    EXPECT_FALSE(w.LabelBoundary->isVisible());

    // A summer-time birth in Moscow: the hour change at the clock time typed, the zone's standard
    // time beside it.
    ChoosePlace(kMoscow);
    SetBirth(EncodeMoment(1985, 7, 1, 12, 3));
    w.Raschet();
    EXPECT_EQ(w.LabelBoundary->text(), U("после смены часа в 12:00 (11:00 поясного времени) 3 мин: "
                                         "час зависит от точного времени"));
}

}  // namespace
