// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ui/luck_years_panel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calendar/moment_format.h"
#include "person/chart_detail_captions.h"
#include "person/chart_details_report.h"
#include "person/chinese_characters.h"
#include "person/ui/chinese_font.h"

namespace {

constexpr int kYearRole = Qt::UserRole;
const QString kRunningStyle = QStringLiteral("background: #fff0b0; border: 1px solid #b07000;");
const QString kPlainStyle = QStringLiteral("border: 1px solid #c8c8c8;");

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QString HiddenText(const PillarGods& g) {
    QStringList parts;
    for (int i = 0; i < g.hidden.count; ++i)
        parts << Text(StemCharacter(g.hidden.stems[i]) + " " + TenGodCaption(g.hiddenGods[i]));
    return parts.join(QStringLiteral(", "));
}

void MarkRunning(QTreeWidgetItem* item, bool running) {
    if (!running) return;
    for (int c = 0; c < item->columnCount(); ++c) {
        QFont f = item->font(c);
        f.setBold(true);
        item->setFont(c, f);
        item->setBackground(c, QColor(0xff, 0xf0, 0xb0));
    }
}

QTreeWidgetItem* YearItem(QTreeWidgetItem* parent, int year, int age, Pillar pillar,
                          const PillarGods& gods, int runningYear) {
    auto* item = new QTreeWidgetItem(
        parent, {QString::number(year) + QLatin1Char(' ') + Text(PillarCharacters(pillar)),
                 QString::number(age), Text(TenGodCaption(gods.stem)), HiddenText(gods)});
    item->setData(0, kYearRole, year);
    MarkRunning(item, year == runningYear);
    return item;
}

}  // namespace

LuckYearsPanel::LuckYearsPanel(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);

    Tree = new QTreeWidget(this);
    Tree->setColumnCount(4);
    Tree->setHeaderLabels({QString::fromUtf8("Столп / год"), QString::fromUtf8("Возраст"),
                           QString::fromUtf8("Бог ствола"),
                           QString::fromUtf8("Скрытые стволы и боги · стадия")});
    Tree->setFont(ChineseFont(font(), 1.0));
    Tree->setUniformRowHeights(true);
    Tree->setWordWrap(false);
    // Long god lists scroll sideways rather than being cut.
    Tree->header()->setStretchLastSection(false);
    Tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page->addWidget(Tree, 1);
    connect(Tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { YearChosen(item); });

    MonthsHeading = new QLabel(this);
    QFont bold = MonthsHeading->font();
    bold.setBold(true);
    MonthsHeading->setFont(bold);
    page->addWidget(MonthsHeading);
    auto* months = new QGridLayout;
    months->setSpacing(2);
    for (int m = 0; m < 12; ++m) {
        auto* cell = new QLabel(this);
        cell->setFont(ChineseFont(font(), 1.0));
        cell->setAlignment(Qt::AlignCenter);
        cell->setWordWrap(true);
        cell->setStyleSheet(kPlainStyle);
        Months[m] = cell;
        months->addWidget(cell, m / 6, m % 6);
        months->setColumnStretch(m % 6, 1);
    }
    page->addLayout(months);
}

QSize LuckYearsPanel::sizeHint() const {
    // A long line of each column in bold (the running pillar): three hidden stems with long gods,
    // the stage and the void.
    QFont bold = Tree->font();
    bold.setBold(true);
    const QFontMetrics m(bold);
    int columns = Tree->indentation() + Tree->verticalScrollBar()->sizeHint().width() + 8;
    for (const char* longest : {"10. 甲子  2040–2049", "Возраст", "Косвенное богатство",
                                "甲 Косвенное богатство, 丙 Косвенная печать, 戊 Семь убийств · "
                                "Вскармливание · Пустота (день)"})
        columns += m.horizontalAdvance(QString::fromUtf8(longest)) + 12;
    return {std::max(columns, QWidget::sizeHint().width()), QWidget::sizeHint().height()};
}

