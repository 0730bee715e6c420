#include "reference/ui/compass_window.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include "widgets/direction_drawing.h"
#include "reference/compass_facing.h"

TFormTable7::TFormTable7(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Лопань. Ориентация ГОРЫ."), parent),
      overlay_(kCompassImageSize, kCompassImageSize, QImage::Format_ARGB32_Premultiplied) {
    const QSize size(kCompassImageSize, kCompassImageSize);
    auto* board = new QWidget;
    board->setFixedSize(size);
    Picture = new QLabel(board);
    Picture->setGeometry(QRect(QPoint(0, 0), size));
    const QPixmap compass = LoadPicture(QStringLiteral("\\bmp\\lopan.bmp"));
    if (!compass.isNull()) Picture->setPixmap(compass);

    overlay_.fill(Qt::transparent);
    OverlayImage = new QLabel(board);
    OverlayImage->setGeometry(Picture->geometry());
    OverlayImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    OverlayImage->setPixmap(QPixmap::fromImage(overlay_));

    Scroll = ScrolledContent(board, Qt::AlignCenter);
    resize(300, 300);
}

void TFormTable7::DrawFacing(double azimuth) {
    ClearImage(overlay_);
    DrawDirectionLine(overlay_, CompassOverlayAngle(azimuth));
    OverlayImage->setPixmap(QPixmap::fromImage(overlay_));
}

void TFormTable7::showEvent(QShowEvent* event) {
    ReferenceWindow::showEvent(event);
    // Opened smaller than the picture, the window looks at the middle of the compass, where the
    // facing radius starts.
    if (!centred_) {
        centred_ = true;
        for (QScrollBar* bar : {Scroll->horizontalScrollBar(), Scroll->verticalScrollBar()})
            bar->setValue((bar->maximum() + bar->minimum()) / 2);
    }
}
