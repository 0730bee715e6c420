// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/table_chart_widget.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QToolButton>
#include <memory>
#include <vector>

#include "astro/moment.h"
#include "geomancy/flying_chart.h"
#include "geomancy/table_computation.h"
#include "geomancy/ui/gate_chart_widget.h"
#include "support/june_2024_moment.h"
#include "support/shell_test.h"

namespace {

const QColor kHighlightColour(0, 128, 255);
const QColor kRedColour(255, 0, 0);

// The June 2024 moment with year star 5 in place of 3 (year Чэнь, Three Killings south; month У,
// the season's north; period 9).
CurrentMoment YearOfFive() {
    CurrentMoment m = June2024Moment();
    m.yearStar = 5;
    return m;
}

int CountColour(const QImage& image, const QRect& r, const QColor& colour) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}

bool AllWhite(const QImage& image, const QRect& r) {
    return CountColour(image, r, Qt::white) == r.width() * r.height();
}

class ChartWidgetTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        chart_ = std::make_unique<TFhChart>(shown_);
    }

    void Compute(int azimuth) {
        ASSERT_TRUE(ComputeTable(table_, TableInputs::ForAzimuth(azimuth, EncodeMoment(2005, 6, 1)),
                                 8, YearOfFive()));
        shown_.SetShown(true);
        chart_->Refresh();
    }
    QImage Picture() { return chart_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void Close() {
        shown_.SetShown(false);
        chart_->Refresh();
    }

    GeomanticTable table_;
    TablePresentation shown_{table_};
    std::unique_ptr<TFhChart> chart_;
};

TEST_F(ChartWidgetTest, BeforeTheFirstComputationOnlyTheEmptyGridIsDrawn) {
    const QImage picture = Picture();
    ASSERT_EQ(picture.size(), QSize(TFhChart::kSize, TFhChart::kSize));
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        SCOPED_TRACE(p);
        const QRect r = TFhChart::PalaceRect(p);
        EXPECT_EQ(picture.pixelColor(r.topLeft()), QColor(Qt::black));
        EXPECT_TRUE(AllWhite(picture, r.adjusted(1, 16, -1, -1)));  // no digits, no pictures
        EXPECT_TRUE(chart_->PalaceButton(p)->isHidden());
        EXPECT_TRUE(chart_->HintAt(TFhChart::CellRect(p, ChartCell::Mountain).center()).isEmpty());
    }
    for (auto side : {KillingsDirection::South, KillingsDirection::North}) {
        EXPECT_TRUE(AllWhite(picture, TFhChart::KillingsBarRect(side, true)));
    }
}

TEST_F(ChartWidgetTest, TheComputedChartIsPaintedAsTheTableSays) {
    Compute(0);  // facing Kan (north, at the bottom), sitting Li
    const QImage picture = Picture();

    // The facing palace's wide highlighted frame, the sitting palace's wide black one.
    const QRect kan = TFhChart::PalaceRect(Palace::Kan);
    const QRect li = TFhChart::PalaceRect(Palace::Li);
    const QRect zhen = TFhChart::PalaceRect(Palace::Zhen);
    for (int inset = 0; inset < 3; ++inset) {
        EXPECT_EQ(picture.pixelColor(kan.left() + inset, kan.center().y()), kHighlightColour);
        EXPECT_EQ(picture.pixelColor(li.left() + inset, li.center().y()), QColor(Qt::black));
    }
    EXPECT_EQ(picture.pixelColor(kan.left() + 3, kan.center().y()), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(zhen.left() + 1, zhen.center().y()), QColor(Qt::white));

    // Each star digit in its phase colour.
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        SCOPED_TRACE(p);
        const PalaceCells& c = table_.palaces[p];
        ASSERT_TRUE(c.mountainPhase && c.facingPhase);
        const Rgb colour = PhaseColour(*c.mountainPhase);
        EXPECT_GT(CountColour(picture, TFhChart::CellRect(p, ChartCell::Mountain),
                              QColor(colour.r, colour.g, colour.b)),
                  20);
        EXPECT_EQ(chart_->HintAt(TFhChart::CellRect(p, ChartCell::Facing).center()),
                  QString::fromStdString(StarPhaseName(*c.facingPhase)));
        EXPECT_FALSE(chart_->HintAt(TFhChart::CellRect(p, ChartCell::Base).center()).isEmpty());
        EXPECT_FALSE(chart_->PalaceButton(p)->isHidden());
    }

    // Year star 5: Kun's year digit is 2 and red, the centre's 5 is not.
    ASSERT_EQ(table_.palaces[Palace::Kun].year, 2);
    EXPECT_GT(CountColour(picture, TFhChart::CellRect(Palace::Kun, ChartCell::Year), kRedColour),
              5);
    ASSERT_EQ(table_.palaces[Palace::Centre].year, 5);
    EXPECT_EQ(CountColour(picture, TFhChart::CellRect(Palace::Centre, ChartCell::Year), kRedColour),
              0);
}

