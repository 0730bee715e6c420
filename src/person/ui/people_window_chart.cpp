// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's chart on display: the result controls (the birth moment, the four pillars,
// the birth stars, the Ba Zhai line and the nine luck pillars), hidden until a calculation, and
// the calculation that fills them.
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "astro/moment.h"
#include "calendar/vocabulary.h"
#include "interpretation/forecast_year.h"
#include "person/ui/people_window.h"
#include "widgets/boundary_warning_line.h"
#include "widgets/clock.h"
#include "widgets/picker_moment.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/pillar_link.h"

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
QString Caption(const char* s) {
    return QString::fromUtf8(s);
}

QLabel* Bold(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Width of the widest of the sixty pillar captions in `font`: the pillar column is made that wide,
// so that "Гуй (Вода-инь), Хай (Вода-инь)" never breaks inside an element's name.
int WidestPillarCaption(const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int i = 0; i < 60; ++i) {
        const Pillar p{static_cast<Stem>(i % 10 + 1), static_cast<Branch>(i % 12 + 1)};
        widest =
            std::max(widest, metrics.horizontalAdvance(QString::fromStdString(PillarCaption(p))));
    }
    return widest;
}

// The years of a luck pillar, two short lines under its glyphs.
QLabel* LuckYearsLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    QFont small = parent->font();
    small.setPointSize(7);
    label->setFont(small);
    return label;
}

// A label that answers a click, with a hint, looking like the labels around it.
PillarLink* ClickableLabel(const char* hint, QWidget* parent) {
    auto* label = new PillarLink(QString(), parent);
    label->setStyleSheet(QString());
    label->setFont(parent->font());
    label->setToolTip(Caption(hint));
    return label;
}

}  // namespace

// ----------------------------------------------------------------------------- building

QWidget* TFormPeople::BuildResults() {
    auto* results = new QWidget(this);
    // A smaller face still: the long star captions must fit beside the pillars.
    QFont small = font();
    small.setPointSizeF(7.5);
    results->setFont(small);
    auto* page = new QVBoxLayout(results);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(3);

    // The moment, over the left column and on into the right.
    auto* moment = new QHBoxLayout;
    moment->setSpacing(6);
    moment->addWidget(new QLabel(Caption("Расчет произведен на:"), results));
    LabelNow = Result(Bold(QString(), results));
    Week = Result(new QLabel(results));
    moment->addWidget(LabelNow);
    moment->addWidget(Week);
    moment->addStretch();
    page->addLayout(moment);
    LabelBoundary = new QLabel(results);
    MakeBoundaryWarningLine(LabelBoundary);
    QSizePolicy keepPlace = LabelBoundary->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    LabelBoundary->setSizePolicy(keepPlace);
    page->addWidget(LabelBoundary);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    page->addLayout(columns, 1);

    columns->addWidget(BuildPillarColumn(results));
    auto* divider = new QFrame(results);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    columns->addWidget(divider);

    // Right: the birth stars, then the luck pillars.
    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(Bold(Caption("Звезды рождения:"), results));
    right->addLayout(BuildStarRows(results));
    right->addSpacing(6);
    right->addWidget(Result(Bold(Caption("Столпы удачи:"), results)));
    right->addLayout(BuildLuckPillars(results));
    right->addStretch();
    columns->addLayout(right, 1);
    return results;
}

QWidget* TFormPeople::BuildPillarColumn(QWidget* results) {
    const QFont small = results->font();
    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(1);

    auto pillarRow = [&](QLabel*& stem, QLabel*& branch, PillarLink*& sign, QLabel*& caption,
                         const char* signCaption, Pillar PersonChart::*field) {
        auto* line = new QHBoxLayout;
        line->setSpacing(2);
        stem = Result(NewGlyphLabel(results));
        branch = Result(NewGlyphLabel(results));
        sign = new PillarLink(Caption(signCaption), results);
        sign->setFont(small);  // a styled label takes no font from its parent
        line->addWidget(stem);
        line->addWidget(branch);
        line->addSpacing(6);
        line->addWidget(sign);
        line->addStretch();
        left->addLayout(line);
        caption = Result(new QLabel(results));
        caption->setWordWrap(true);
        left->addWidget(caption);
        left->addSpacing(5);
        connect(sign, &PillarLink::clicked, this, [this, field] {
            if (calculation_) emit PillarSignClicked(calculation_->chart.*field);
        });
    };
    pillarRow(StvolYahr, VetvYahr, LabelYearSign, PSYear, "(знак года)", &PersonChart::year);
    pillarRow(StvolMod, VetvMod, LabelMonthSign, PSMon, "(знак периода)", &PersonChart::month);
    pillarRow(StvolDay, VetvDay, LabelDaySign, PSDay, "(знак дня)", &PersonChart::day);
    auto* dayStem = new QHBoxLayout;
    dayStem->setSpacing(0);
    dayStem->addWidget(new QLabel(Caption("Ствол дня рождения: "), results));
    LabelDayStem = Result(ClickableLabel("Сочетание стволов и ветвей", results));
    connect(static_cast<PillarLink*>(LabelDayStem), &PillarLink::clicked, this, [this] {
        if (calculation_) emit DayStemElementClicked(calculation_->chart.day.stem);
    });
    dayStem->addWidget(LabelDayStem);
    dayStem->addStretch();
    left->addLayout(dayStem);
    left->addSpacing(4);
    pillarRow(StvolChas, VetvChas, LabelHourSign, PSHour, "(знак часа)", &PersonChart::hour);
    left->addStretch();

    auto* leftBox = new QWidget(results);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(std::max(178, WidestPillarCaption(small) + 4));
    return leftBox;
}

