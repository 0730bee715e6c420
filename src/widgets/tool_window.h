// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame every auxiliary window shares: an always-on-top tool window that exists for the whole
// run and is shown and hidden, never destroyed.
#include <QWidget>

#include "widgets/print_export.h"

class TToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit TToolWindow(QWidget* parent = nullptr);

    // Shows the window in front of the others, as the menu commands and the presets from other
    // windows do.
    void Present();

    // "Сохранить изображение..." and "Экспорт в PDF..." of the window's picture, in its context
    // menu, once OfferPictureExport has been called; null before.
    PictureActions PictureExport{};

protected:
    // Offers the window as drawn (its controls and pictures, not a grab of the screen) as a PNG
    // or a PDF page headed by the caption; a window whose content is longer than it shows gives
    // its `document` to the PDF instead.
    void OfferPictureExport(std::function<PrintDocument()> document = {});

protected:
    // The window that new text viewers opened from here belong to: the program's main window.
    QWidget* ViewerParent() const { return parentWidget(); }
};
