// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_geometry.h"
#include "app/settings_store.h"

#include <gtest/gtest.h>
#include <QWidget>

#include "support/shell_test.h"

namespace {

class WindowGeometryTest : public ShellTest {
protected:
    ScreenLayout layout{QSize(1600, 1000), 73, 900, {}, 0};
};

TEST_F(WindowGeometryTest, DefaultsFollowTheScreenAndTheMainWindow) {
    const QSize design(300, 200);
    const WindowGeometry calendar = DefaultGeometry(WindowSections::Calendar, design, layout);
    EXPECT_EQ(calendar.left, 1);
    EXPECT_EQ(calendar.top, 73);
    EXPECT_EQ(calendar.height, 503);
    EXPECT_EQ(calendar.width, 214);
    EXPECT_TRUE(calendar.visible);

    const WindowGeometry seasons = DefaultGeometry(WindowSections::Seasons, design, layout);
    EXPECT_EQ(seasons.width, 290);
    EXPECT_EQ(seasons.height, 900 - 80);
    EXPECT_EQ(seasons.left, 1600 - 290 - 2);
    EXPECT_FALSE(seasons.visible);

    const WindowGeometry goodDays = DefaultGeometry(WindowSections::GoodDays, design, layout);
    EXPECT_EQ(goodDays.left, (1600 - 509) / 2);
    EXPECT_EQ(goodDays.top, (1000 - 279) / 2);

    // Windows that keep no size are centred with the size they have.
    const WindowGeometry relations = DefaultGeometry(WindowSections::Relations, design, layout);
    EXPECT_EQ(relations.left, (1600 - 300) / 2);
    EXPECT_EQ(relations.top, (1000 - 200) / 2);
    const WindowGeometry person = DefaultGeometry(WindowSections::Person, design, layout);
    EXPECT_EQ(person.top, 73);
}

TEST_F(WindowGeometryTest, ALowMainWindowShortensCalendarAndCircle) {
    const ScreenLayout low{QSize(1024, 600), 73, 500, {}, 0};
    QWidget calendar, circle;
    const auto store = OpenSettingsStore();
    RestoreWindowGeometry(calendar, *store, WindowSections::Calendar, low);
    RestoreWindowGeometry(circle, *store, WindowSections::Circle, low);
    EXPECT_EQ(calendar.height(), 420);
    EXPECT_EQ(circle.height(), 420);
    EXPECT_EQ(circle.width(), 573);
    // A stored height gives way the same way, a smaller one too.
    store->setValue("Calendar/Height", 480);
    store->setValue("Circle/Height", 300);
    RestoreWindowGeometry(calendar, *store, WindowSections::Calendar, low);
    RestoreWindowGeometry(circle, *store, WindowSections::Circle, low);
    EXPECT_EQ(calendar.height(), 420);
    EXPECT_EQ(circle.height(), 420);
    // Toolbars that reach lower than the design's: the windows still end above the status line.
    const ScreenLayout lowToolbars{QSize(1024, 600), 110, 540, {}, 560};
    RestoreWindowGeometry(calendar, *store, WindowSections::Calendar, lowToolbars);
    EXPECT_EQ(calendar.y() + calendar.height(), 560);
}

TEST_F(WindowGeometryTest, AMainWindowHighEnoughKeepsTheStoredHeightOfCalendarAndCircle) {
    // Client height 600: 520 is not below 503, so the stored heights stand, even a taller one.
    const ScreenLayout tall{QSize(1024, 800), 73, 600, {}, 0};
    QWidget calendar, circle;
    const auto store = OpenSettingsStore();
    store->setValue("Calendar/Height", 560);
    store->setValue("Circle/Height", 300);
    RestoreWindowGeometry(calendar, *store, WindowSections::Calendar, tall);
    RestoreWindowGeometry(circle, *store, WindowSections::Circle, tall);
    EXPECT_EQ(calendar.height(), 560);
    EXPECT_EQ(circle.height(), 300);
    // Client height 582 is the last one below 583: 502.
    const ScreenLayout justBelow{QSize(1024, 800), 73, 582, {}, 0};
    RestoreWindowGeometry(calendar, *store, WindowSections::Calendar, justBelow);
    EXPECT_EQ(calendar.height(), 502);
    const ScreenLayout justEnough{QSize(1024, 800), 73, 583, {}, 0};
    RestoreWindowGeometry(calendar, *store, WindowSections::Calendar, justEnough);
    EXPECT_EQ(calendar.height(), 560);
}

TEST_F(WindowGeometryTest, StoredValuesWinAndBrokenOnesFallBack) {
    const auto store = OpenSettingsStore();
    store->setValue("Circle/Left", 40);
    store->setValue("Circle/Top", "x");
    store->setValue("Circle/Width", 600);
    store->setValue("Circle/Visible", false);
    const WindowGeometry g = StoredGeometry(*store, WindowSections::Circle, QSize(10, 10), layout);
    EXPECT_EQ(g.left, 40);
    EXPECT_EQ(g.top, 73);
    EXPECT_EQ(g.width, 600);
    EXPECT_EQ(g.height, 503);
    EXPECT_FALSE(g.visible);
}

TEST_F(WindowGeometryTest, OnlyTheValuesASectionKeepsAreWritten) {
    QWidget table;
    table.resize(320, 240);
    table.move(12, 34);
    const auto store = OpenSettingsStore();
    SaveWindowGeometry(table, *store, WindowSections::GeomanticTable);
    EXPECT_EQ(store->value("FH/Left").toInt(), 12);
    EXPECT_EQ(store->value("FH/Top").toInt(), 34);
    EXPECT_FALSE(store->value("FH/Visible").toBool());
    EXPECT_FALSE(store->contains("FH/Height"));
    EXPECT_FALSE(store->contains("FH/Width"));

    SaveWindowGeometry(table, *store, WindowSections::Compass);
    EXPECT_EQ(store->value("Table7/Width").toInt(), 320);
    EXPECT_EQ(store->value("Table7/Height").toInt(), 240);
    EXPECT_FALSE(store->contains("Table7/Visible"));
}

TEST_F(WindowGeometryTest, TheDefaultArrangementPlacesShowsAndHides) {
    QWidget goodDays, calendar;
    goodDays.show();
    ApplyDefaultGeometry(goodDays, WindowSections::GoodDays, layout);
    EXPECT_EQ(goodDays.pos(), QPoint((1600 - 509) / 2, (1000 - 279) / 2 - 2));
    EXPECT_EQ(goodDays.size(), QSize(509, 279));
    EXPECT_FALSE(goodDays.isVisible());
    ApplyDefaultGeometry(calendar, WindowSections::Calendar, layout);
    EXPECT_EQ(calendar.pos(), QPoint(1, 73));
    EXPECT_TRUE(calendar.isVisible());
}

TEST_F(WindowGeometryTest, EverySectionNameIsDistinct) {
    for (std::size_t i = 0; i < WindowSections::All.size(); ++i)
        for (std::size_t k = i + 1; k < WindowSections::All.size(); ++k)
            EXPECT_STRNE(WindowSections::All[i]->section, WindowSections::All[k]->section);
}

}  // namespace

