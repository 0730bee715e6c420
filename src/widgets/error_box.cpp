// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "gavrosin_version.h"

namespace {

// The window a box belongs to: the one it concerns, else the window the user is working in.
QWidget* OwnerOf(QWidget* concerned) {
    return concerned ? concerned->window() : QApplication::activeWindow();
}

}  // namespace

QMessageBox* ShowErrorBox(QWidget* parent, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle),
                                message, QMessageBox::Ok, OwnerOf(parent));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->show();
    // The always-on-top windows that show after it in the same event (the calendar and the circle
    // at start, a page window opening) must not cover it.
    QTimer::singleShot(0, box, [box = QPointer<QMessageBox>(box)] {
        if (!box) return;
        box->raise();
        box->activateWindow();
    });
    return box;
}
