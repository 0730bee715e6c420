// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ui/chart_details_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "person/chart_detail_captions.h"
#include "person/chinese_characters.h"
#include "person/ui/chinese_font.h"

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* Label(QWidget* parent, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QLabel* Heading(const char* text, QWidget* parent) {
    QLabel* label = Label(parent, true);
    label->setText(QString::fromUtf8(text));
    label->setWordWrap(false);
    return label;
}

// The hidden stems with their gods, one a line: "丁 Прямой чиновник".
QString HiddenLines(const PillarGods& g) {
    QStringList lines;
    for (int i = 0; i < g.hidden.count; ++i)
        lines << Text(StemCharacter(g.hidden.stems[i]) + " " + TenGodCaption(g.hiddenGods[i]));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

ChartDetailsPanel::ChartDetailsPanel(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);

    // The pillars side by side, each caption on lines of its own: nothing wraps inside a column.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    const char* rowNames[] = {"Бог ствола", "Скрытые\nстволы", "Стадия", ""};
    for (int r = 0; r < 4; ++r) grid->addWidget(Heading(rowNames[r], this), r + 2, 0, Qt::AlignTop);
    for (int i = 0; i < kChartPillarCount; ++i) {
        const int col = i + 1;
        grid->addWidget(Heading(ChartPillarName(i).c_str(), this), 0, col, Qt::AlignHCenter);
        PillarChars[i] = Label(this);
        PillarChars[i]->setFont(ChineseFont(PillarChars[i]->font(), 1.8));
        grid->addWidget(PillarChars[i], 1, col, Qt::AlignHCenter);
        StemGods[i] = Label(this, i == 2);
        HiddenGods[i] = Label(this);
        HiddenGods[i]->setFont(ChineseFont(HiddenGods[i]->font(), 1.0));
        Stages[i] = Label(this);
        VoidMarks[i] = Label(this);
        VoidMarks[i]->setStyleSheet(QStringLiteral("color: #8b0000;"));
        for (QLabel* l : {StemGods[i], HiddenGods[i], Stages[i], VoidMarks[i]})
            l->setWordWrap(false);
        grid->addWidget(StemGods[i], 2, col, Qt::AlignTop);
        grid->addWidget(HiddenGods[i], 3, col, Qt::AlignTop);
        grid->addWidget(Stages[i], 4, col, Qt::AlignTop);
        grid->addWidget(VoidMarks[i], 5, col, Qt::AlignTop);
        grid->setColumnStretch(col, 1);
    }
    page->addLayout(grid);

    // Void and the three palaces, one to a row.
    auto* palaces = new QGridLayout;
    palaces->setHorizontalSpacing(12);
    palaces->setVerticalSpacing(1);
    const char* palaceNames[] = {
        "Пустота (空亡):", "Зачатие (胎元):", "Дворец жизни (命宫):", "Дворец тела (身宫):"};
    const std::array<QLabel**, 4> palaceLabels = {&VoidLine, &Conception, &LifePalace, &BodyPalace};
    for (int k = 0; k < 4; ++k) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(Heading(palaceNames[k], this));
        *palaceLabels[k] = Label(this);
        (*palaceLabels[k])->setWordWrap(false);
        (*palaceLabels[k])->setFont(ChineseFont((*palaceLabels[k])->font(), 1.0));
        row->addWidget(*palaceLabels[k], 1);
        palaces->addLayout(row, k, 0);
    }
    page->addLayout(palaces);

    page->addWidget(Heading("Символические звезды (神煞):", this));
    auto* stars = new QHBoxLayout;
    stars->setSpacing(12);
    for (QLabel*& column : Stars) {
        column = Label(this);
        column->setWordWrap(false);
        column->setFont(ChineseFont(column->font(), 1.0));
        column->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        stars->addWidget(column, 1);
    }
    page->addLayout(stars, 1);
}

void ChartDetailsPanel::ShowDetails(const ChartDetails& d) {
    for (int i = 0; i < kChartPillarCount; ++i) {
        const PillarDetails& p = d.pillars[i];
        PillarChars[i]->setText(Text(PillarCharacters(p.pillar)));
        StemGods[i]->setText(Text(StemGodCaption(d, i)));
        HiddenGods[i]->setText(HiddenLines(p.gods));
        Stages[i]->setText(Text(StageCaption(p)));
        VoidMarks[i]->setText(Text(VoidMark(p)));
    }
    VoidLine->setText(Text("по дню " + VoidPairCharacters(d.voidByDay) + ", по году " +
                           VoidPairCharacters(d.voidByYear)));
    Conception->setText(Text(PalaceText(d.palaces.conception)));
    LifePalace->setText(Text(PalaceText(d.palaces.life)));
    BodyPalace->setText(Text(PalaceText(d.palaces.body)));
    QStringList lines;
    for (const SymbolicStarHit& hit : d.stars)
        lines << Text(SymbolicStarCaption(hit.rule) + " (" + StarBasisCaption(hit.basis) +
                      "): " + StarPillarsText(hit));
    if (lines.isEmpty()) lines << QString::fromUtf8("нет");
    const int half = (static_cast<int>(lines.size()) + 1) / 2;
    Stars[0]->setText(lines.mid(0, half).join(QLatin1Char('\n')));
    Stars[1]->setText(lines.mid(half).join(QLatin1Char('\n')));
    // Set while the tab is hidden, the captions leave the nested rows' measures stale: measured
    // anew, the page is as tall as its lines and the window's scroll area reaches the last star.
    for (QLayout* rows : findChildren<QLayout*>()) rows->invalidate();
    layout()->invalidate();
    updateGeometry();
}

void ChartDetailsPanel::Clear() {
    for (auto* group : {&PillarChars, &StemGods, &HiddenGods, &Stages, &VoidMarks})
        for (QLabel* l : *group) l->clear();
    for (QLabel* l : {VoidLine, Conception, LifePalace, BodyPalace, Stars[0], Stars[1]}) l->clear();
}
