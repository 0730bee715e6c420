// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>

#include "calendar/nine_stars.h"
#include "support/shell_test.h"
#include "tools/ui/constell_window.h"
#include "tools/ui/good_day_window.h"
#include "tools/ui/tool_window_test_support.h"

namespace {

class DayPageWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // A day of the month of У (branch 7) whose day branch is Инь (3): officer 9.
        moment_.civil = EncodeMoment(2024, 6, 21, 12, 0, 0);
        moment_.month = {4, 7};
        moment_.day = {5, 3};
        moment_.mansion = 17;
    }
    std::function<CurrentMoment()> Current() {
        return [this] { return moment_; };
    }
    static QString Shown(const TDayPageWindow& w) { return w.RichEdit->toPlainText(); }

    CurrentMoment moment_;
};

TEST_F(DayPageWindowTest, TheGoodDayWindowShowsTheOfficerOfTheDayWhenShown) {
    TFormGoodDay w(Current());
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("12 установлений"));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.size(), QSize(509, 279));
    EXPECT_TRUE(w.RichEdit->isReadOnly());
    EXPECT_TRUE(Shown(w).isEmpty()) << "nothing is loaded before the window shows";

    w.show();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("12 установлений, 21.06.2024 12:00:00"));
    EXPECT_EQ(w.Page(), "\\other\\czang\\c9.rtf");
    const QString title = PageTitle(QStringLiteral("\\other\\czang\\c9.rtf"));
    ASSERT_FALSE(title.isEmpty());
    EXPECT_TRUE(Shown(w).startsWith(title));
    EXPECT_TRUE(w.LastError().isEmpty());

    // The day whose branch is the month's: officer 1; the day before it: officer 12.
    moment_.day = {8, 7};
    moment_.civil = EncodeMoment(2024, 6, 25, 0, 0, 0);
    w.RefreshIfShowing();
    EXPECT_EQ(w.Page(), "\\other\\czang\\c1.rtf");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("12 установлений, 25.06.2024"));  // midnight
    moment_.day = {7, 6};
    w.RefreshIfShowing();
    EXPECT_EQ(w.Page(), "\\other\\czang\\c12.rtf");
    EXPECT_TRUE(TakeErrorBoxTexts().isEmpty());
}

TEST_F(DayPageWindowTest, AHiddenWindowIsNotRefreshedUntilItShows) {
    TFormGoodDay w(Current());
    w.show();
    w.hide();
    moment_.civil = EncodeMoment(2024, 6, 22, 12, 0, 0);
    moment_.day = {6, 4};  // officer 10
    w.RefreshIfShowing();
    EXPECT_EQ(w.Page(), "\\other\\czang\\c9.rtf");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("12 установлений, 21.06.2024 12:00:00"));
    w.show();
    EXPECT_EQ(w.Page(), "\\other\\czang\\c10.rtf");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("12 установлений, 22.06.2024 12:00:00"));
}

TEST_F(DayPageWindowTest, TheOfficerOfTwoBranchesReplacesTheDayUntilTheNextRefresh) {
    TFormGoodDay w(Current());
    w.ShowOfficerOfBranches(11);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(),
              QString::fromUtf8("Цзянь дня, из таблицы «Сочетаемость стволов и ветвей»"));
    EXPECT_EQ(w.Page(), "\\other\\czang\\c11.rtf");
    EXPECT_TRUE(Shown(w).startsWith(PageTitle(QStringLiteral("\\other\\czang\\c11.rtf"))));
    w.RefreshIfShowing();
    EXPECT_EQ(w.Page(), "\\other\\czang\\c9.rtf");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("12 установлений, 21.06.2024 12:00:00"));
}

TEST_F(DayPageWindowTest, TheMansionWindowShowsTheMansionOfTheDay) {
    TFormConstell w(Current());
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("28 созвездий"));
    w.show();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("28 созвездий, 21.06.2024"));
    EXPECT_EQ(w.Page(), "\\other\\constell\\c17.rtf");
    EXPECT_TRUE(Shown(w).startsWith(PageTitle(QStringLiteral("\\other\\constell\\c17.rtf"))));
    // 2003-06-25 at 23:00 already belongs to mansion 1, an hour before it is still 28.
    moment_.civil = EncodeMoment(2003, 6, 25, 23, 0, 0);
    moment_.mansion = MansionOfDay(moment_.civil);
    w.RefreshIfShowing();
    EXPECT_EQ(w.Page(), "\\other\\constell\\c1.rtf");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("28 созвездий, 25.06.2003"));
    moment_.mansion = MansionOfDay(EncodeMoment(2003, 6, 25, 22, 59, 0));
    w.RefreshIfShowing();
    EXPECT_EQ(w.Page(), "\\other\\constell\\c28.rtf");
}

TEST_F(DayPageWindowTest, AMissingPageIsReportedAndNoOtherDaysTextStays) {
    TFormConstell w(Current());
    w.show();
    ASSERT_FALSE(Shown(w).isEmpty());

    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    moment_.civil = EncodeMoment(2024, 6, 22, 12, 0, 0);
    moment_.mansion = 18;
    w.RefreshIfShowing();
    // The caption is already the new day's; the error names the file.
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("28 созвездий, 22.06.2024"));
    const QStringList errors = TakeErrorBoxTexts();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Не удалось открыть файл")));
    EXPECT_TRUE(errors[0].contains(QStringLiteral("c18.rtf")));
    EXPECT_EQ(w.LastError(), errors[0]);
    EXPECT_TRUE(Shown(w).isEmpty());
    EXPECT_TRUE(w.Page().empty());
}

}  // namespace
