// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/circle_window.h"

#include <QFontMetrics>
#include <QPixmap>

#include "astro/local_time.h"
#include "calendar/moment_format.h"
#include "widgets/background_fill.h"
#include "widgets/data_picture.h"
#include "widgets/direction_drawing.h"

namespace {

constexpr QPoint kPictureAt(68, 24);

// Label places (left, top) of the term dates, term 0 (spring equinox) at the left, then clockwise:
// term 6 at the top, 12 at the right, 18 at the bottom.
constexpr std::array<QPoint, 24> kTermDatePlaces{{
    {50, 230},  {56, 175},  {77, 122},  {109, 77},  {153, 42},  {209, 16},  {269, 7},   {340, 16},
    {395, 42},  {438, 77},  {470, 122}, {494, 175}, {499, 230}, {493, 285}, {471, 337}, {439, 384},
    {391, 423}, {336, 447}, {268, 455}, {211, 447}, {160, 423}, {109, 384}, {76, 337},  {56, 285},
}};

}  // namespace

TFormCircle::TFormCircle(QWidget* parent)
    : TToolWindow(parent),
      overlay_(kCircleImageSize, kCircleImageSize, QImage::Format_ARGB32_Premultiplied) {
    setWindowTitle(QString::fromUtf8("Круг эклиптики"));
    FillBackground(*this, Qt::white);
    resize(573, 503);

    Picture = new QLabel(this);
    Picture->setGeometry(QRect(kPictureAt, QSize(kCircleImageSize, kCircleImageSize)));
    const QPixmap circle = LoadDataPicture(QStringLiteral("\\bmp\\diag.bmp"), pictureError_);
    if (!circle.isNull()) Picture->setPixmap(circle);

    overlay_.fill(Qt::transparent);
    OverlayImage = new QLabel(this);
    OverlayImage->setGeometry(Picture->geometry());
    OverlayImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    OverlayChanged();

    QPalette green;
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    // Small enough that neighbouring dates do not touch: the closest pair (terms 19 and 18 at the
    // bottom) stands 57 pixels apart, so a date must be narrower than that in the font at hand.
    QFont small = font();
    small.setPointSize(8);
    for (int pixels = 11; pixels > 7; --pixels) {
        small.setPixelSize(pixels);
        if (QFontMetrics(small).horizontalAdvance(QStringLiteral("00.00.0000")) < 56) break;
    }
    for (int k = 0; k < 24; ++k) {
        QLabel* label = new QLabel(this);
        label->setPalette(green);
        label->setFont(small);
        label->move(kTermDatePlaces[k]);
        TermDates[k] = label;
    }
    OfferPictureExport();
}

void TFormCircle::OverlayChanged() {
    OverlayImage->setPixmap(QPixmap::fromImage(overlay_));
}

void TFormCircle::ShowTermDates(const YearTermTable& table, int summerHours) {
    const double shift = SummerShiftDays(summerHours);
    for (int k = 0; k < 24; ++k) {
        TermDates[k]->setText(FormatShortDate(table.instants[k] + shift, QLocale()));
        TermDates[k]->adjustSize();
    }
}