TEST_F(ChartWidgetTest, MarkersBarsAndPicturesHaveTheirHints) {
    Compute(0);
    // Tai Sui of the year Чэнь: the upper marker on the left.
    const QRect marker = TFhChart::TaiSuiMarkerRect(5);
    EXPECT_EQ(chart_->HintAt(marker.center()), QString::fromUtf8("Чэнь"));
    EXPECT_TRUE(chart_->HintAt(TFhChart::TaiSuiMarkerRect(1).center()).isEmpty());  // not shown
    EXPECT_GT(CountColour(Picture(), marker, QColor(0, 128, 0)), 20);
    EXPECT_LT(marker.right(), TFhChart::kMargin);
    EXPECT_LT(marker.bottom(), TFhChart::PalaceRect(Palace::Xun).bottom());

    // Year bar south (top), the season's north (bottom).
    const QRect yearBar = TFhChart::KillingsBarRect(KillingsDirection::South, true);
    EXPECT_LT(yearBar.bottom(), TFhChart::kMargin);
    EXPECT_EQ(chart_->HintAt(yearBar.topLeft() + QPoint(2, 2)),
              QString::fromUtf8("Ша года на юге"));
    // The year's bar is an outline 10 pixels wide around an empty middle.
    const QImage bars = Picture();
    const QColor killings(255, 128, 128);
    const int x = yearBar.center().x();
    for (int y = yearBar.top(); y <= yearBar.bottom(); ++y) {
        const bool outline = y < yearBar.top() + 10 || y > yearBar.bottom() - 10;
        EXPECT_EQ(bars.pixelColor(x, y), outline ? killings : QColor(Qt::white)) << y;
    }
    const QRect seasonBar = TFhChart::KillingsBarRect(KillingsDirection::North, false);
    EXPECT_GT(seasonBar.top(), TFhChart::PalaceRect(Palace::Kan).bottom());
    EXPECT_EQ(chart_->HintAt(seasonBar.center()), QString::fromUtf8("Ша сезона на севере"));
    EXPECT_TRUE(chart_->HintAt(TFhChart::KillingsBarRect(KillingsDirection::East, true).center())
                    .isEmpty());

    ASSERT_TRUE(table_.flyingTaiSuiYear && table_.flyingTaiSuiMonth);
    EXPECT_EQ(chart_->HintAt(TFhChart::FlyingTaiSuiRect(*table_.flyingTaiSuiYear, true).center()),
              QString::fromUtf8("Летящий Тай Суй по году"));
    EXPECT_EQ(chart_->HintAt(TFhChart::FlyingTaiSuiRect(*table_.flyingTaiSuiMonth, false).center()),
              QString::fromUtf8("Темное установление"));

    // Closing hides every one of them.
    Close();
    EXPECT_TRUE(chart_->HintAt(marker.center()).isEmpty());
    EXPECT_TRUE(chart_->HintAt(seasonBar.center()).isEmpty());
    const QImage hidden = Picture();
    EXPECT_EQ(CountColour(hidden, marker, QColor(0, 128, 0)), 0);
    EXPECT_TRUE(AllWhite(hidden, yearBar));
    EXPECT_TRUE(AllWhite(hidden, TFhChart::CellRect(Palace::Kan, ChartCell::Mountain)));
}

TEST_F(ChartWidgetTest, PartsOfAPalaceDoNotOverlap) {
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        SCOPED_TRACE(p);
        const QRect palace = TFhChart::PalaceRect(p).adjusted(1, 1, -1, -1);
        std::vector<QRect> parts;
        for (ChartCell c : {ChartCell::Mountain, ChartCell::Facing, ChartCell::Base,
                            ChartCell::Year, ChartCell::Month, ChartCell::Day})
            parts.push_back(TFhChart::CellRect(p, c));
        parts.push_back(TFhChart::FlyingTaiSuiRect(p, true));
        parts.push_back(TFhChart::FlyingTaiSuiRect(p, false));
        parts.push_back(chart_->PalaceButton(p)->geometry());
        for (size_t i = 0; i < parts.size(); ++i) {
            EXPECT_TRUE(palace.contains(parts[i])) << i;
            for (size_t j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(parts[i].intersects(parts[j])) << i << " " << j;
        }
    }
}

TEST_F(ChartWidgetTest, APalaceButtonReportsItsPalace) {
    Compute(95);
    std::vector<PalaceIndex> clicked;
    QObject::connect(chart_.get(), &TFhChart::commentClicked,
                     [&](PalaceIndex p) { clicked.push_back(p); });
    chart_->PalaceButton(Palace::Gen)->click();
    EXPECT_EQ(clicked, std::vector<PalaceIndex>({Palace::Gen}));
    EXPECT_EQ(chart_->PalaceButton(Palace::Gen)->toolTip(), QString::fromUtf8("Комментарий"));
}

TEST_F(ChartWidgetTest, AGateGridOutlinesItsGatePalace) {
    Compute(0);  // facing north: main gate Qian, additional gate Gen
    TFhGate main(shown_, 0);
    TFhGate extra(shown_, 1);
    const QImage a = main.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage b = extra.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect qian = TFhGate::CellRect(Palace::Qian);
    const QRect gen = TFhGate::CellRect(Palace::Gen);
    EXPECT_EQ(a.pixelColor(qian.left() + 1, qian.center().y()), kHighlightColour);
    EXPECT_EQ(a.pixelColor(gen.left() + 1, gen.center().y()), QColor(Qt::white));
    EXPECT_EQ(b.pixelColor(gen.left() + 1, gen.center().y()), kHighlightColour);
    // The centre shows the gate star; every cell is hinted with its phase.
    const GateChart& gate = table_.gates[0];
    EXPECT_EQ(gate.stars[Palace::Centre], table_.palaces[Palace::Qian].base);
    for (PalaceIndex p = 0; p < kPalaceCount; ++p)
        EXPECT_EQ(main.HintAt(TFhGate::CellRect(p).center()),
                  QString::fromStdString(StarPhaseName(gate.phases[p])));

    Close();
    EXPECT_TRUE(main.HintAt(TFhGate::CellRect(Palace::Centre).center()).isEmpty());
}

}  // namespace
