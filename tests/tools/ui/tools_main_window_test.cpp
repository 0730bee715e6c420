// SPDX-License-Identifier: GPL-3.0-or-later
// The stem and branch tools inside the program: their commands, the moment they follow, the
// calendar's pillar links and their places in the settings store.
#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QDateTimeEdit>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "reference/ui/calendar_window.h"
#include "support/shell_test.h"
#include "tools/day_pages.h"
#include "tools/ui/ba_zhai_window.h"
#include "tools/ui/combination_window.h"
#include "tools/ui/constell_window.h"
#include "tools/ui/good_day_window.h"
#include "tools/ui/relations_window.h"
#include "tools/ui/tool_window_test_support.h"
#include "tools/ui/trigram_window.h"
#include "tools/ui/yin_yang_power_window.h"
#include "widgets/picker_moment.h"

namespace {

class ToolsInMainWindowTest : public ShellTest {};

TEST_F(ToolsInMainWindowTest, TheMenuCommandsShowTheirWindows) {
    TFormMainGVR w;
    const MainCommands& c = w.Commands();
    const std::pair<Command, QWidget*> windows[] = {
        {Command::GoodDays, w.FormGoodDay()},       {Command::Mansions, w.FormConstell()},
        {Command::Relations, w.FormCzPin()},        {Command::BaZhai, w.FormBCShema()},
        {Command::StarCombinations, w.FormCombo()}, {Command::Trigrams, w.FormGua()},
        {Command::YinYangPower, w.FormPower()}};
    for (const auto& [command, window] : windows) {
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(c.Action(command)->isEnabled());
        EXPECT_FALSE(window->isVisible()) << "hidden by default";
        c.Action(command)->trigger();
        EXPECT_TRUE(window->isVisible()) << window->windowTitle().toStdString();
    }
    EXPECT_TRUE(TakeErrorBoxTexts().isEmpty());
}

TEST_F(ToolsInMainWindowTest, GoodDaysAndMansionsFollowTheMomentOnlyWhileShowing) {
    TFormMainGVR w;
    w.Commands().Action(Command::GoodDays)->trigger();
    EXPECT_EQ(w.FormGoodDay()->windowTitle(), U("12 установлений, 21.06.2024 12:00:00"));
    EXPECT_EQ(w.FormGoodDay()->Page(), OfficerPagePath(OfficerOfDay(w.Cascade().Current())));

    // The next day, through the main window's picker.
    w.MyDate->setDateTime(DateTimeOfMoment(EncodeMoment(2024, 6, 22, 12, 0, 0)));
    EXPECT_EQ(w.FormGoodDay()->windowTitle(), U("12 установлений, 22.06.2024 12:00:00"));
    EXPECT_EQ(w.FormGoodDay()->Page(), OfficerPagePath(OfficerOfDay(w.Cascade().Current())));
    EXPECT_EQ(w.FormConstell()->windowTitle(), U("28 созвездий")) << "hidden: not refreshed";

    w.Commands().Action(Command::Mansions)->trigger();
    EXPECT_EQ(w.FormConstell()->windowTitle(), U("28 созвездий, 22.06.2024"));
    EXPECT_EQ(w.FormConstell()->Page(), MansionPagePath(w.Cascade().Current().mansion));
}

TEST_F(ToolsInMainWindowTest, ACalendarPillarLinkOpensTheRelationsWindowOnThatPillar) {
    TFormMainGVR w;
    w.show();
    const Pillar day = w.Cascade().Current().day;
    ClickOn(w.FormCalendar()->Label25);
    TFormCzPin* relations = w.FormCzPin();
    EXPECT_TRUE(relations->isVisible());
    EXPECT_EQ(relations->Svtol->currentIndex(), day.stem - 1);
    EXPECT_EQ(relations->Vetv1->currentIndex(), day.branch - 1);

    // Its officer link shows the officer of its two branches in the good-day window.
    relations->Vetv2->setCurrentIndex(2);  // Инь
    relations->Vetv3->setCurrentIndex(0);  // Цзы
    ClickOn(relations->OfficerLink);
    EXPECT_TRUE(w.FormGoodDay()->isVisible());
    EXPECT_EQ(w.FormGoodDay()->windowTitle(),
              U("Цзянь дня, из таблицы «Сочетаемость стволов и ветвей»"));
    EXPECT_EQ(w.FormGoodDay()->Page(), "\\other\\czang\\c11.rtf");
}

TEST_F(ToolsInMainWindowTest, PositionsAndVisibilityAreKeptInTheirSections) {
    {
        TFormMainGVR w;
        w.show();
        w.FormGua()->SelectTrigram(3);
        w.FormGua()->move(40, 60);
        w.FormConstell()->show();
        w.FormConstell()->resize(600, 300);
        w.close();
    }
    const auto store = OpenSettingsStore();
    EXPECT_TRUE(store->value("Gua/Visible").toBool());
    EXPECT_EQ(store->value("Gua/Left").toInt(), 40);
    EXPECT_EQ(store->value("Gua/Top").toInt(), 60);
    EXPECT_FALSE(store->contains("Gua/Width")) << "the trigram window keeps no size";
    EXPECT_TRUE(store->value("Constell/Visible").toBool());
    EXPECT_EQ(store->value("Constell/Width").toInt(), 600);
    EXPECT_FALSE(store->value("CzPin/Visible").toBool());
    for (const char* section : {"GoonDay", "CzPin", "Power", "Combo", "BCShema"})
        EXPECT_TRUE(store->contains(QString::fromUtf8(section) + "/Left")) << section;

    TFormMainGVR next;
    next.show();
    EXPECT_TRUE(next.FormGua()->isVisible());
    EXPECT_EQ(next.FormGua()->pos(), QPoint(40, 60));
    EXPECT_TRUE(next.FormConstell()->isVisible());
    EXPECT_EQ(next.FormConstell()->size(), QSize(600, 300));
    EXPECT_EQ(next.FormConstell()->windowTitle(), U("28 созвездий, 21.06.2024"));
    EXPECT_FALSE(next.FormCzPin()->isVisible());
}

}  // namespace
