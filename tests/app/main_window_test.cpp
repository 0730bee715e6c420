// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimeEdit>
#include <QToolButton>
#include <QUrl>
#include <QtTest/QTest>
#include <set>
#include "gavrosin_version.h"

#include "app/settings_store.h"
#include "app/settings_window.h"
#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "reference/ui/calendar_window.h"
#include "reference/ui/circle_window.h"
#include "reference/ui/notes_window.h"
#include "support/shell_test.h"
#include "tools/ui/ba_zhai_window.h"
#include "tools/ui/combination_window.h"
#include "tools/ui/constell_window.h"
#include "tools/ui/good_day_window.h"
#include "tools/ui/relations_window.h"
#include "tools/ui/trigram_window.h"
#include "tools/ui/yin_yang_power_window.h"
#include "widgets/picker_moment.h"
#include "widgets/typed_date_edit.h"

namespace {

class MainWindowTest : public ShellTest {
protected:
    static void SetPicker(TFormMainGVR& w, Moment m) { w.MyDate->setDateTime(DateTimeOfMoment(m)); }
    static QString Shown(const TFormMainGVR& w) { return w.FormCalendar()->LabelNow->text(); }
    static void Key(QWidget* target, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
    }
};

TEST_F(MainWindowTest, AFreshStartShowsTheClockMomentAndTheDefaultSettings) {
    TFormMainGVR w;
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8(kApplicationTitle));
    EXPECT_EQ(w.StatusLine->text(),
              QString::fromUtf8(" GMT: (GMT +03:00) | летнее время: 0 | долгота не учтена"));
    EXPECT_EQ(w.PickerMoment(), TestNow());
    EXPECT_EQ(w.MyTime->time(), QTime(12, 0));
    EXPECT_EQ(w.NowButton->text(), QStringLiteral("21.06.2024 12:00:00"));
    EXPECT_EQ(w.NowButton->toolTip(), QString::fromUtf8("Установить текущие дату и время"));
    EXPECT_EQ(w.EditDayPlus->text(), QStringLiteral("1"));
    EXPECT_EQ(w.EditDayPlus->maxLength(), 5);
    EXPECT_TRUE(w.CheckBoxRasch->isChecked());
    EXPECT_EQ(w.CheckBoxRasch->text(), QString::fromUtf8("Отображать в календаре"));
    EXPECT_EQ(w.ProgressBarMain->value(), 0);
    // The first calculation ran at once, for the clock's moment.
    EXPECT_EQ(Shown(w), QStringLiteral("21.06.2024 12:00:00"));
    EXPECT_EQ(w.FormCalendar()->Week->text(), QString::fromUtf8("пятница"));
    EXPECT_EQ(w.Cascade().YearTableBuilds(), 1);
    EXPECT_EQ(w.Cascade().YearTerms().year, 2024);
    EXPECT_EQ(w.Cascade().Current().civil, TestNow());
    EXPECT_EQ(OpenSettingsStore()->value("Main/Version").toString(),
              QString::fromUtf8(kVersionText));
}

// Building every window and showing the main one asks Qt for nothing it refuses (a negative
// minimum size once came from a widget's missing size hint). The offscreen platform's own "does
// not support" notes are not ours.
QStringList gWarnings;
TEST_F(MainWindowTest, StartingWarnsOfNothing) {
    gWarnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg &&
                !text.startsWith(QLatin1String("This plugin does not support")))
                gWarnings << text;
        });
    {
        TFormMainGVR w;
        w.show();
        QCoreApplication::processEvents();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(gWarnings.isEmpty()) << gWarnings.join(QLatin1Char('\n')).toStdString();
}

// The calendar spans 1900–9000: the year has four digits whatever the regional format.
TEST_F(MainWindowTest, DatesShowFourDigitYearsInAnEnglishLocale) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TFormMainGVR w;
    EXPECT_EQ(w.MyDate->text(), QStringLiteral("6/21/2024"));
    EXPECT_TRUE(w.NowButton->text().startsWith(QStringLiteral("6/21/2024 ")));
    EXPECT_TRUE(Shown(w).startsWith(QStringLiteral("6/21/2024 ")));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