QGridLayout* TFormPeople::BuildStarRows(QWidget* results) {
    auto* stars = new QGridLayout;
    stars->setHorizontalSpacing(6);
    stars->setVerticalSpacing(1);
    int row = 0;
    auto starRow = [&](const char* caption, QLabel*& value, QLabel* made = nullptr) {
        stars->addWidget(new QLabel(Caption(caption), results), row, 0);
        value = Result(made ? made : new QLabel(results));
        value->setWordWrap(true);  // on a narrow screen font the caption takes a second line
        stars->addWidget(value, row, 1);
        ++row;
    };
    starRow("Большой юнь (60 лет):", LabelGreatCycleStar);
    starRow("Малый юнь (20 лет):", LabelSmallCycleStar);
    starRow("Звезда года:", LabelYearStar, ClickableLabel("Характеристика звезды", results));
    connect(static_cast<PillarLink*>(LabelYearStar), &PillarLink::clicked, this, [this] {
        if (calculation_) emit YearStarClicked(calculation_->chart.yearStar);
    });

    auto* forecastFrame = Result(new QFrame(results));
    forecastFrame->setFrameShape(QFrame::Box);
    forecastFrame->setFrameShadow(QFrame::Plain);
    auto* forecastBox = new QHBoxLayout(forecastFrame);
    forecastBox->setContentsMargins(4, 1, 4, 1);
    LabelForecast = Result(new PillarLink(QString(), forecastFrame));  // ShowForecastYear
    LabelForecast->setFont(results->font());
    connect(LabelForecast, &PillarLink::clicked, this, &TFormPeople::ForecastClick);
    forecastBox->addWidget(LabelForecast);
    forecastBox->addStretch();
    forecastBox->addWidget(new QLabel(Caption("год:"), forecastFrame));
    ForecastYearBox = new QSpinBox(forecastFrame);
    ForecastYearBox->setRange(kFirstForecastYear, kLastForecastYear);
    ForecastYearBox->setValue(YearOfMoment(Now()));
    ForecastYearBox->setToolTip(Caption("Год прогноза и отчета для клиента"));
    connect(ForecastYearBox, &QSpinBox::valueChanged, this, &TFormPeople::ShowForecastYear);
    forecastBox->addWidget(ForecastYearBox);
    stars->addWidget(forecastFrame, row++, 0, 1, 2);

    LabelBaZhai = Result(ClickableLabel("Сектора и направления системы Ба чжай", results));
    connect(static_cast<PillarLink*>(LabelBaZhai), &PillarLink::clicked, this, [this] {
        if (calculation_) emit BaZhaiClicked(calculation_->chart.guaNumber);
    });
    stars->addWidget(LabelBaZhai, row++, 0, 1, 2);
    starRow("Звезда месяца:", LabelMonthStar);
    starRow("Звезда дня:", LabelDayStar);
    starRow("Звезда часа:", LabelHourStar);
    stars->setColumnStretch(1, 1);
    return stars;
}

QHBoxLayout* TFormPeople::BuildLuckPillars(QWidget* results) {
    auto* luck = new QGridLayout;
    luck->setHorizontalSpacing(3);
    luck->setVerticalSpacing(1);
    // Pillar 1 at the right, pillar 9 at the left; a rule between neighbours.
    for (int i = 0; i < kLuckPillarCount; ++i) {
        const int column = 2 * (kLuckPillarCount - 1 - i);
        LuckAge[i] = Result(new QLabel(results));
        LuckAge[i]->setAlignment(Qt::AlignCenter);
        LuckStem[i] = Result(NewGlyphLabel(results));
        LuckBranch[i] = Result(NewGlyphLabel(results));
        luck->addWidget(LuckAge[i], 0, column, Qt::AlignHCenter);
        luck->addWidget(LuckStem[i], 1, column, Qt::AlignHCenter);
        luck->addWidget(LuckBranch[i], 2, column, Qt::AlignHCenter);
        LuckYears[i] = Result(LuckYearsLabel(results));
        luck->addWidget(LuckYears[i], 3, column, Qt::AlignHCenter);
        if (i > 0) {
            auto* rule = Result(new QFrame(results));
            rule->setFrameShape(QFrame::VLine);
            rule->setFrameShadow(QFrame::Sunken);
            luck->addWidget(rule, 0, column + 1, 4, 1);
        }
    }
    auto* luckRow = new QHBoxLayout;
    luckRow->addLayout(luck);
    luckRow->addStretch();
    return luckRow;
}

