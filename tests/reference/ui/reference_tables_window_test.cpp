// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed reference windows: the stems-and-branches and five-element tables, the organs and
// meridians, the three diagrams and the phase legend.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/main_window.h"
#include "geomancy/star_phase.h"
#include "reference/five_element_analogies.h"
#include "reference/ui/five_element_analogies_window.h"
#include "reference/ui/five_element_diagram_window.h"
#include "reference/ui/lo_shu_window.h"
#include "reference/ui/organs_meridians_window.h"
#include "reference/ui/phase_legend_window.h"
#include "reference/ui/reference_grid_widget.h"
#include "reference/ui/reference_test_folder.h"
#include "reference/ui/stem_branch_diagram_window.h"
#include "reference/ui/stem_branch_grid_widget.h"
#include "reference/ui/stem_branch_table_window.h"

namespace {

class ReferenceTablesTest : public ReferenceFolderTest {
protected:
    static QColor TextColour(const QLabel* cell) {
        return cell->palette().color(QPalette::WindowText);
    }
    static QColor Band(const QLabel* cell) { return cell->palette().color(QPalette::Window); }
};

TEST_F(ReferenceTablesTest, StemsAndBranchesAreColouredByElementBesideTheirGlyphs) {
    TFormTable2 table;
    EXPECT_EQ(table.windowTitle(), QString::fromUtf8("Стволы и ветви"));
    EXPECT_EQ(table.size(), QSize(439, 411));
    EXPECT_TRUE(table.PictureErrors().isEmpty());
    const TReferenceGrid* stems = table.Grid->Stems;
    const TReferenceGrid* branches = table.Grid->Branches;
    struct Case {
        const TReferenceGrid* grid;
        int row;
        const char* caption;
        QColor colour;
    };
    const Case cases[] = {
        {stems, 0, "Цзя (Дерево-ян)", QColor(0, 128, 128)},
        {stems, 3, "Дин (Огонь-инь)", QColor(128, 0, 0)},
        {stems, 4, "У (Почва-ян)", QColor(128, 128, 0)},
        {stems, 7, "Синь (Металл-инь)", QColor(128, 128, 128)},
        {stems, 9, "Гуй (Вода-инь)", QColor(0, 0, 0)},
        {branches, 0, "Цзы (крыса, 23-1, Вода-ян)", QColor(0, 0, 0)},
        {branches, 1, "Чоу (бык, 1-3, Почва-инь)", QColor(128, 128, 0)},
        {branches, 7, "Вэй (овца, 13-15, Земля-инь)", QColor(128, 128, 0)},
        {branches, 8, "Шэнь (обезьяна, 15-17, Металл-ян)", QColor(128, 128, 128)},
        {branches, 11, "Хай (свинья, 21-23, Вода-инь)", QColor(0, 0, 0)},
    };
    for (const Case& c : cases) {
        const QLabel* cell = c.grid->Cell(c.row, 1);
        ASSERT_NE(cell, nullptr) << c.caption;
        EXPECT_EQ(cell->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(TextColour(cell), c.colour) << c.caption;
    }
    EXPECT_EQ(stems->Cell(10, 1), nullptr);
    EXPECT_EQ(branches->Cell(12, 1), nullptr);
    // Each glyph is its own 31-pixel slice of the column picture, beside its row.
    for (int row : {0, 9}) {
        const QLabel* glyph = stems->Cell(row, 0);
        ASSERT_NE(glyph, nullptr);
        EXPECT_EQ(glyph->pixmap().size(), QSize(31, 31));
        EXPECT_EQ(glyph->height(), stems->Cell(row, 1)->height());
        EXPECT_EQ(glyph->y(), stems->Cell(row, 1)->y());
    }
    EXPECT_EQ(branches->Cell(11, 0)->pixmap().size(), QSize(31, 31));
}

TEST_F(ReferenceTablesTest, OrgansAndMeridiansStandBesideTheGlyphs) {
    TFormTable9 table;
    EXPECT_EQ(table.windowTitle(), QString::fromUtf8("Органы и меридианы"));
    EXPECT_EQ(table.size(), QSize(451, 411));
    const TReferenceGrid* stems = table.Grid->Stems;
    const TReferenceGrid* branches = table.Grid->Branches;
    EXPECT_EQ(stems->Cell(0, 1)->text(), QString::fromUtf8("Желчный пузырь"));
    EXPECT_EQ(stems->Cell(2, 1)->text(),
              QString::fromUtf8("Тонкий кишечник\nТройной обогреватель"));
    EXPECT_EQ(stems->Cell(9, 1)->text(), QString::fromUtf8("Почки"));
    EXPECT_EQ(branches->Cell(0, 1)->text(),
              QString::fromUtf8("Меридиан желчного пузыря\nМалый ян на ноге"));
    EXPECT_EQ(branches->Cell(10, 1)->text(),
              QString::fromUtf8("Меридиан перикарда\nНедостаточный инь на руке"));
    EXPECT_EQ(branches->Cell(11, 0)->pixmap().size(), QSize(31, 31));
    // Two lines fit a row.
    const QLabel* twoLines = branches->Cell(10, 1);
    EXPECT_LE(twoLines->sizeHint().height(), twoLines->height());
}

TEST_F(ReferenceTablesTest, FiveElementAnalogiesUnderACreamHeader) {
    TFormTable6 table;
    EXPECT_EQ(table.windowTitle(), QString::fromUtf8("Аналогии у син"));
    EXPECT_EQ(table.height(), 207);
    EXPECT_GE(table.width(), 459);
    const QLabel* header = table.Grid->Cell(0, 1);
    EXPECT_EQ(header->text(), QString::fromUtf8("Ограны инь"));
    EXPECT_TRUE(header->font().bold());
    EXPECT_EQ(Band(header), QColor(255, 251, 240));
    EXPECT_EQ(table.Grid->Cell(0, 5)->text(), QString::fromUtf8("Природные явления"));
    EXPECT_EQ(table.Grid->Cell(1, 0)->text(), QString::fromUtf8("Дерево"));
    EXPECT_EQ(table.Grid->Cell(5, 7)->text(), QString::fromUtf8("Горький"));
    EXPECT_EQ(table.Grid->Cell(3, 7)->text(), QString::fromUtf8("Острый"));
    EXPECT_FALSE(table.Grid->Cell(1, 0)->font().bold());
    EXPECT_EQ(Band(table.Grid->Cell(1, 0)), QColor(Qt::white));
    // Every column, "Цвета" and "Вкус" too, in sight at the window's width, no scroll bar.
    table.show();
    QApplication::processEvents();
    EXPECT_LE(table.Grid->width(), table.width());
    EXPECT_LE(table.Grid->height(), table.height());
    for (int c = 0; c < kAnalogyColumns; ++c)
        for (int r = 0; r <= kAnalogyRows; ++r) {
            const QLabel* cell = table.Grid->Cell(r, c);
            EXPECT_LE(cell->sizeHint().height(), cell->height()) << cell->text().toStdString();
        }
}

TEST_F(ReferenceTablesTest, DiagramsShowTheirPicturesAtAFixedSize) {
    TFormTable4 stemBranch;
    EXPECT_EQ(stemBranch.windowTitle(), QString::fromUtf8("Диаграмма «Стволы и ветви»"));
    EXPECT_EQ(stemBranch.Picture->pixmap().size(), QSize(400, 400));
    EXPECT_EQ(stemBranch.minimumSize(), stemBranch.maximumSize());
    // South above, north below, west on the right, east on the left.
    EXPECT_EQ(stemBranch.South->text(), QString::fromUtf8("Ю"));
    EXPECT_EQ(stemBranch.North->text(), QString::fromUtf8("С"));
    EXPECT_EQ(stemBranch.West->text(), QString::fromUtf8("З"));
    EXPECT_EQ(stemBranch.East->text(), QString::fromUtf8("В"));
    EXPECT_LT(stemBranch.South->geometry().bottom(), stemBranch.Picture->y());
    EXPECT_GT(stemBranch.North->y(), stemBranch.Picture->geometry().bottom());
    EXPECT_GT(stemBranch.West->x(), stemBranch.Picture->geometry().right());
    EXPECT_LT(stemBranch.East->geometry().right(), stemBranch.Picture->x());
    EXPECT_TRUE(stemBranch.West->font().bold());
    EXPECT_EQ(TextColour(stemBranch.West), QColor(128, 128, 128));

    TFormTable5 elements;
    EXPECT_EQ(elements.windowTitle(), QString::fromUtf8("Диаграмма «У син»"));
    EXPECT_EQ(elements.Picture->pixmap().size(), QSize(420, 420));
    EXPECT_EQ(elements.minimumSize(), elements.maximumSize());

    TFormVV loShu;
    EXPECT_EQ(loShu.windowTitle(), QString::fromUtf8("Диаграмма Ло Шу"));
    EXPECT_EQ(loShu.Picture->pixmap().size(), QSize(320, 320));
    EXPECT_TRUE(loShu.PictureErrors().isEmpty());
}

TEST_F(ReferenceTablesTest, TheLegendShowsThePhaseColoursOfTheTable) {
    TFormLegenda legend;
    EXPECT_EQ(legend.windowTitle(), QString::fromUtf8("Легенда фаз"));
    const char* captions[] = {"Расцвет (Ван)", "Порождение (Шэн)", "Отступление (Туй)",
                              "Разрушение (Ша)", "Смерть (Сы)"};
    const QColor colours[] = {QColor(0, 128, 255), QColor(0, 128, 0), QColor(128, 128, 128),
                              QColor(128, 0, 128), QColor(210, 0, 0)};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(legend.Captions[i]->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(legend.Squares[i]->size(), QSize(10, 10));
        EXPECT_EQ(legend.Squares[i]->palette().color(QPalette::Window), colours[i]) << captions[i];
    }
    const QSize screen = legend.screen()->geometry().size();
    EXPECT_EQ(legend.pos(), QPoint((screen.width() - legend.width()) / 2,
                                   (screen.height() - legend.height()) / 2));
}

TEST_F(ReferenceTablesTest, AMissingPictureIsReportedAndTheWindowStays) {
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    TFormTable2 table;
    EXPECT_EQ(table.PictureErrors().size(), 2);
    EXPECT_EQ(table.Grid->Stems->Cell(0, 1)->text(), QString::fromUtf8("Цзя (Дерево-ян)"));
    EXPECT_TRUE(table.Grid->Stems->Cell(0, 0)->pixmap().isNull());
    TFormVV loShu;
    ASSERT_EQ(loShu.PictureErrors().size(), 1);
    EXPECT_TRUE(loShu.PictureErrors()[0].contains(QStringLiteral("diag1.bmp")));
    EXPECT_EQ(loShu.Picture->size(), QSize(320, 320));
}

TEST_F(ReferenceTablesTest, TheMainWindowsCommandsOpenTheTablesAndKeepTheirGeometry) {
    struct Case {
        Command command;
        const char* caption;
        const char* section;
        bool keepsSize;
    };
    const Case cases[] = {
        {Command::LoShu, "Диаграмма Ло Шу", "LoShu", false},
        {Command::StemBranchTable, "Стволы и ветви", "Table2", true},
        {Command::StemBranchDiagram, "Диаграмма «Стволы и ветви»", "Table4", false},
        {Command::FiveElementDiagram, "Диаграмма «У син»", "Table5", false},
        {Command::FiveElementAnalogies, "Аналогии у син", "Table6", true},
        {Command::OrgansMeridians, "Органы и меридианы", "Table9", true},
        {Command::SeasonsList, "Наступление сезонов солнечного календаря", "Seasone", true},
        {Command::Notes, nullptr, "note", true},
    };
    {
        TFormMainGVR w;
        w.show();
        for (const Case& c : cases) {
            QAction* action = w.Commands().Action(c.command);
            EXPECT_TRUE(action->isEnabled()) << c.section;
            action->trigger();
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->parentWidget() != &w || !window->isVisible()) continue;
            window->move(33, 44);
        }
        w.close();
    }
    const auto store = OpenSettingsStore();
    for (const Case& c : cases) {
        const QString section = QString::fromLatin1(c.section);
        EXPECT_TRUE(store->value(section + "/Visible").toBool()) << c.section;
        EXPECT_EQ(store->value(section + "/Left").toInt(), 33) << c.section;
        EXPECT_EQ(store->contains(section + "/Width"), c.keepsSize) << c.section;
    }
    // Shown again at the next start, each under its caption.
    TFormMainGVR next;
    next.show();
    for (const Case& c : cases) {
        if (!c.caption) continue;
        bool shown = false;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->parentWidget() == &next && window->isVisible() &&
                window->windowTitle() == QString::fromUtf8(c.caption))
                shown = true;
        EXPECT_TRUE(shown) << c.section;
    }
}

}  // namespace