TEST_F(WindowGeometryTest, TheAnalogiesTableOpensWideEnoughForItsColumnsAndKeepsAUsersWidth) {
    QWidget table;
    table.resize(512, 207);  // the width its columns need in this face
    const auto store = OpenSettingsStore();
    RestoreWindowGeometry(table, *store, WindowSections::FiveElementAnalogies, layout);
    EXPECT_EQ(table.width(), 512);
    table.resize(400, 207);
    store->setValue("Table6/Width", 470);
    RestoreWindowGeometry(table, *store, WindowSections::FiveElementAnalogies, layout);
    EXPECT_EQ(table.width(), 470);
}

TEST_F(WindowGeometryTest, GoodDaysAndMansionsOpenOneCascadeStepApart) {
    const auto store = OpenSettingsStore();
    const WindowGeometry days = StoredGeometry(*store, WindowSections::GoodDays, {}, layout);
    const WindowGeometry mansions = StoredGeometry(*store, WindowSections::Mansions, {}, layout);
    EXPECT_EQ(days.left, (1600 - 509) / 2);
    EXPECT_EQ(days.top, (1000 - 279) / 2);
    EXPECT_EQ(mansions.left, days.left + kCascadeStep);
    EXPECT_EQ(mansions.top, days.top + kCascadeStep);
}