// ----------------------------------------------------------------------------- showing

void TFormPeople::Raschet() {
    storedBirth_ = MomentOfDateTime(MyDate->dateTime());
    AllDraw(storedBirth_);
    ProgressBar->setValue(0);
    chartCurrent_ = true;
    birthStarsAvailable_ = true;
    UpdateResultCommands();
}

void TFormPeople::Progress(int percent) {
    ProgressBar->setValue(percent);
    if (ProgressBar->isVisible()) ProgressBar->repaint();
}

void TFormPeople::AllDraw(Moment birth) {
    Progress(10);
    Person person = CurrentPerson();
    person.birth = birth;
    calculation_ = CalculatePerson(person, QLocale());
    const PersonChart& c = calculation_->chart;
    const PersonChartTexts& t = calculation_->texts;

    LabelNow->setText(Text(t.dateTime));
    Week->setText(Text(t.weekday));
    Progress(20);
    glyphs_.ShowPillarGlyphs(StvolYahr, VetvYahr, c.year.stem, c.year.branch);
    glyphs_.ShowPillarGlyphs(StvolMod, VetvMod, c.month.stem, c.month.branch);
    glyphs_.ShowPillarGlyphs(StvolDay, VetvDay, c.day.stem, c.day.branch);
    glyphs_.ShowPillarGlyphs(StvolChas, VetvChas, c.hour.stem, c.hour.branch);
    Progress(30);

    if (!person.name.empty()) setWindowTitle(Text(person.name));
    if (Sinxron->isChecked() && host_.showInCalendar) host_.showInCalendar(birth);
    Progress(40);
    ShowPillarCaptions(t);
    Progress(50);
    ShowStarCaptions(t);
    Progress(60);
    LabelBaZhai->setText(Text(t.baZhai));
    Progress(70);
    ShowLuckPillars(c, t);
    MarkCurrentLuckPillar();
    ShowChartLayers();
    ShowCalendarYear();
    Progress(80);
    PeopleTrue();
    Progress(90);
    StatusLine->setText(Text(t.statusLine));
    ShowBoundaryWarnings(LabelBoundary, birth, PersonTimeSettings(person),
                         BirthClockWarningLines(person));
    Progress(100);
}

void TFormPeople::ShowPillarCaptions(const PersonChartTexts& t) {
    PSYear->setText(Text(t.yearPillar));
    PSMon->setText(Text(t.monthPillar));
    PSDay->setText(Text(t.dayPillar));
    PSHour->setText(Text(t.hourPillar));
    LabelYearSign->setText(Text(t.yearSign));
    LabelMonthSign->setText(Text(t.monthSign));
    LabelDaySign->setText(Text(t.daySign));
    LabelHourSign->setText(Text(t.hourSign));
}

void TFormPeople::ShowStarCaptions(const PersonChartTexts& t) {
    LabelGreatCycleStar->setText(Text(t.greatCycleStar));
    LabelSmallCycleStar->setText(Text(t.smallCycleStar));
    LabelYearStar->setText(Text(t.yearStar));
    LabelMonthStar->setText(Text(t.monthStar));
    LabelDayStar->setText(Text(t.dayStar));
    LabelHourStar->setText(Text(t.hourStar));
    LabelDayStem->setText(Text(t.dayStemElement));
}

void TFormPeople::ShowLuckPillars(const PersonChart& c, const PersonChartTexts& t) {
    for (int i = 0; i < kLuckPillarCount; ++i) {
        const Pillar& p = c.luckPillars[i];
        LuckAge[i]->setText(Text(t.luckAges[i]));
        glyphs_.ShowPillarGlyphs(LuckStem[i], LuckBranch[i], p.stem, p.branch);
        LuckStem[i]->setToolTip(Text(t.luckStemHints[i]));
        LuckBranch[i]->setToolTip(Text(t.luckBranchHints[i]));
        LuckYears[i]->setText(
            Text(t.luckYears[i]).replace(QStringLiteral("–"), QStringLiteral("–\n")));
    }
}

void TFormPeople::PeopleTrue() {
    SetResultsVisible(true);
}

void TFormPeople::PeopleFalse() {
    SetResultsVisible(false);
}

void TFormPeople::SetResultsVisible(bool visible) {
    // Hidden controls keep their place, so that the window does not rearrange itself.
    for (QWidget* w : results_) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        w->setVisible(visible);
    }
    resultsShown_ = visible;
}
