// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/table_chart_widget.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolButton>
#include <tuple>

#include "geomancy/time_stars.h"
#include "geomancy/ui/chart_layout.h"
#include "geomancy/ui/table_drawing_widget.h"

namespace {

constexpr int kMarkerDiameter = 12;
constexpr int kBarLength = 240;
constexpr int kBarThickness = 24;
constexpr int kBarGap = 2;           // between the grid and the bars
constexpr int kYearBarOutline = 10;  // pixels of the year's outline
constexpr int kSeasonBarInset = 8;   // the season's bar inside the year's
const QColor kKillingsColour(255, 128, 128);
const QColor kMarkerColour(0, 128, 0);
const QColor kCaptionColour(90, 90, 90);

}  // namespace

TFhChart::TFhChart(const TablePresentation& presentation, QWidget* parent)
    : QWidget(parent), shown_(presentation) {
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        auto* button = new QToolButton(this);
        button->setToolTip(QString::fromUtf8("Комментарий"));
        button->setIcon(CommentButtonIcon());
        button->setIconSize(QSize(12, 6));
        const QRect r = PalaceRect(p);
        button->setGeometry(r.center().x() - 9, r.top() + 3, 19, 11);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        connect(button, &QToolButton::clicked, this, [this, p] { emit commentClicked(p); });
        buttons_[p] = button;
    }
}

void TFhChart::Refresh() {
    for (QToolButton* b : buttons_) b->setVisible(shown_.Shown());
    update();
}

QRect TFhChart::PalaceRect(PalaceIndex palace) {
    const GridPlace place = PalaceGridPlace(palace);
    return QRect(kMargin + place.column * kPalaceSize, kMargin + place.row * kPalaceSize,
                 kPalaceSize + 1, kPalaceSize + 1);
}

QRect TFhChart::CellRect(PalaceIndex palace, ChartCell cell) {
    const QPoint o = PalaceRect(palace).topLeft();
    switch (cell) {
        case ChartCell::Mountain: return QRect(o + QPoint(5, 14), QSize(34, 38));
        case ChartCell::Facing: return QRect(o + QPoint(43, 14), QSize(34, 38));
        case ChartCell::Base: return QRect(o + QPoint(36, 56), QSize(28, 38));
        case ChartCell::Year: return QRect(o + QPoint(80, 14), QSize(18, 20));
        case ChartCell::Month: return QRect(o + QPoint(80, 36), QSize(18, 20));
        case ChartCell::Day: return QRect(o + QPoint(80, 58), QSize(18, 20));
    }
    return QRect();
}

QRect TFhChart::FlyingTaiSuiRect(PalaceIndex palace, bool ofYear) {
    const QPoint o = PalaceRect(palace).topLeft();
    return QRect(o + QPoint(2, ofYear ? 55 : 77), QSize(kFlyingTaiSuiWidth, kFlyingTaiSuiHeight));
}

namespace {

// Centre of a place along a side: the middle of its column (top, bottom) or row (left, right),
// and the middle of the outer strip of the margin.
QPoint SidePoint(GridEdge edge, int position, int along) {
    const int centre =
        TFhChart::kMargin + position * TFhChart::kPalaceSize + TFhChart::kPalaceSize / 2 + along;
    const int strip = 10;  // the captions and markers lie 10 px from the control's edge
    switch (edge) {
        case GridEdge::Top: return QPoint(centre, strip);
        case GridEdge::Bottom: return QPoint(centre, TFhChart::kSize - 1 - strip);
        case GridEdge::Left: return QPoint(strip, centre);
        case GridEdge::Right: return QPoint(TFhChart::kSize - 1 - strip, centre);
    }
    return QPoint();
}

QRect Around(QPoint centre, int width, int height) {
    return QRect(centre.x() - width / 2, centre.y() - height / 2, width, height);
}

}  // namespace

QRect TFhChart::CompassCaptionRect(GridEdge edge, int position) {
    // Beside its marker: to the left on the top and bottom, above it on the sides.
    const bool across = edge == GridEdge::Top || edge == GridEdge::Bottom;
    return Around(SidePoint(edge, position, across ? -12 : -11), across ? 30 : 18, 18);
}

QRect TFhChart::TaiSuiMarkerRect(Branch branch) {
    if (branch < 1 || branch > 12) return QRect();
    const MarkerPlace place = TaiSuiMarkerPlace(branch);
    const bool across = place.edge == GridEdge::Top || place.edge == GridEdge::Bottom;
    return Around(SidePoint(place.edge, place.position, across ? 14 : 10), kMarkerDiameter,
                  kMarkerDiameter);
}

QRect TFhChart::KillingsBarRect(KillingsDirection side, bool ofYear) {
    const int along = kMargin + (3 * kPalaceSize - kBarLength) / 2;
    const int nearGrid = kMargin - kBarGap - kBarThickness;
    const int farGrid = kMargin + 3 * kPalaceSize + 1 + kBarGap;
    QRect r;
    switch (side) {
        case KillingsDirection::South: r = QRect(along, nearGrid, kBarLength, kBarThickness); break;
        case KillingsDirection::North: r = QRect(along, farGrid, kBarLength, kBarThickness); break;
        case KillingsDirection::East: r = QRect(nearGrid, along, kBarThickness, kBarLength); break;
        case KillingsDirection::West: r = QRect(farGrid, along, kBarThickness, kBarLength); break;
    }
    return ofYear
               ? r
               : r.adjusted(kSeasonBarInset, kSeasonBarInset, -kSeasonBarInset, -kSeasonBarInset);
}

