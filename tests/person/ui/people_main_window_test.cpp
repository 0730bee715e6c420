// SPDX-License-Identifier: GPL-3.0-or-later
// The person window inside the program: its menu commands, the extra copies of the popup menu,
// the close query at the program's end, the birth moment shown in the calendar, the Ba Zhai
// preset, the star combinations, the forecast for the main window's year and the stored position.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimeEdit>
#include <QtTest/QTest>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "astro/moment.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "interpretation/ui/report_window.h"
#include "person/ui/people_window.h"
#include "person/ui/person_entry.h"
#include "reference/ui/calendar_window.h"
#include "support/save_question_recorder.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "tools/ui/ba_zhai_window.h"
#include "tools/ui/combination_window.h"
#include "widgets/picker_moment.h"
#include "widgets/save_changes_question.h"

namespace {

class PeopleInProgramTest : public ShellTest {
protected:
    SaveQuestionRecorder asked_;
};

TEST_F(PeopleInProgramTest, TheMenuCommandShowsTheOnePersonWindow) {
    TFormMainGVR w;
    TFormPeople* people = w.FormPeople();
    ASSERT_NE(people, nullptr);
    EXPECT_FALSE(people->isVisible());  // hidden by default
    QAction* command = w.Commands().Action(Command::Person);
    EXPECT_TRUE(command->isEnabled());
    command->trigger();
    EXPECT_TRUE(people->isVisible());
    command->trigger();
    EXPECT_EQ(w.findChildren<TFormPeople*>().size(), 1);
    // A new person takes the settings' zone.
    EXPECT_EQ(people->CurrentPerson().zoneIndex, 16);
}

TEST_F(PeopleInProgramTest, ThePopupOpensOneMoreWindowThatGoesWhenClosed) {
    TFormMainGVR w;
    QAction* popup = w.Commands().Action(Command::PopupPerson);
    EXPECT_TRUE(popup->isEnabled());
    popup->trigger();
    popup->trigger();
    auto windows = w.findChildren<TFormPeople*>();
    ASSERT_EQ(windows.size(), 3);
    TFormPeople* extra = nullptr;
    for (TFormPeople* p : windows)
        if (p != w.FormPeople()) extra = p;
    ASSERT_NE(extra, nullptr);
    EXPECT_TRUE(extra->isVisible());
    EXPECT_FALSE(w.FormPeople()->isVisible());
    const QPointer<TFormPeople> gone(extra);
    extra->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
    // The program still ends without asking the window that went.
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(asked_.captions.empty());
}

TEST_F(PeopleInProgramTest, AnUnsavedPersonIsAskedForBeforeTheProgramEnds) {
    TFormMainGVR w;
    w.Commands().Action(Command::PopupPerson)->trigger();
    TFormPeople* people = w.FormPeople();
    people->show();
    people->EditNamePeople->setText(U("Ольга"));

    asked_.answer = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(w.close());
    ASSERT_EQ(asked_.captions.size(), 1u);
    EXPECT_TRUE(asked_.captions[0].isEmpty());  // no file yet: "Сохранить изменения?"
    EXPECT_EQ(SaveChangesText(QString()), U("Сохранить изменения?"));
    EXPECT_TRUE(people->isVisible());

    asked_.answer = SaveChangesAnswer::Discard;
    EXPECT_TRUE(w.close());
}

// Enter is "Расчет" in the person window; the main window's Enter ("Отображать в календаре")
// answers only in the main window.
TEST_F(PeopleInProgramTest, EnterCalculatesInThePersonWindowAndTicksNothingElsewhere) {
    TFormMainGVR w;
    w.show();
    w.CheckBoxRasch->setChecked(false);
    TFormPeople* people = w.FormPeople();
    people->show();
    people->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(people));
    QTest::keyClick(people->EditNamePeople, Qt::Key_Return);
    EXPECT_TRUE(people->Calculation().has_value());
    EXPECT_FALSE(w.CheckBoxRasch->isChecked());

    w.FormCombo()->Present();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.FormCombo()));
    QTest::keyClick(w.FormCombo(), Qt::Key_Return);
    EXPECT_FALSE(w.CheckBoxRasch->isChecked());

    // In the main window the action itself still ticks the box.
    w.Commands().Action(Command::PopupShowInCalendar)->trigger();
    EXPECT_TRUE(w.CheckBoxRasch->isChecked());
}

// Each unsaved window is asked once; "Отмена" anywhere keeps every window as it was.
TEST_F(PeopleInProgramTest, QuittingAsksEachQuestionOnceAndCancelKeepsTheProgram) {
    TFormMainGVR w;
    w.show();
    TFormPeople* people = w.FormPeople();
    people->show();
    people->EditNamePeople->setText(U("Ольга"));
    w.FormFh()->show();
    w.FormFh()->Azimuth->EditAz->setText(QStringLiteral("95"));
    ASSERT_TRUE(w.FormFh()->Modified());

    asked_.queued = {SaveChangesAnswer::Discard, SaveChangesAnswer::Cancel};
    w.Commands().Action(Command::Exit)->trigger();
    EXPECT_EQ(asked_.captions.size(), 2u);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(people->isVisible());
    EXPECT_TRUE(people->Modified());
    EXPECT_TRUE(w.FormFh()->Modified());

    asked_.queued = {SaveChangesAnswer::Discard, SaveChangesAnswer::Discard};
    w.Commands().Action(Command::Exit)->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(asked_.captions.size(), 4u);
    // The program's end closes every remaining window: nobody asks again.
    for (QWidget* top : QApplication::topLevelWidgets()) top->close();
    EXPECT_EQ(asked_.captions.size(), 4u);
}

