// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a 1024×600 screen under Russian and American regional settings: nothing covers
// the main window's date and time pickers, no command hides behind a toolbar's "»", every date
// shows its four-digit year, and the person's time box leaves the date's drop-down free.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>
#include <set>
#include <vector>

#include "app/main_window.h"
#include "app/settings_window.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "person/ui/people_window.h"
#include "support/shell_test.h"
#include "tools/ui/day_selection_window.h"
#include "widgets/picker_moment.h"

namespace {

class SmallScreen : public ShellTest, public ::testing::WithParamInterface<QLocale::Territory> {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        QLocale::setDefault(GetParam() == QLocale::Russia
                                ? QLocale(QLocale::Russian, QLocale::Russia)
                                : QLocale(QLocale::English, QLocale::UnitedStates));
    }
    static QRect Global(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }
    // The whole text of a picker is in sight: its edit keeps 2 px at each side and a pixel for
    // the cursor after the last character, or it scrolls the text and cuts the first digits.
    static void ExpectWholeText(const QDateTimeEdit* picker, const char* what) {
        const QLineEdit* text = picker->findChild<QLineEdit*>();
        ASSERT_NE(text, nullptr);
        const int needed = text->fontMetrics().horizontalAdvance(text->text()) + 2 * 2 + 1;
        EXPECT_LE(needed, text->width()) << what << ": " << text->text().toStdString();
    }
};

TEST_P(SmallScreen, TheMainPickersShowTheWholeDateAndNothingCoversThem) {
    TFormMainGVR w;
    w.setGeometry(0, 0, 1024, 600);
    w.show();
    w.SetMoment(EncodeMoment(2026, 12, 28, 23, 58, 58));
    QApplication::processEvents();
    ExpectWholeText(w.MyDate, "date");
    ExpectWholeText(w.MyTime, "time");
    EXPECT_TRUE(w.MyDate->text().contains(QStringLiteral("2026")))
        << w.MyDate->text().toStdString();

    w.DefaultLayoutClick();
    w.Commands().Action(Command::DaySelection)->trigger();
    QApplication::processEvents();
    const auto* days = w.findChild<TFormDaySelection*>();
    ASSERT_NE(days, nullptr);
    ASSERT_TRUE(days->isVisible());
    for (const QWidget* picker :
         {static_cast<const QWidget*>(w.MyDate), static_cast<const QWidget*>(w.MyTime)})
        EXPECT_FALSE(days->frameGeometry().intersects(Global(picker)))
            << "day choosing at " << days->frameGeometry().y() << ", pickers end at "
            << Global(picker).bottom();
}

TEST_P(SmallScreen, TheHouseWindowShowsEveryCommand) {
    TFormMainGVR w;
    w.setGeometry(0, 0, 1024, 600);
    TFormFh* house = w.FormFh();
    house->show();
    QApplication::processEvents();
    for (QAction* action : {house->OpenAction, house->SaveAction, house->CalculateAction,
                            house->InterpretAction, house->CompassAction}) {
        QWidget* button = nullptr;
        for (QToolBar* bar : house->findChildren<QToolBar*>())
            if (QWidget* b = bar->widgetForAction(action)) button = b;
        ASSERT_NE(button, nullptr) << action->text().toStdString();
        EXPECT_TRUE(button->isVisible()) << action->text().toStdString() << " is behind »";
    }
    EXPECT_LE(house->frameGeometry().width(), 1024);
}

TEST_P(SmallScreen, ThePersonsTimeBoxLeavesTheDatesDropDownFree) {
    TFormMainGVR w;
    TFormPeople* person = w.FormPeople();
    person->show();
    person->MyDate->setDateTime(DateTimeOfMoment(EncodeMoment(2004, 9, 28, 23, 58, 58)));
    QApplication::processEvents();
    EXPECT_FALSE(person->MyDate->geometry().intersects(person->MyTime->geometry()));
    ExpectWholeText(person->MyDate, "birth date");
    ExpectWholeText(person->MyTime, "birth time");
    EXPECT_LE(person->frameGeometry().width(), 1024);
}

// Every window of the program, opened by its command as the user does (and the settings, which
// its command opens as a dialog), fits a 1024×600 screen with a task bar: its least size with a
// title bar and borders lies within the screen, and what does not fit scrolls. "Выбор дней" asked
// for 649 pixels of height.
TEST_P(SmallScreen, EveryWindowFitsTheScreen) {
    constexpr QSize kLeastRoom(1024 - 2 * 4, 600 - 30 - 30 - 4);  // task bar, title bar, borders
    TFormMainGVR w;
    w.setGeometry(0, 0, 1024, 600);
    w.show();
    const std::set<Command> notWindows = {Command::NewWindow,     Command::Settings,
                                          Command::PopupSettings, Command::Exit,
                                          Command::About,         Command::PopupShowInCalendar};
    for (int c = 0; c < kCommandCount; ++c)
        if (!notWindows.count(static_cast<Command>(c))) w.Commands().Action(Command(c))->trigger();
    // And those the house window opens: the compass, the legend and the interpretation.
    TFormFh* house = w.FormFh();
    for (QAction* a : {house->CalculateAction, house->InterpretAction, house->CompassAction,
                       house->LegendAction})
        a->trigger();
    QApplication::processEvents();
    std::vector<QWidget*> windows = {w.FormSettings()};
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &w) windows.push_back(top);
    EXPECT_GE(windows.size(), 29u);
    for (const QWidget* window : windows) {
        const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
        EXPECT_LE(least.width(), kLeastRoom.width()) << window->windowTitle().toStdString();
        EXPECT_LE(least.height(), kLeastRoom.height()) << window->windowTitle().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, SmallScreen,
                         ::testing::Values(QLocale::Russia, QLocale::UnitedStates),
                         [](const auto& info) {
                             return info.param == QLocale::Russia ? "ru_RU" : "en_US";
                         });

}  // namespace