// Zone +8, summer +1, longitude 120: 23:30 on 1984-02-04 is 14:30 universal time, before
// "Становление весны" (15:19 UT), so the year pillar is 1983's 癸亥 — and so are its stars.
TEST_F(MainWindowTest, TheCalendarsStarsBelongToItsYearPillar) {
    TFormMainGVR w;
    TFormSettings* settings = w.FormSettings();
    settings->ComboBoxGMT->setCurrentIndex(25);
    settings->EditLetnee->setValue(1);
    if (!settings->CheckSh->isChecked()) settings->CheckSh->click();
    settings->EditDolgota->setValue(120);
    settings->ButtonOK->click();
    SetPicker(w, EncodeMoment(1984, 2, 4, 23, 30));
    TFormCalendar* c = w.FormCalendar();
    EXPECT_TRUE(c->PSYear->text().startsWith(QString::fromUtf8("Гуй")))
        << c->PSYear->text().toStdString();
    EXPECT_EQ(c->epoch_years->text(), QStringLiteral("4681"));
    EXPECT_EQ(c->LabelYearStar->text(), QStringLiteral("8"));
    EXPECT_EQ(c->Jung->text(), QStringLiteral("6"));
}

// On a first start each tool window is centred on its laid-out size, and lies on the screen.
TEST_F(MainWindowTest, AFirstStartCentresEachToolWindowOnTheScreen) {
    TFormMainGVR w;
    const QRect available = w.screen()->availableGeometry();
    std::set<std::pair<int, int>> places;
    for (QWidget* tool : std::initializer_list<QWidget*>{
             w.FormCzPin(), w.FormBCShema(), w.FormGua(), w.FormCombo(), w.FormPower()}) {
        const QRect g = tool->geometry();
        EXPECT_TRUE(available.contains(g)) << tool->windowTitle().toStdString();
        places.insert({g.x(), g.y()});
    }
    EXPECT_EQ(places.size(), 5u);
}

TEST_F(MainWindowTest, TheStepEditCorrectsWhatIsTyped) {
    TFormMainGVR w;
    w.EditDayPlus->setText(QStringLiteral("-3"));
    EXPECT_EQ(w.EditDayPlus->text(), QStringLiteral("0"));
    w.EditDayPlus->setText(QStringLiteral("abc"));
    EXPECT_EQ(w.EditDayPlus->text(), QStringLiteral("1"));
    w.EditDayPlus->setText(QStringLiteral("1234567"));
    EXPECT_EQ(w.EditDayPlus->text(), QStringLiteral("12345"));

    // Up and Down in the edit add and subtract the step.
    w.EditDayPlus->setText(QStringLiteral("10"));
    Key(w.EditDayPlus, Qt::Key_Up);
    EXPECT_EQ(w.PickerMoment(), TestNow() + 10);
    Key(w.EditDayPlus, Qt::Key_Down);
    Key(w.EditDayPlus, Qt::Key_Down);
    EXPECT_EQ(w.PickerMoment(), TestNow() - 10);
    EXPECT_EQ(Shown(w), QStringLiteral("11.06.2024 12:00:00"));
}

TEST_F(MainWindowTest, AddingAndSubtractingStopAtBothEndsOfTheRange) {
    TFormMainGVR w;
    SetPicker(w, EncodeMoment(1900, 1, 5, 15, 45));
    w.EditDayPlus->setText(QStringLiteral("10"));
    w.SubtractDaysButton->click();
    EXPECT_EQ(w.PickerMoment(), kFirstPickerMoment);
    EXPECT_EQ(w.MyTime->time(), QTime(0, 0));
    EXPECT_EQ(Shown(w), QStringLiteral("01.01.1900 00:00:00"));

    SetPicker(w, EncodeMoment(8999, 12, 25, 15, 45));
    w.AddDaysButton->click();
    EXPECT_EQ(w.PickerMoment(), kLastPickerMoment);
    EXPECT_EQ(w.MyTime->time(), QTime(0, 0));
    EXPECT_EQ(Shown(w), QStringLiteral("01.01.9000 00:00:00"));
}

