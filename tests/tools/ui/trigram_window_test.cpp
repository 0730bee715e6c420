// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/trigram_window.h"

#include <gtest/gtest.h>
#include <QToolButton>

#include "support/shell_test.h"
#include "tools/ui/gua_smol_widget.h"
#include "tools/ui/tool_window_test_support.h"
#include "tools/ui/trigram_selector_widget.h"

namespace {

class TrigramWindowTest : public ShellTest {};

TEST_F(TrigramWindowTest, TheTrigramWindowOpensOnКаньAndDrawsTheChosenTrigram) {
    TFormGua w;
    EXPECT_EQ(w.windowTitle(), U("Знаки гуа"));
    EXPECT_TRUE(w.windowFlags() & Qt::Tool);
    EXPECT_EQ(ItemCaptions(w.ComboBoxEx1), TrigramListCaptions());
    EXPECT_FALSE(w.ComboBoxEx1->itemIcon(0).isNull());
    EXPECT_EQ(w.ComboBoxEx1->currentIndex(), 1);
    EXPECT_EQ(w.SmallTrigram->No(), 6);
    EXPECT_EQ(w.DescriptionButton->toolTip(), U("Описание гуа"));
    EXPECT_EQ(w.SmallTrigram->toolTip(), U("Описание гуа"));

    w.ComboBoxEx1->setCurrentIndex(5);  // Ли
    EXPECT_EQ(w.SmallTrigram->No(), 3);
    w.ComboBoxEx1->setCurrentIndex(7);  // Дуй
    EXPECT_EQ(w.SmallTrigram->No(), 2);
    w.show();  // showing again keeps the choice
    EXPECT_EQ(w.ComboBoxEx1->currentIndex(), 7);
    EXPECT_EQ(ItemCaptions(w.ComboBoxEx1), TrigramListCaptions());
}

TEST_F(TrigramWindowTest, TheButtonAndTheTrigramOpenTheTrigramsPage) {
    TFormGua w;
    w.show();
    w.ComboBoxEx1->setCurrentIndex(5);  // Ли
    w.DescriptionButton->click();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\gua\\3.rtf")});
    ClickOn(w.SmallTrigram);
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\gua\\3.rtf")});
    w.SelectTrigram(7);  // Гэнь
    EXPECT_EQ(w.ComboBoxEx1->currentIndex(), 2);
    EXPECT_EQ(w.SmallTrigram->No(), 7);
    w.DescriptionButton->click();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\gua\\7.rtf")});
}

}  // namespace
