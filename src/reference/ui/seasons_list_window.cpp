// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/seasons_list_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "astro/moment.h"
#include "reference/ui/calendar_window.h"
#include "widgets/background_fill.h"
#include "widgets/clock.h"
#include "widgets/page_viewer.h"

namespace {

QFrame* Line(const QColor& colour, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFixedHeight(1);
    FillBackground(*line, colour);
    return line;
}

constexpr int kLineMargin = 35;  // the separator lines are this much narrower than the window

}  // namespace

TFormSeasoneList::TFormSeasoneList(Source source, QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Наступление сезонов солнечного календаря"), parent),
      source_(std::move(source)) {
    auto* page = new QWidget;
    auto* rows = new QVBoxLayout(page);
    rows->setContentsMargins(10, 8, 10, 8);
    rows->setSpacing(3);

    LabelTitle = new QLabel(page);
    QFont title = LabelTitle->font();
    title.setBold(true);
    title.setPixelSize(16);
    LabelTitle->setFont(title);
    rows->addWidget(LabelTitle);
    TitleLine = Line(QColor(128, 0, 0), page);
    rows->addWidget(TitleLine);

    // The date column, as wide as the widest date, so that the term names line up.
    const int dateWidth =
        page->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 00:00")) + 4;
    QPalette green;
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    for (int row = 0; row < kSeasonListRows; ++row) {
        const SeasonListRow& r = SeasonListTable[static_cast<std::size_t>(row)];
        auto* link = new PillarLink(QString::fromUtf8(r.caption), page);
        connect(link, &PillarLink::clicked, this, [this, row] { LinkClick(row); });
        Links[static_cast<std::size_t>(row)] = link;
        if (r.heading()) {
            QFont bold = link->font();
            bold.setBold(true);
            link->setFont(bold);
            if (row > 0) rows->addSpacing(4);
            rows->addWidget(link, 0, Qt::AlignLeft);
        } else {
            auto* date = new QLabel(page);
            date->setPalette(green);
            date->setFixedWidth(dateWidth);
            Dates[static_cast<std::size_t>(r.term)] = date;
            auto* line = new QHBoxLayout;
            line->setSpacing(4);
            line->addWidget(date);
            line->addWidget(link, 0, Qt::AlignLeft);
            line->addStretch(1);
            rows->addLayout(line);
        }
        if (row == kSeasonSeparatorAfterRow) {
            rows->addSpacing(2);
            WinterLine = Line(QColor(128, 128, 128), page);
            rows->addWidget(WinterLine);
        }
    }
    rows->addStretch(1);

    auto* scroll = ScrolledContent(page, Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Only the height can be changed.
    setFixedWidth(kSeasonListWidth);
    resize(kSeasonListWidth, 600);
    LabelSeasone(YearOfMoment(Now()));
}

void TFormSeasoneList::LabelSeasone(int year) {
    LabelTitle->setText(SeasonListTitle(year));
    const YearTermTable table = source_.termTable();
    const int summer = source_.summerHours();
    for (TermIndex k = 0; k < 24; ++k)
        Dates[static_cast<std::size_t>(k)]->setText(
            SeasonTermDateText(table, k, summer, QLocale()));
}

void TFormSeasoneList::LabelChange(Moment current) {
    LabelSeasone(YearOfMoment(current));
}

void TFormSeasoneList::showEvent(QShowEvent* event) {
    ReferenceWindow::showEvent(event);
    LabelSeasone(source_.termTable().year);
}

void TFormSeasoneList::resizeEvent(QResizeEvent* event) {
    ReferenceWindow::resizeEvent(event);
    for (QFrame* line : {TitleLine, WinterLine}) line->setFixedWidth(width() - kLineMargin);
}

void TFormSeasoneList::LinkClick(int row) {
    OpenPageViewer(SeasonPagePath(row), parentWidget());
}