TEST_F(MainWindowTest, AddingADayKeepsTheTimeOfDay) {
    TFormMainGVR w;
    w.MyTime->setTime(QTime(23, 30));
    EXPECT_EQ(w.PickerMoment(), EncodeMoment(2024, 6, 21, 23, 30));
    w.AddDaysButton->click();
    EXPECT_EQ(w.PickerMoment(), EncodeMoment(2024, 6, 22, 23, 30));
    EXPECT_EQ(w.MyTime->time(), QTime(23, 30));
    EXPECT_EQ(Shown(w), QStringLiteral("22.06.2024 23:30:00"));
}

TEST_F(MainWindowTest, WithTheSwitchOffTheCalendarStaysUntilItIsOnAgain) {
    TFormMainGVR w;
    w.CheckBoxRasch->click();
    ASSERT_FALSE(w.CheckBoxRasch->isChecked());
    SetPicker(w, EncodeMoment(2024, 7, 1, 9, 15));
    w.MyTime->setTime(QTime(10, 0));
    w.AddDaysButton->click();
    EXPECT_EQ(Shown(w), QStringLiteral("21.06.2024 12:00:00"));

    w.CheckBoxRasch->click();
    EXPECT_EQ(Shown(w), QStringLiteral("02.07.2024 10:00:00"));

    // The popup item switches it on and recalculates as well.
    w.CheckBoxRasch->click();
    SetPicker(w, EncodeMoment(2024, 8, 1, 10, 0));
    w.Commands().Action(Command::PopupShowInCalendar)->trigger();
    EXPECT_TRUE(w.CheckBoxRasch->isChecked());
    EXPECT_EQ(Shown(w), QStringLiteral("01.08.2024 10:00:00"));
}

TEST_F(MainWindowTest, AnotherWindowsMomentGoesIntoBothPickers) {
    TFormMainGVR w;
    w.SetMoment(EncodeMoment(1984, 2, 4, 23, 30));
    EXPECT_EQ(w.MyTime->time(), QTime(23, 30));
    EXPECT_EQ(Shown(w), QStringLiteral("04.02.1984 23:30:00"));
    w.CheckBoxRasch->click();
    w.SetMoment(EncodeMoment(1990, 5, 6, 7, 8));
    EXPECT_EQ(w.PickerMoment(), EncodeMoment(1990, 5, 6, 7, 8));
    EXPECT_EQ(Shown(w), QStringLiteral("04.02.1984 23:30:00"));
}

TEST_F(MainWindowTest, TheNowButtonBringsBackTheClock) {
    TFormMainGVR w;
    SetPicker(w, EncodeMoment(2001, 1, 1, 1, 1));
    SetClock([] { return EncodeMoment(2025, 2, 3, 4, 5, 6); });
    w.TimerTick();
    EXPECT_EQ(w.NowButton->text(), QStringLiteral("03.02.2025 04:05:06"));
    w.NowButton->click();
    EXPECT_EQ(w.PickerMoment(), EncodeMoment(2025, 2, 3, 4, 5, 6));
    EXPECT_EQ(w.MyTime->time(), QTime(4, 5, 6));
    EXPECT_EQ(Shown(w), QStringLiteral("03.02.2025 04:05:06"));
}

TEST_F(MainWindowTest, TheYearTableIsBuiltOnlyForANewYearOrNewSettings) {
    TFormMainGVR w;
    const double equinoxBefore = w.Cascade().YearTerms().instants[0];
    SetPicker(w, EncodeMoment(2024, 11, 1, 12, 0));
    EXPECT_EQ(w.Cascade().YearTableBuilds(), 1);

    // Only the zone changes: "OK" rebuilds the table at once, an hour and a half later.
    TFormSettings& settings = *w.FormSettings();
    settings.ComboBoxGMT->setCurrentIndex(19);  // (GMT +04:30)
    settings.ButtonOK->click();
    EXPECT_EQ(w.Cascade().YearTableBuilds(), 2);
    EXPECT_EQ(w.Cascade().YearTerms().year, 2024);
    EXPECT_NEAR((w.Cascade().YearTerms().instants[0] - equinoxBefore) * 24.0, 1.5, 1e-6);
    EXPECT_EQ(w.StatusLine->text(),
              QString::fromUtf8(" GMT: (GMT +04:30) | летнее время: 0 | долгота не учтена"));

    // Cancel changes nothing.
    settings.ComboBoxGMT->setCurrentIndex(3);
    settings.ButtonCancel->click();
    EXPECT_EQ(w.Cascade().YearTableBuilds(), 2);
    EXPECT_EQ(settings.ComboBoxGMT->currentIndex(), 19);

    SetPicker(w, EncodeMoment(2025, 1, 10, 12, 0));
    EXPECT_EQ(w.Cascade().YearTableBuilds(), 3);
    EXPECT_EQ(w.Cascade().YearTerms().year, 2025);
}

