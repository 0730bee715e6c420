// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tool_window.h"

#include <utility>

TToolWindow::TToolWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {}

void TToolWindow::Present() {
    show();
    raise();
    activateWindow();
}

void TToolWindow::OfferPictureExport(std::function<PrintDocument()> document) {
    PictureExport = AddPictureActions(
        *this, nullptr, nullptr, [this] { return WidgetPicture(*this); },
        [this] { return windowTitle(); }, std::move(document));
}
