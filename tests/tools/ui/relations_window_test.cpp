// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/relations_window.h"

#include <gtest/gtest.h>
#include <QGroupBox>
#include <memory>

#include "reference/ui/calendar_window.h"
#include "support/shell_test.h"
#include "tools/ui/czi_pin_widget.h"
#include "tools/ui/tool_window_test_support.h"
#include "widgets/pillar_glyphs.h"

namespace {

class RelationsWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        glyphs_ = std::make_unique<PillarGlyphs>();  // pictures need the application first
    }
    static void Choose(QComboBox* box, int number) { box->setCurrentIndex(number - 1); }
    std::unique_ptr<PillarGlyphs> glyphs_;
};

TEST_F(RelationsWindowTest, OpensOnЦзяЦзыWithItsCaptionsAndLists) {
    TFormCzPin w(*glyphs_);
    EXPECT_EQ(w.windowTitle(), U("Стволы и ветви"));
    EXPECT_TRUE(w.windowFlags() & Qt::Tool);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QStringList blocks;
    for (const QGroupBox* box : w.findChildren<QGroupBox*>()) blocks << box->title();
    EXPECT_EQ(blocks, QStringList({U("Стволы и ветви"), U("Сочетаемость ветвей")}));

    ASSERT_EQ(w.Svtol->count(), 10);
    EXPECT_EQ(w.Svtol->itemText(0), U("Цзя (Дерево-ян)"));
    EXPECT_EQ(w.Svtol->itemText(9), U("Гуй (вода-инь)"));
    for (QComboBox* branch : {w.Vetv1, w.Vetv2, w.Vetv3}) {
        ASSERT_EQ(branch->count(), 12);
        EXPECT_EQ(branch->itemText(0), U("Цзы (вода-ян)"));
        EXPECT_EQ(branch->itemText(11), U("Хай (вода-инь)"));
        EXPECT_EQ(branch->toolTip(), U("Двухчасовки"));
        EXPECT_EQ(branch->currentIndex(), 0);
        EXPECT_FALSE(branch->itemIcon(3).isNull()) << "glyph of Мао";
    }
    EXPECT_EQ(w.Svtol->currentIndex(), 0);

    EXPECT_EQ(w.StageName->text(), U("Купание"));
    EXPECT_EQ(w.NaYin->text(), U("Металл в море (1)"));
    EXPECT_EQ(w.OfficerLink->text(), U("Цзянь. Установление (1)"));
    EXPECT_EQ(w.Officer(), 1);
    EXPECT_TRUE(w.Harmony->text().isEmpty());

    // The window's scroll.
    EXPECT_EQ(w.CziPinYear->size(), QSize(267, 24));
    EXPECT_EQ(w.CziPinYear->LeftColor(), QColor(255, 128, 128));
    EXPECT_EQ(w.CziPinYear->RigntColor(), QColor(185, 203, 181));
    EXPECT_EQ(w.CziPinYear->ArrColor(), QColor(128, 0, 0));
    EXPECT_EQ(w.CziPinYear->CPScrol(), TCziPinParam::cp_1);
    EXPECT_EQ(w.CziPinYear->InJan(), TMyInJan::cz_Jan);
}

TEST_F(RelationsWindowTest, TheStemAndBranchSetTheScrollTheStageAndTheNaYin) {
    TFormCzPin w(*glyphs_);
    Choose(w.Vetv1, 12);  // Цзя with Хай
    EXPECT_EQ(w.StageName->text(), U("Рождение"));
    EXPECT_EQ(w.CziPinYear->CPScrol(), TCziPinParam::cp_12);
    EXPECT_EQ(w.CziPinYear->InJan(), TMyInJan::cz_Jan);
    EXPECT_EQ(w.NaYin->text(), U("Парная комбинация отсутствует"));

    Choose(w.Svtol, 2);  // И with Хай
    EXPECT_EQ(w.StageName->text(), U("Смерть"));
    EXPECT_EQ(w.CziPinYear->CPScrol(), TCziPinParam::cp_7);
    EXPECT_EQ(w.CziPinYear->InJan(), TMyInJan::cz_In);

    Choose(w.Svtol, 1);
    Choose(w.Vetv1, 2);  // Цзя with Чоу
    EXPECT_EQ(w.NaYin->text(), U("Парная комбинация отсутствует"));
    Choose(w.Svtol, 9);
    Choose(w.Vetv1, 1);  // Жэнь-Цзы
    EXPECT_EQ(w.NaYin->text(), U("Тутовое дерево"));
    Choose(w.Svtol, 10);
    Choose(w.Vetv1, 2);  // Гуй-Чоу
    EXPECT_EQ(w.NaYin->text(), U("Тутовое дерево (50)"));
}