TEST_F(MainWindowTest, NewSettingsRebuildTheTableEvenWhenThePickerMovedToTheNextYearUnseen) {
    TFormMainGVR w;
    w.CheckBoxRasch->click();  // off
    SetPicker(w, EncodeMoment(2025, 3, 1, 12, 0));
    w.FormSettings()->ComboBoxGMT->setCurrentIndex(13);  // (GMT 00:00)
    w.FormSettings()->ButtonOK->click();
    EXPECT_EQ(w.Cascade().YearTerms().year, 2025);
    EXPECT_NEAR(w.Cascade().YearTerms().instants[0], TermInstant(2025, 0), 1e-9);
    EXPECT_EQ(Shown(w), QStringLiteral("01.03.2025 12:00:00"));
}

TEST_F(MainWindowTest, GeometryIsWrittenOnCloseAndRestoredAtTheNextStart) {
    {
        TFormMainGVR w;
        w.show();
        EXPECT_TRUE(w.FormCalendar()->isVisible());
        EXPECT_TRUE(w.FormCircle()->isVisible());
        w.FormCalendar()->move(100, 150);
        w.FormCalendar()->resize(220, 400);
        w.FormCircle()->hide();
        w.close();
    }
    const auto store = OpenSettingsStore();
    EXPECT_EQ(store->value("Calendar/Left").toInt(), 100);
    EXPECT_EQ(store->value("Calendar/Top").toInt(), 150);
    EXPECT_EQ(store->value("Calendar/Width").toInt(), 220);
    EXPECT_EQ(store->value("Calendar/Height").toInt(), 400);
    EXPECT_TRUE(store->value("Calendar/Visible").toBool());
    EXPECT_FALSE(store->value("Circle/Visible").toBool());

    TFormMainGVR next;
    next.show();
    EXPECT_EQ(next.FormCalendar()->pos(), QPoint(100, 150));
    EXPECT_EQ(next.FormCalendar()->size(), QSize(220, 400));
    EXPECT_TRUE(next.FormCalendar()->isVisible());
    EXPECT_FALSE(next.FormCircle()->isVisible());
}

TEST_F(MainWindowTest, AWindowWithUnsavedDataCanStopTheEnd) {
    TFormMainGVR w;
    w.show();
    bool mayClose = false;
    w.AddCloseGuard([&] { return mayClose; });
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(OpenSettingsStore()->contains("Calendar/Left"));
    mayClose = true;
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(OpenSettingsStore()->contains("Calendar/Left"));
}

TEST_F(MainWindowTest, TheDefaultArrangementComesBackFromTheSettings) {
    TFormMainGVR w;
    w.show();
    w.FormCalendar()->move(300, 300);
    w.FormCircle()->hide();
    w.FormSettings()->ButtonDefault->click();
    const ScreenLayout layout = w.Layout();
    EXPECT_EQ(w.FormCalendar()->pos(), QPoint(1, layout.belowMainMenu));
    EXPECT_EQ(w.FormCircle()->pos(), QPoint(218, layout.belowMainMenu));
    EXPECT_TRUE(w.FormCircle()->isVisible());
    // Good days and mansions, opened together, do not hide one another.
    EXPECT_NE(w.FormGoodDay()->pos(), w.FormConstell()->pos());
}

