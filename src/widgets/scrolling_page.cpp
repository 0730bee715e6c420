// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/scrolling_page.h"

#include <QScrollArea>
#include <QScrollBar>

namespace {

// Asks for the whole page (a plain scroll area asks for at most 24 lines), so that a window
// opens as large as its page where the screen allows.
class PageScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int f = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(f, f) : QScrollArea::sizeHint();
    }
};

}  // namespace

QScrollArea* ScrollingPage(QWidget* page, bool keepWidth) {
    auto* area = new PageScrollArea(page->parentWidget());
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    if (keepWidth) {
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setMinimumWidth(page->minimumSizeHint().width() +
                              area->verticalScrollBar()->sizeHint().width());
    }
    return area;
}
