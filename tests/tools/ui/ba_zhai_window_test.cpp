// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/ba_zhai_window.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "support/shell_test.h"
#include "tools/ui/gua_smol_widget.h"
#include "tools/ui/tool_window_test_support.h"
#include "tools/ui/trigram_selector_widget.h"

namespace {

class BaZhaiWindowTest : public ShellTest {
protected:
    static QImage Picture(const QString& path) { return QImage(DataPath(path)); }
};

TEST_F(BaZhaiWindowTest, TheBaZhaiWindowOpensOnTheHouseOfКань) {
    TFormBCShema w;
    EXPECT_EQ(w.windowTitle(), U("Ба чжай"));
    EXPECT_EQ(ItemCaptions(w.ComboBoxEx2), TrigramListCaptions());
    EXPECT_EQ(w.ComboBoxEx2->currentIndex(), 1);
    EXPECT_EQ(w.SmallTrigram->No(), 6);
    EXPECT_EQ(w.FateLine->text(), U(" Восточная судьба, Дворец Кань-гуа, Вода"));
    EXPECT_TRUE(w.FateLine->font().bold());
    EXPECT_EQ(w.DescriptionButton->toolTip(), U("Описание для Дворца"));
    EXPECT_EQ(w.SmallTrigram->toolTip(), U("Описание гуа"));
    EXPECT_EQ(w.Diagram->size(), QSize(436, 436));
    ASSERT_TRUE(w.DiagramError().isEmpty()) << w.DiagramError().toStdString();
    EXPECT_EQ(w.Diagram->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              Picture(QStringLiteral("\\bmp\\1.bmp")).convertToFormat(QImage::Format_RGB32));
    // The trigram stands at the centre of the diagram.
    const QPoint centre = w.SmallTrigram->mapTo(w.Diagram, w.SmallTrigram->rect().center());
    EXPECT_NEAR(centre.x(), 218, 2);
    EXPECT_NEAR(centre.y(), 218, 2);
    EXPECT_TRUE(TakeErrorBoxTexts().isEmpty());
}

TEST_F(BaZhaiWindowTest, ChoosingЛиDrawsItsTrigramAndLoadsTheDiagramOfPalaceNine) {
    TFormBCShema w;
    w.ComboBoxEx2->setCurrentIndex(5);
    EXPECT_EQ(w.SmallTrigram->No(), 3);  // solid, broken, solid
    EXPECT_EQ(w.FateLine->text(), U(" Восточная судьба, Дворец Ли-гуа, Огонь"));
    EXPECT_EQ(w.Diagram->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              Picture(QStringLiteral("\\bmp\\9.bmp")).convertToFormat(QImage::Format_RGB32));
    w.DescriptionButton->click();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\baczi\\bc9.rtf")});
    ClickOn(w.SmallTrigram);
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\gua\\3.rtf")});
}

TEST_F(BaZhaiWindowTest, PresetsFromThePersonAndTheTable) {
    TFormBCShema w;
    // A person's Gua number 2: the house of Кунь.
    w.SelectPalace(2);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.ComboBoxEx2->currentIndex(), 6);
    EXPECT_EQ(w.SmallTrigram->No(), 8);
    EXPECT_EQ(w.FateLine->text(), U(" Западная судьба, Дворец Кунь-гуа, Почва"));
    // A mountain of the table: list item 0, Цянь.
    w.SelectItem(0);
    EXPECT_EQ(w.SmallTrigram->No(), 1);
    EXPECT_EQ(w.FateLine->text(), U(" Западная судьба, Дворец Цянь-гуа, Металл"));
    w.DescriptionButton->click();
    EXPECT_EQ(TakeOpenViewerPages(), QStringList{QStringLiteral("\\other\\baczi\\bc6.rtf")});
}

TEST_F(BaZhaiWindowTest, AMissingDiagramIsReportedAfterTheFateLineAndTrigramAreSet) {
    TFormBCShema w;
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    w.ComboBoxEx2->setCurrentIndex(3);  // Чжэнь
    EXPECT_EQ(w.SmallTrigram->No(), 4);
    EXPECT_EQ(w.FateLine->text(), U(" Восточная судьба, Дворец Чжэнь-гуа, Дерево"));
    const QStringList errors = TakeErrorBoxTexts();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Не удалось открыть файл")));
    EXPECT_TRUE(errors[0].contains(QStringLiteral("3.bmp")));
    EXPECT_EQ(w.DiagramError(), errors[0]);
    EXPECT_TRUE(w.Diagram->pixmap().isNull()) << "Кань's diagram must not stay beside Чжэнь";
}

}  // namespace