TEST_F(PeopleInProgramTest, ShowInCalendarMovesTheMainWindowToTheBirth) {
    TFormMainGVR w;
    TFormPeople* people = w.FormPeople();
    people->show();
    EnterBirth(*people, EncodeMoment(1986, 9, 2, 17, 45), true);
    people->Raschet();
    EXPECT_EQ(w.PickerMoment(), TestNow());

    people->Sinxron->setChecked(true);
    people->Raschet();
    EXPECT_EQ(w.PickerMoment(), EncodeMoment(1986, 9, 2, 17, 45));
    EXPECT_EQ(w.MyTime->time(), QTime(17, 45));
    EXPECT_EQ(w.FormCalendar()->LabelNow->text(), U("02.09.1986 17:45:00"));

    // With the main window's own switch off, only the pickers follow.
    w.CheckBoxRasch->setChecked(false);
    EnterBirth(*people, EncodeMoment(1990, 1, 1, 8, 0), true);
    people->Raschet();
    EXPECT_EQ(w.PickerMoment(), EncodeMoment(1990, 1, 1, 8, 0));
    EXPECT_EQ(w.FormCalendar()->LabelNow->text(), U("02.09.1986 17:45:00"));
}

TEST_F(PeopleInProgramTest, TheBaZhaiLabelOpensTheHouseOfThePersonsGua) {
    TFormMainGVR w;
    TFormPeople* people = w.FormPeople();
    people->show();
    EnterBirth(*people, EncodeMoment(2004, 6, 1, 12, 0), true);  // Gua 2: the house of Кунь
    people->Raschet();
    emit static_cast<PillarLink*>(people->LabelBaZhai)->clicked();
    EXPECT_TRUE(w.FormBCShema()->isVisible());
    EXPECT_EQ(w.FormBCShema()->FateLine->text(), U(" Западная судьба, Дворец Кунь-гуа, Почва"));
}

TEST_F(PeopleInProgramTest, TheStarCombinationsItemShowsTheCombinationWindow) {
    TFormMainGVR w;
    TFormPeople* people = w.FormPeople();
    people->show();
    EnterBirth(*people, EncodeMoment(2004, 6, 1, 12, 0), true);
    people->Raschet();
    w.FormCombo()->ShowCombination(3, 7, CombinationKind::FlyingStars);
    w.FormCombo()->hide();
    people->ActionStarCombinations->trigger();
    EXPECT_TRUE(w.FormCombo()->isVisible());
    // With its last selection.
    EXPECT_EQ(w.FormCombo()->Host(), 3);
    EXPECT_EQ(w.FormCombo()->Guest(), 7);
    EXPECT_EQ(w.FormCombo()->Kind(), CombinationKind::FlyingStars);
}

TEST_F(PeopleInProgramTest, TheForecastIsForThePersonWindowsOwnYear) {
    TFormMainGVR w;
    // The main window's date is no part of it: the forecast is that of the clock's year, 2024,
    // with the stars of the year that begins in February 2024 (3, Чэнь).
    w.SetMoment(EncodeMoment(1955, 1, 15, 12, 0));
    TFormPeople* people = w.FormPeople();
    people->show();
    EnterBirth(*people, EncodeMoment(2004, 6, 1, 12, 0), true);
    people->Raschet();
    people->ActionForecast->trigger();

    const auto reports = w.findChildren<TFormFHInter*>();
    ASSERT_EQ(reports.size(), 1);
    TFormFHInter* report = reports[0];
    EXPECT_EQ(report->parentWidget(), &w);  // the report outlives the person window
    EXPECT_EQ(report->Mode(), ReportMode::PersonalForecast);
    EXPECT_EQ(report->windowTitle(), U("Прогноз на 2024 год"));
    const QString text = report->RichEdit1->document()->toPlainText();
    EXPECT_TRUE(text.contains(U("Прогноз на 2024 год (с 04.02.2024 по 03.02.2025)")));
    EXPECT_TRUE(text.contains(U("Звезда года: 3 бирюзовая (Дерево-ян)")));
    // Period 1 of a Чэнь year has the star 5.
    EXPECT_TRUE(
        text.contains(U("Характеристики для периода с 04.02.2024 по 05.03.2024\n\n"
                        "Звезда месяца 5 желтая (Почва-ян)")));
    report->close();
}

TEST_F(PeopleInProgramTest, ThePositionIsStoredInItsSection) {
    {
        TFormMainGVR w;
        w.show();
        w.FormPeople()->show();
        w.FormPeople()->move(4, 145);  // on the test's 800-pixel screen, which it nearly fills
        EXPECT_TRUE(w.close());
    }
    const auto store = OpenSettingsStore();
    EXPECT_EQ(store->value("People/Left").toInt(), 4);
    EXPECT_EQ(store->value("People/Top").toInt(), 145);
    EXPECT_TRUE(store->value("People/Visible").toBool());
    EXPECT_FALSE(store->contains("People/Width"));

    TFormMainGVR again;
    again.show();
    EXPECT_EQ(again.FormPeople()->pos(), QPoint(4, 145));
    EXPECT_TRUE(again.FormPeople()->isVisible());
    // Shown at the start, it holds a new person.
    EXPECT_EQ(again.FormPeople()->windowTitle(), U("Персональный гороскоп"));
    EXPECT_FALSE(again.FormPeople()->ResultsShown());
}

}  // namespace
