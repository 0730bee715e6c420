// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/compass_window.h"

#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "reference/compass_facing.h"
#include "widgets/direction_drawing.h"

namespace {

// The picture and its overlay as one square, as large as the window allows and centred in it:
// the whole ring of mountains and the end of the facing radius always in view.
class CompassBoard : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return QSize(kCompassImageSize, kCompassImageSize); }
    QSize minimumSizeHint() const override { return QSize(120, 120); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        const int side = std::min(event->size().width(), event->size().height());
        const QRect square((event->size().width() - side) / 2, (event->size().height() - side) / 2,
                           side, side);
        for (QObject* child : children())
            if (auto* label = qobject_cast<QLabel*>(child)) label->setGeometry(square);
    }
};

}  // namespace

TFormTable7::TFormTable7(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Лопань. Ориентация ГОРЫ."), parent),
      overlay_(kCompassImageSize, kCompassImageSize, QImage::Format_ARGB32_Premultiplied) {
    auto* board = new CompassBoard(this);
    board->setAutoFillBackground(true);
    Picture = new QLabel(board);
    Picture->setScaledContents(true);
    const QPixmap compass = LoadPicture(QStringLiteral("\\bmp\\lopan.bmp"));
    if (!compass.isNull()) Picture->setPixmap(compass);

    overlay_.fill(Qt::transparent);
    OverlayImage = new QLabel(board);
    OverlayImage->setScaledContents(true);
    OverlayImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    OverlayImage->setPixmap(QPixmap::fromImage(overlay_));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(board);
    resize(300, 300);
}

void TFormTable7::DrawFacing(double azimuth) {
    ClearImage(overlay_);
    DrawDirectionLine(overlay_, CompassOverlayAngle(azimuth));
    OverlayImage->setPixmap(QPixmap::fromImage(overlay_));
}