void LuckYearsPanel::ShowYears(const ChartDetails& d, const Person& person, int runningYear,
                               Moment now) {
    details_ = d;
    person_ = person;
    runningYear_ = runningYear;
    now_ = now;
    Tree->clear();
    QTreeWidgetItem* running = nullptr;
    if (!d.smallLuck.empty()) {
        auto* small = new QTreeWidgetItem(
            Tree, {QString::fromUtf8("Малая удача (小运)"), QString(), QString(), QString()});
        for (const SmallLuckYear& y : d.smallLuck) {
            QTreeWidgetItem* item = YearItem(small, y.year, y.age, y.pillar,
                                             PillarGodsOf(d.dayMaster, y.pillar), runningYear);
            if (y.year == runningYear) running = item;
        }
    }
    for (int i = 0; i < kLuckPillarCount; ++i) {
        const LuckPillarDetails& l = d.luck[i];
        QString state = Text(StageCaption(l.details));
        const std::string mark = VoidMark(l.details);
        if (!mark.empty()) state += QStringLiteral(" · ") + Text(mark);
        auto* pillar = new QTreeWidgetItem(
            Tree, {QString::number(i + 1) + QStringLiteral(". ") +
                       Text(PillarCharacters(l.details.pillar)) + QStringLiteral("  ") +
                       QString::number(l.years[0].year) + QStringLiteral("–") +
                       QString::number(l.years[9].year),
                   QString::number(l.age), Text(TenGodCaption(l.details.gods.stem)),
                   HiddenText(l.details.gods) + QStringLiteral(" · ") + state});
        const bool runs = runningYear >= l.years[0].year && runningYear <= l.years[9].year;
        MarkRunning(pillar, runs);
        for (int k = 0; k < 10; ++k) {
            QTreeWidgetItem* item = YearItem(pillar, l.years[k].year, l.years[k].age,
                                             l.years[k].pillar, l.yearGods[k], runningYear);
            if (l.years[k].year == runningYear) running = item;
        }
        if (runs) pillar->setExpanded(true);
    }
    for (int c = 0; c < 4; ++c) Tree->resizeColumnToContents(c);
    if (running) {
        Tree->setCurrentItem(running);
        Tree->scrollToItem(running);
    } else {
        ShowMonths(runningYear);
    }
}

void LuckYearsPanel::YearChosen(QTreeWidgetItem* item) {
    if (!item || !details_) return;
    const QVariant year = item->data(0, kYearRole);
    if (year.isValid()) ShowMonths(year.toInt());
}

void LuckYearsPanel::ShowMonths(int year) {
    if (!details_) return;
    monthsYear_ = year;
    MonthsHeading->setText(QString::fromUtf8("Месяцы %1 года (начало %2):")
                               .arg(year)
                               .arg(Text(BirthPlaceClockText(person_))));
    const std::array<ChartMonth, 12> months = ChartMonthsOfYear(details_->dayMaster, year);
    for (int m = 0; m < 12; ++m) {
        const ChartMonth& cm = months[m];
        const Moment begins = CivilMomentAtBirthPlace(cm.month.begins, person_);
        Months[m]->setText(Text(PillarCharacters(cm.month.pillar)) + QLatin1Char('\n') +
                           FormatShortDate(begins, QLocale()) + QLatin1Char(' ') +
                           FormatShortTime(begins, QLocale()) + QLatin1Char('\n') +
                           Text(TenGodCaption(cm.gods.stem)));
        Months[m]->setToolTip(HiddenText(cm.gods));
        const Moment ends = m < 11 ? months[m + 1].month.begins : MonthsOfYear(year + 1)[0].begins;
        const bool running = now_ >= cm.month.begins && now_ < ends;
        Months[m]->setStyleSheet(running ? kRunningStyle : kPlainStyle);
    }
}

void LuckYearsPanel::Clear() {
    details_.reset();
    Tree->clear();
    MonthsHeading->clear();
    for (QLabel* cell : Months) {
        cell->clear();
        cell->setStyleSheet(kPlainStyle);
    }
}