QString TFhChart::HintAt(const QPoint& point) const {
    const auto shaMonth = shown_.ShaMonth();
    const auto shaYear = shown_.ShaYear();
    const Branch taiSui = shown_.TaiSuiMarker();
    const auto flyingYear = shown_.FlyingTaiSuiYear();
    const auto flyingMonth = shown_.FlyingTaiSuiMonth();
    if (shaMonth && KillingsBarRect(*shaMonth, false).contains(point))
        return QString::fromStdString(ShaHint(false, *shaMonth));
    if (shaYear && KillingsBarRect(*shaYear, true).contains(point))
        return QString::fromStdString(ShaHint(true, *shaYear));
    if (taiSui >= 1 && taiSui <= 12 && TaiSuiMarkerRect(taiSui).contains(point))
        return QString::fromStdString(BranchName(taiSui));
    if (flyingYear && FlyingTaiSuiRect(*flyingYear, true).contains(point))
        return QString::fromUtf8(kFlyingTaiSuiYearHint);
    if (flyingMonth && FlyingTaiSuiRect(*flyingMonth, false).contains(point))
        return QString::fromUtf8(kFlyingTaiSuiMonthHint);
    if (!shown_.Shown()) return QString();
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        const PalaceCells& c = shown_.Table().palaces[p];
        if (CellRect(p, ChartCell::Mountain).contains(point))
            return QString::fromStdString(PhaseHint(c.mountainPhase));
        if (CellRect(p, ChartCell::Facing).contains(point))
            return QString::fromStdString(PhaseHint(c.facingPhase));
        if (CellRect(p, ChartCell::Base).contains(point))
            return QString::fromStdString(PhaseHint(c.basePhase));
    }
    return QString();
}

bool TFhChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return ShowHint(*this, event, HintAt(static_cast<QHelpEvent*>(event)->pos()));
    return QWidget::event(event);
}

void TFhChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);

    // Compass captions.
    QFont caption = font();
    caption.setPixelSize(13);
    caption.setBold(true);
    p.setFont(caption);
    p.setPen(kCaptionColour);
    for (GridEdge edge : {GridEdge::Top, GridEdge::Bottom, GridEdge::Left, GridEdge::Right})
        for (int position = 0; position < 3; ++position)
            p.drawText(CompassCaptionRect(edge, position), Qt::AlignCenter,
                       QString::fromStdString(CompassCaption(edge, position)));

    // Three Killings: the year's bar outlined, the season's filled inside it.
    if (const auto shaYear = shown_.ShaYear()) {
        const int half = kYearBarOutline / 2;
        p.setPen(
            QPen(kKillingsColour, kYearBarOutline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(KillingsBarRect(*shaYear, true)).adjusted(half, half, -half, -half));
    }
    if (const auto shaMonth = shown_.ShaMonth())
        p.fillRect(KillingsBarRect(*shaMonth, false), kKillingsColour);

    // Tai Sui.
    const Branch taiSui = shown_.TaiSuiMarker();
    if (taiSui >= 1 && taiSui <= 12) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kMarkerColour.darker(130), 1));
        p.setBrush(kMarkerColour);
        p.drawEllipse(QRectF(TaiSuiMarkerRect(taiSui)).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    // Palace frames: the plain ones first, the wide ones (facing, sitting) over them.
    for (int pass = 0; pass < 2; ++pass)
        for (PalaceIndex palace = 0; palace < kPalaceCount; ++palace) {
            const Frame frame = shown_.PalaceFrame(palace);
            if ((frame.width > 1) == (pass == 1)) DrawCellFrame(p, PalaceRect(palace), frame);
        }

    if (const auto flyingYear = shown_.FlyingTaiSuiYear())
        p.drawPixmap(FlyingTaiSuiRect(*flyingYear, true), FlyingTaiSuiPicture(true));
    if (const auto flyingMonth = shown_.FlyingTaiSuiMonth())
        p.drawPixmap(FlyingTaiSuiRect(*flyingMonth, false), FlyingTaiSuiPicture(false));

    if (!shown_.Shown()) return;
    const QColor text = palette().color(QPalette::WindowText);
    const QFont large = StarFont(font(), kLargeStarPixels);
    const QFont small = StarFont(font(), kSmallStarPixels);
    for (PalaceIndex palace = 0; palace < kPalaceCount; ++palace) {
        const PalaceCells& c = shown_.Table().palaces[palace];
        p.setFont(large);
        const std::array<std::tuple<ChartCell, int, std::optional<StarPhase>>, 3> chart = {{
            {ChartCell::Mountain, c.mountain, c.mountainPhase},
            {ChartCell::Facing, c.facing, c.facingPhase},
            {ChartCell::Base, c.base, c.basePhase},
        }};
        for (const auto& [cell, star, phase] : chart) {
            p.setPen(ScreenColour(PhaseDigitColour(phase)));
            DrawStarDigit(p, CellRect(palace, cell), star);
        }
        p.setFont(small);
        const std::array<std::tuple<ChartCell, int>, 3> time = {{
            {ChartCell::Year, c.year},
            {ChartCell::Month, c.month},
            {ChartCell::Day, c.day},
        }};
        for (const auto& [cell, star] : time) {
            p.setPen(ScreenColour(TimeDigitColour(palace, star), text));
            DrawStarDigit(p, CellRect(palace, cell), star);
        }
    }
}
