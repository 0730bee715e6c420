// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's full chart: a person calculated through the window's own controls, the
// new captions read back from the real labels, the tree and the month cells.
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTreeWidget>

#include "interpretation/ui/chart_details_page.h"
#include "person/ui/chart_details_panel.h"
#include "person/ui/luck_years_panel.h"
#include "person/ui/people_window.h"
#include "person/ui/person_entry.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "widgets/picker_moment.h"
#include "widgets/pillar_glyphs.h"

namespace {

class ChartLayersWindowTest : public ShellTest {
protected:
    // The worked example through the entry controls: 1990-05-15 08:30, (GMT +08:00), a man.
    std::unique_ptr<TFormPeople> Calculated() {
        glyphs_ = std::make_unique<PillarGlyphs>();  // after the application exists
        auto w = std::make_unique<TFormPeople>(*glyphs_, PeopleHost{});
        const QDateTime birth(QDate(1990, 5, 15), QTime(8, 30));
        w->MyDate->setDateTime(birth);
        w->MyTime->setTime(birth.time());
        w->RadioButtonM->setChecked(true);
        w->ComboGMT->setCurrentIndex(w->ComboGMT->findText(U("(GMT +08:00)")));
        w->Raschet();
        return w;
    }
    std::unique_ptr<PillarGlyphs> glyphs_;
};

}  // namespace

TEST_F(ChartLayersWindowTest, TheFullChartUnderEachPillar) {
    auto w = Calculated();
    EXPECT_EQ(w->ResultTabs->tabText(1), U("Полная карта"));
    EXPECT_EQ(w->ResultTabs->tabText(2), U("Годы и месяцы"));
    const ChartDetailsPanel& d = *w->Details;
    EXPECT_EQ(d.PillarChars[0]->text() + d.PillarChars[1]->text() + d.PillarChars[2]->text() +
                  d.PillarChars[3]->text(),
              U("庚午辛巳庚辰庚辰"));
    EXPECT_EQ(d.StemGods[1]->text(), U("Соперник"));
    EXPECT_EQ(d.StemGods[2]->text(), U("Хозяин дня"));
    EXPECT_EQ(d.HiddenGods[0]->text(), U("丁 Прямой чиновник\n己 Прямая печать"));
    EXPECT_EQ(d.Stages[1]->text(), U("Рождение"));
    EXPECT_EQ(d.VoidLine->text(), U("по дню 申酉, по году 戌亥"));
    EXPECT_TRUE(d.Conception->text().startsWith(U("壬申 ")));
    EXPECT_TRUE(d.LifePalace->text().startsWith(U("甲申 ")));
    EXPECT_TRUE(d.BodyPalace->text().startsWith(U("戊寅 ")));
    EXPECT_TRUE((d.Stars[0]->text() + d.Stars[1]->text())
                    .contains(U("将星 Звезда генерала (ветвь года): Год")));

    // At the window's fixed size every caption of the tab shows whole.
    w->show();
    w->ResultTabs->setCurrentIndex(1);
    QApplication::processEvents();
    for (const QLabel* label : w->Details->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        EXPECT_LE(needed, label->height()) << label->text().toStdString();
        if (!label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
    }
}

TEST_F(ChartLayersWindowTest, TheRunningYearAndMonthAreMarked) {
    // The test clock stands at 2024-06-21 12:00: luck pillar 3 (2017–2026), year 甲辰, month 庚午.
    auto w = Calculated();
    const LuckYearsPanel& y = *w->Years;
    ASSERT_NE(y.Tree->currentItem(), nullptr);
    EXPECT_EQ(y.Tree->currentItem()->text(0), U("2024 甲辰"));
    EXPECT_TRUE(y.Tree->currentItem()->font(0).bold());
    EXPECT_TRUE(y.Tree->currentItem()->parent()->text(0).startsWith(U("3. 甲申")));
    EXPECT_EQ(y.Tree->topLevelItem(0)->text(0), U("Малая удача (小运)"));
    EXPECT_EQ(y.MonthsYear(), 2024);
    EXPECT_TRUE(y.Months[0]->text().startsWith(U("丙寅\n")));
    EXPECT_TRUE(y.Months[4]->text().startsWith(U("庚午\n")));
    EXPECT_TRUE(y.Months[4]->styleSheet().contains(U("#fff0b0")));
    EXPECT_FALSE(y.Months[5]->styleSheet().contains(U("#fff0b0")));

    // Choosing another year shows its months.
    y.Tree->setCurrentItem(y.Tree->topLevelItem(1)->child(0));
    EXPECT_EQ(y.MonthsYear(), 1997);
    EXPECT_TRUE(y.Months[0]->text().startsWith(U("壬寅\n04.02.1997 03:01")));
}

// The client document gains one page: the full chart of the worked example fits on it.
TEST_F(ChartLayersWindowTest, TheFullChartIsOnePageOfTheClientDocument) {
    auto w = Calculated();
    auto text = std::make_shared<QTextDocument>();
    AppendChartDetailsPage(*text, ComputeChartDetails(w->Calculation()->chart));
    EXPECT_TRUE(text->toPlainText().contains(U("Дворец тела (身宫): 戊寅")));
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("chart.pdf")));
    pdf.setPageLayout(DocumentPageLayout(QLocale()));
    EXPECT_EQ(PaintDocument(pdf, PrintDocument{QStringLiteral("header"), {}, text}), 1);
}

// A birth with fifteen symbolic stars (1954-11-26 15:19, Moscow time, a woman): at the window's
// default size every star is reachable and the luck pillars' hidden stems are not cut sideways.
TEST_F(ChartLayersWindowTest, ManyStarsAndLongGodListsShowWholeAtTheDefaultSize) {
    glyphs_ = std::make_unique<PillarGlyphs>();
    TFormPeople w(*glyphs_, PeopleHost{});
    EnterPerson(w, "", EncodeMoment(1954, 11, 26, 15, 19, 0), false);
    w.Raschet();
    w.show();
    const QStringList stars =
        (w.Details->Stars[0]->text() + QLatin1Char('\n') + w.Details->Stars[1]->text())
            .split(QLatin1Char('\n'));
    EXPECT_EQ(stars.size(), 15);
    w.ResultTabs->setCurrentIndex(1);
    QApplication::processEvents();
    for (const QLabel* column : w.Details->Stars) {
        EXPECT_GE(column->height(), column->sizeHint().height());  // scrolled to, never cut
        EXPECT_GE(column->width(), column->sizeHint().width());
    }
    w.ResultTabs->setCurrentIndex(2);
    QApplication::processEvents();
    const QTreeWidget* tree = w.Years->Tree;
    int columns = 0;
    for (int c = 0; c < tree->columnCount(); ++c) columns += tree->columnWidth(c);
    EXPECT_LE(columns, tree->viewport()->width());
}