TEST_F(MainWindowTest, TheDefaultArrangementLeavesTheNotesAndTheStarCombinationsAlone) {
    TFormMainGVR w;
    w.show();
    w.FormNote()->move(40, 60);
    w.FormNote()->show();
    w.FormCombo()->move(70, 90);
    w.FormCombo()->show();
    w.FormSettings()->ButtonDefault->click();
    EXPECT_EQ(w.FormNote()->pos(), QPoint(40, 60));
    EXPECT_TRUE(w.FormNote()->isVisible());
    EXPECT_EQ(w.FormCombo()->pos(), QPoint(70, 90));
    EXPECT_TRUE(w.FormCombo()->isVisible());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsShortcutsAndWaitingCommands) {
    TFormMainGVR w;
    const MainCommands& c = w.Commands();
    EXPECT_EQ(c.Action(Command::NewWindow)->text(), QString::fromUtf8("Новое окно программы"));
    EXPECT_EQ(c.Action(Command::NewWindow)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(c.Action(Command::Settings)->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    EXPECT_EQ(c.Action(Command::Exit)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(c.Action(Command::Help)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(c.Action(Command::StarCombinations)->toolTip(),
              QString::fromUtf8("Комбинации звезд для циклов"));
    EXPECT_EQ(c.Action(Command::Calendar)->toolTip(), QString::fromUtf8("Календарь"));
    EXPECT_EQ(c.Action(Command::PopupSettings)->text(), QString::fromUtf8("Установки..."));
    EXPECT_EQ(c.Action(Command::PopupShowInCalendar)->shortcut(), QKeySequence(Qt::Key_Enter));
    EXPECT_TRUE(c.Action(Command::Calendar)->isEnabled());
    EXPECT_TRUE(c.Action(Command::StarDescriptions)->isEnabled());
    EXPECT_TRUE(c.Action(Command::Person)->isEnabled());
    EXPECT_TRUE(c.Action(Command::GeomanticTable)->isEnabled());
    EXPECT_TRUE(c.Action(Command::Notes)->isEnabled());
    EXPECT_EQ(c.Popup()->actions().size(), 6);
    // Enter reaches "Отображать в календаре" anywhere in the main window (and only there), not
    // only in the popup.
    QAction* showInCalendar = c.Action(Command::PopupShowInCalendar);
    EXPECT_EQ(showInCalendar->shortcutContext(), Qt::WidgetWithChildrenShortcut);
    EXPECT_TRUE(w.actions().contains(showInCalendar));
    w.CheckBoxRasch->setChecked(false);
    showInCalendar->trigger();
    EXPECT_TRUE(w.CheckBoxRasch->isChecked());

    w.FormCalendar()->hide();
    c.Action(Command::Calendar)->trigger();
    EXPECT_TRUE(w.FormCalendar()->isVisible());
}

// Enter pressed in the main window's own controls ticks "Отображать в календаре" and
// recalculates, as the command does (the tool windows are tested in the person window's tests).
TEST_F(MainWindowTest, EnterInTheMainWindowsControlsShowsTheMomentInTheCalendar) {
    TFormMainGVR w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (QWidget* control : std::initializer_list<QWidget*>{w.EditDayPlus, w.MyDate, w.MyTime}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            w.CheckBoxRasch->setChecked(false);
            SetPicker(w, EncodeMoment(2001, 3, 4, 5, 6));
            control->setFocus();
            ASSERT_EQ(QApplication::focusWidget()->window(), &w);
            QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_TRUE(w.CheckBoxRasch->isChecked()) << control->metaObject()->className();
            EXPECT_EQ(Shown(w), QStringLiteral("04.03.2001 05:06:00"));
        }
    }
}

// A date or time typed over the whole field is that date or time, and Enter shows it.
TEST_F(MainWindowTest, ATypedDateOrTimeIsTheOneTypedAndEnterShowsIt) {
    TFormMainGVR w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    SetPicker(w, EncodeMoment(2026, 12, 14, 5, 6));
    w.MyDate->setFocus();
    w.MyDate->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("03.07.2001"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w.MyDate->text(), QStringLiteral("03.07.2001"));
    EXPECT_EQ(Shown(w), QStringLiteral("03.07.2001 05:06:00"));
    for (const char* typed : {"0830", "8:30", "08.30", "8 30"}) {
        SetPicker(w, EncodeMoment(2026, 12, 14, 5, 6, 7));
        w.MyTime->setTime(QTime(5, 6, 7));
        w.MyTime->setFocus();
        w.MyTime->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(Shown(w), QStringLiteral("14.12.2026 08:30:00")) << typed;
    }
}
}  // namespace

TEST_F(MainWindowTest, OnASmallScreenTheStatusLineAndTheProgressBarStayInSight) {
    TFormMainGVR w;
    w.setGeometry(0, 0, 1024, 570);
    w.show();
    w.FormSettings()->ButtonDefault->click();
    QApplication::processEvents();
    const int statusTop = w.statusBar()->mapToGlobal(QPoint(0, 0)).y();
    EXPECT_LT(w.FormCalendar()->frameGeometry().bottom(), statusTop);
    EXPECT_LT(w.FormCircle()->frameGeometry().bottom(), statusTop);
    // Not behind the toolbar's overflow button, however narrow the window.
    EXPECT_TRUE(w.statusBar()->isAncestorOf(w.ProgressBarMain));
    EXPECT_TRUE(w.ProgressBarMain->isVisible());
}

namespace {

// Small faults of the shell: one "Стволы и ветви" in "Окна" (the reference table has its own
// name), "Отмена" in Russian on "Установки".
TEST_F(MainWindowTest, TheWindowsMenuNamesEachWindowOnceAndTheSettingsSpeakRussian) {
    TFormMainGVR w;
    QMenu* windows = nullptr;
    for (QAction* menu : w.menuBar()->actions())
        if (menu->text() == QString::fromUtf8("Окна")) windows = menu->menu();
    ASSERT_NE(windows, nullptr);
    std::set<QString> seen;
    for (QAction* item : windows->actions()) {
        if (item->isSeparator()) continue;
        EXPECT_TRUE(seen.insert(item->text()).second) << item->text().toStdString() << " twice";
    }
    EXPECT_EQ(w.FormSettings()->ButtonCancel->text(), QString::fromUtf8("Отмена"));
}

}  // namespace

namespace {

// Two warnings, each on a line of its own, right under the date and time they warn about (not at
// the far end of the status line): 2 minutes after Li Chun 2024 with the longitude at 8°, when
// pillar time has just passed 09:00 (11:28 on the +3 clock).
TEST_F(MainWindowTest, TheBoundaryWarningsStandUnderThePickersOneALine) {
    TFormMainGVR w;
    w.setGeometry(0, 0, 1024, 600);
    w.show();
    w.FormSettings()->CheckSh->setChecked(true);
    w.FormSettings()->EditDolgota->setValue(8);
    w.FormSettings()->ButtonOK->click();
    w.SetMoment(TermInstant(2024, 21) + 3.0 / 24.0 + 2.0 / 1440.0);
    QApplication::processEvents();
    const QStringList lines = w.BoundaryLine->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << w.BoundaryLine->text().toStdString();
    const QString text = w.BoundaryLine->text();
    EXPECT_TRUE(text.contains(QString::fromUtf8("после Становления весны 2 мин")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("после смены часа в 11:28 (09:00 солнечного")))
        << text.toStdString();
    ASSERT_TRUE(w.BoundaryLine->isVisible());
    const int pickersBottom = w.MyDate->mapToGlobal(QPoint(0, w.MyDate->height())).y();
    const QPoint warning = w.BoundaryLine->mapToGlobal(QPoint(0, 0));
    EXPECT_GE(warning.y(), pickersBottom);
    EXPECT_LT(warning.y(), w.statusBar()->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_LE(warning.x() + w.BoundaryLine->width(), w.mapToGlobal(QPoint(w.width(), 0)).x());
    // The windows placed below the toolbars leave it in sight.
    w.DefaultLayoutClick();
    EXPECT_GE(w.FormCalendar()->frameGeometry().top(), warning.y() + w.BoundaryLine->height());
}

}  // namespace