TEST_F(RelationsWindowTest, TwoBranchesGiveTheOfficerAndTheirHarmony) {
    TFormCzPin w(*glyphs_);
    Choose(w.Vetv2, 3);  // base Инь
    Choose(w.Vetv3, 1);  // additional Цзы
    EXPECT_EQ(w.OfficerLink->text(), U("Кай. Раскрытие (11)"));
    EXPECT_EQ(w.Officer(), 11);

    Choose(w.Vetv2, 2);
    Choose(w.Vetv3, 8);  // Чоу and Вэй
    EXPECT_EQ(w.Harmony->text(), U("НЕ сочетаются"));
    Choose(w.Vetv2, 8);
    Choose(w.Vetv3, 2);  // Вэй and Чоу
    EXPECT_EQ(w.Harmony->text(), U("НЕ сочетаются"));
    // The same table as the choice of days: every relation of the pair.
    EXPECT_EQ(w.Relations->text(), U("столкновение, наказание"));
    Choose(w.Vetv3, 7);  // Вэй and У
    EXPECT_EQ(w.Harmony->text(), U("сочетаются"));
    Choose(w.Vetv2, 2);
    Choose(w.Vetv3, 6);  // Чоу and Сы: the word goes
    EXPECT_TRUE(w.Harmony->text().isEmpty());
    EXPECT_EQ(w.Relations->text(), U("три гармонии"));
    // The upper block is untouched by the lower.
    EXPECT_EQ(w.StageName->text(), U("Купание"));
}

TEST_F(RelationsWindowTest, APresetPillarShowsTheWindowRecomputed) {
    TFormCzPin w(*glyphs_);
    EXPECT_FALSE(w.isVisible());
    w.SelectPillar(Pillar{2, 12});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Svtol->currentIndex(), 1);
    EXPECT_EQ(w.Vetv1->currentIndex(), 11);
    EXPECT_EQ(w.StageName->text(), U("Смерть"));
    EXPECT_EQ(w.CziPinYear->InJan(), TMyInJan::cz_In);
    // The same stem again with another branch still recomputes.
    w.SelectPillar(Pillar{2, 7});
    EXPECT_EQ(w.StageName->text(), U("Рождение"));
}

TEST_F(RelationsWindowTest, ShowingAgainKeepsTheSelection) {
    TFormCzPin w(*glyphs_);
    Choose(w.Svtol, 4);
    Choose(w.Vetv3, 5);
    w.show();
    w.hide();
    w.show();
    EXPECT_EQ(w.Svtol->currentIndex(), 3);
    EXPECT_EQ(w.Vetv3->currentIndex(), 4);
    EXPECT_EQ(w.Svtol->itemText(3), U("Дин (Огонь-инь)"));
}

TEST_F(RelationsWindowTest, TheOfficerLinkReportsItsOfficer) {
    TFormCzPin w(*glyphs_);
    w.show();
    Choose(w.Vetv2, 3);
    Choose(w.Vetv3, 1);
    std::vector<int> clicked;
    QObject::connect(&w, &TFormCzPin::OfficerLinkClicked,
                     [&](int officer) { clicked.push_back(officer); });
    EXPECT_EQ(w.OfficerLink->cursor().shape(), Qt::PointingHandCursor);
    ClickOn(w.OfficerLink);
    EXPECT_EQ(clicked, std::vector<int>{11});
}

}  // namespace
