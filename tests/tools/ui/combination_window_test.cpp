// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/combination_window.h"

#include <gtest/gtest.h>
#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "support/shell_test.h"
#include "tools/ui/tool_window_test_support.h"

namespace {

class CombinationWindowTest : public ShellTest {};

TEST_F(CombinationWindowTest, CaptionsListsAndTheDefaultKind) {
    TFormCombo w;
    EXPECT_EQ(w.windowTitle(), U("Комбинации звезд"));
    QStringList boxes;
    for (const QGroupBox* box : w.findChildren<QGroupBox*>()) boxes << box->title();
    EXPECT_EQ(boxes,
              QStringList({U("Звезда хозяин:"), U("Звезда гость:"), U("Характер комбинаций: ")}));
    ASSERT_EQ(w.HostStars->buttons().size(), 9);
    EXPECT_EQ(w.HostStars->button(1)->text(), U("1 белая"));
    EXPECT_EQ(w.GuestStars->button(9)->text(), U("9 пурпурная"));
    EXPECT_EQ(w.GuestStars->button(7)->text(), U("7 алая"));
    EXPECT_EQ(w.Cycles->text(), U("Циклы"));
    EXPECT_EQ(w.FlyingStars->text(), U("Летящие звезды"));
    EXPECT_TRUE(w.Cycles->isChecked());
    EXPECT_EQ(w.Host(), 0);
    EXPECT_EQ(w.Guest(), 0);
    EXPECT_EQ(w.DescriptionButton->text(), U("Описание комбинации"));
}

TEST_F(CombinationWindowTest, TheButtonWaitsForBothStarsAndStaysEnabled) {
    TFormCombo w;
    w.show();
    EXPECT_FALSE(w.DescriptionButton->isEnabled());
    w.HostStars->button(3)->click();
    EXPECT_FALSE(w.DescriptionButton->isEnabled());
    w.GuestStars->button(7)->click();
    EXPECT_TRUE(w.DescriptionButton->isEnabled());
    w.HostStars->button(5)->click();
    w.FlyingStars->click();
    EXPECT_TRUE(w.DescriptionButton->isEnabled());
}

TEST_F(CombinationWindowTest, HostThreeWithGuestSevenInBothSenses) {
    TFormCombo w;
    w.show();
    w.HostStars->button(3)->click();
    w.GuestStars->button(7)->click();
    w.DescriptionButton->click();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\people\\3-7.rtf")});
    w.FlyingStars->click();
    w.DescriptionButton->click();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\combstars\\3_7.rtf")});
    EXPECT_TRUE(TakeErrorBoxTexts().isEmpty()) << "both pages exist in the data folder";
}

TEST_F(CombinationWindowTest, APresetChoosesTheStarsAndTheKind) {
    TFormCombo w;
    w.ShowCombination(6, 5, CombinationKind::FlyingStars);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Host(), 6);
    EXPECT_EQ(w.Guest(), 5);
    EXPECT_EQ(w.Kind(), CombinationKind::FlyingStars);
    EXPECT_TRUE(w.DescriptionButton->isEnabled());
    w.OpenDescription();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\combstars\\6_5.rtf")});
    w.ShowCombination(1, 9, CombinationKind::Cycles);
    EXPECT_TRUE(w.Cycles->isChecked());
    w.OpenDescription();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\people\\1-9.rtf")});
}

}  // namespace
