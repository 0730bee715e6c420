// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/ui/almanac_section.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "almanac/ui/almanac_captions.h"

namespace {

QLabel* Caption(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

QLabel* Value(QWidget* parent, bool bold = true) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

TAlmanacSection::TAlmanacSection(QWidget* parent) : QWidget(parent) {
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    Heading = Caption("Альманах дня", this);
    QFont heading = Heading->font();
    heading.setBold(true);
    Heading->setFont(heading);
    rows->addWidget(Heading);

    // Caption and value in two columns, as the calendar's own rows.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    int row = 0;
    auto line = [&](const char* caption, QLabel*& value) {
        grid->addWidget(Caption(caption, this), row, 0, Qt::AlignTop);
        value = Value(this);
        grid->addWidget(value, row, 1);
        ++row;
    };
    // The spirit's name is long for the calendar's narrow default width: the whole line under its
    // caption, the road beside the caption.
    auto* spirit = new QHBoxLayout;
    spirit->setSpacing(4);
    spirit->addWidget(Caption("Дух дня:", this));
    Road = Value(this);
    spirit->addWidget(Road, 1);
    rows->addLayout(spirit);
    SpiritName = Value(this);
    rows->addWidget(SpiritName);
    line("Столкновение:", Clash);
    line("Ша:", Sha);
    line("Радость:", Joy);
    line("Богатство:", Wealth);
    line("Знатный ян:", YangNoble);
    line("Знатный инь:", YinNoble);
    grid->setColumnStretch(1, 1);
    rows->addLayout(grid);

    rows->addWidget(Caption("Пэн Цзу:", this));
    StemTaboo = Value(this, false);
    BranchTaboo = Value(this, false);
    rows->addWidget(StemTaboo);
    rows->addWidget(BranchTaboo);
    rows->addWidget(Caption("Благоприятные часы:", this));
    Hours = Value(this, false);
    rows->addWidget(Hours);
}

void TAlmanacSection::ShowAlmanac(const AlmanacDay& day) {
    const AlmanacCaptions c = CaptionsOfAlmanac(day);
    SpiritName->setText(c.spirit);
    Road->setText(c.road);
    Road->setStyleSheet(QStringLiteral("color: %1;").arg(c.roadColour.name()));
    Clash->setText(c.clash);
    Sha->setText(c.sha);
    Joy->setText(c.joy);
    Wealth->setText(c.wealth);
    YangNoble->setText(c.yangNoble);
    YinNoble->setText(c.yinNoble);
    StemTaboo->setText(c.stemTaboo);
    BranchTaboo->setText(c.branchTaboo);
    QStringList lines;
    for (int i = 0; i < c.hours.size(); i += 2)
        lines << c.hours.mid(i, 2).join(QStringLiteral("   "));
    Hours->setText(lines.join(QLatin1Char('\n')));
}
