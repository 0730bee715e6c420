// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/page_viewer.h"

#include "widgets/text_viewer_window.h"

TFormText* OpenPageViewer(const QString& pagePath, QWidget* parent) {
    SetPagePath(pagePath);
    auto* viewer = new TFormText(parent);
    viewer->show();
    return viewer;
}
