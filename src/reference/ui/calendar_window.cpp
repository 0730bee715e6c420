// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/calendar_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "almanac/ui/almanac_section.h"
#include "calendar/calendar_captions.h"
#include "reference/ui/calendar_document.h"
#include "widgets/background_fill.h"
#include "widgets/pillar_glyphs.h"

namespace {

QLabel* Caption(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

QLabel* Value(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QFrame* Rule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setStyleSheet(QStringLiteral("color: #a0a0a0;"));
    return rule;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TFormCalendar::TFormCalendar(const PillarGlyphs& glyphs, QWidget* parent)
    : TToolWindow(parent), glyphs_(glyphs) {
    setWindowTitle(QString::fromUtf8("Календарь"));
    FillBackground(*this, Qt::white);
    // A compact face, so that the rows fit the window's narrow default width.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);
    resize(214, 552);
    BuildRows();
    OfferPictureExport([this] { return Document(); });
}

void TFormCalendar::BuildRows() {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* page = new QWidget(scroll);
    page->setAutoFillBackground(true);
    page->setPalette(palette());
    scroll->setWidget(page);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    auto* rows = new QVBoxLayout(page);
    rows->setContentsMargins(5, 4, 2, 4);
    rows->setSpacing(2);

    AddMomentRows(page, rows);
    AddPillarRows(page, rows);
    AddSeasonRows(page, rows);
    AddCycleRows(page, rows);
    AddLunarRows(page, rows);
    // Under the calendar's own rows, which stay as they are.
    Almanac = new TAlmanacSection(page);
    rows->addWidget(Almanac);
    rows->addStretch();
}

// The moment: date-time and weekday.
void TFormCalendar::AddMomentRows(QWidget* page, QVBoxLayout* rows) {
    rows->addWidget(Caption("Расчет произведен на:", page));
    LabelNow = Value(page);
    Week = new QLabel(page);
    rows->addWidget(LabelNow);
    rows->addWidget(Week);
    rows->addWidget(Rule(page));
}

// The four pillars: glyphs and link on one line, the caption under them; a link opens the
// stem-branch relations on its pillar.
void TFormCalendar::AddPillarRows(QWidget* page, QVBoxLayout* rows) {
    auto pillarRow = [&](QLabel*& stem, QLabel*& branch, PillarLink*& link, QLabel*& caption,
                         const char* linkText, Pillar CurrentMoment::*field) {
        auto* line = new QHBoxLayout;
        line->setSpacing(2);
        stem = NewGlyphLabel(page);
        branch = NewGlyphLabel(page);
        link = new PillarLink(QString::fromUtf8(linkText), page);
        line->addWidget(stem);
        line->addWidget(branch);
        line->addSpacing(6);
        line->addWidget(link);
        line->addStretch();
        rows->addLayout(line);
        caption = new QLabel(page);
        caption->setWordWrap(true);
        rows->addWidget(caption);
        rows->addSpacing(3);
        connect(link, &PillarLink::clicked, this,
                [this, field] { emit pillarLinkClicked(calendar_.moment.*field); });
    };
    pillarRow(StvolYahr, VetvYahr, Label28, PSYear, "(знак года)", &CurrentMoment::year);
    pillarRow(StvolMod, VetvGod, Label27, PSMon, "(знак периода)", &CurrentMoment::month);
    pillarRow(StvolDay, VetvDay, Label25, PSDay, "(знак дня)", &CurrentMoment::day);
    pillarRow(StvolChas, VetvChas, Label26, PSHour, "(знак часа)", &CurrentMoment::hour);
    rows->addWidget(Rule(page));
}

// The season (solar month) and the term.
void TFormCalendar::AddSeasonRows(QWidget* page, QVBoxLayout* rows) {
    BigSeason = Value(page);
    SmallSeason = new QLabel(page);
    SmallSeason->setWordWrap(true);
    rows->addWidget(BigSeason);
    rows->addWidget(SmallSeason);
    rows->addWidget(Rule(page));
}

// The year of the Chinese calendar and its era (caption and bold value on one line), then the
// cycles and the flying stars in columns: caption, bold number, colour.
void TFormCalendar::AddCycleRows(QWidget* page, QVBoxLayout* rows) {
    auto lineRow = [&](const char* caption, QLabel*& value) {
        auto* line = new QHBoxLayout;
        line->setSpacing(4);
        line->addWidget(Caption(caption, page));
        value = Value(page);
        line->addWidget(value);
        line->addStretch();
        rows->addLayout(line);
    };
    lineRow("Год китайского календаря:", epoch_years);
    lineRow("Юань (60 лет):", Juang);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    int row = 0;
    auto starRow = [&](const char* caption, QLabel*& value, QLabel*& colour) {
        // Beside the scroll bar the window's narrow default width is a little short of the
        // longest caption with its colour ("3 бирюзовая"): the caption wraps, before its
        // "(60 лет)" kept whole, and the colour stays whole.
        QLabel* label = Caption(caption, page);
        label->setText(
            label->text().replace(QString::fromUtf8(" лет)"), QString::fromUtf8("\u00a0лет)")));
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        value = Value(page);
        grid->addWidget(value, row, 1);
        colour = new QLabel(page);
        grid->addWidget(colour, row, 2);
        ++row;
    };
    starRow("Большой юнь (60 лет):", JungBig, LabelJunBigName);
    starRow("Малый юнь (20 лет):", Jung, LabelJunName);
    starRow("Звезда года:", LabelYearStar, LabelYearS);
    starRow("Звезда месяца:", LabelMoonStar, LabelMoonS);
    starRow("Звезда дня:", DayStar, DayStarS);
    starRow("Звезда часа:", ChasStar, ChasStarS);
    grid->setColumnStretch(2, 1);
    rows->addLayout(grid);
    rows->addWidget(Rule(page));
}

// The lunar date: month (with the mark of a leap month) and day.
void TFormCalendar::AddLunarRows(QWidget* page, QVBoxLayout* rows) {
    auto* lunar = new QGridLayout;
    lunar->setHorizontalSpacing(4);
    lunar->setVerticalSpacing(2);
    lunar->addWidget(Caption("Лунный месяц:", page), 0, 0);
    month = Value(page);
    LabelStarLeap = Caption("(дополнительный)", page);
    LabelStarLeap->setStyleSheet(QStringLiteral("color: grey;"));
    LabelStarLeap->setVisible(false);
    lunar->addWidget(month, 0, 1);
    // Under the month's number: beside it the caption loses its ")" at the narrow default width.
    lunar->addWidget(LabelStarLeap, 1, 1);
    lunar->addWidget(Caption("Лунный день:", page), 2, 0);
    day = Value(page);
    lunar->addWidget(day, 2, 1);
    lunar->setColumnStretch(1, 1);
    rows->addLayout(lunar);
    rows->addWidget(Rule(page));
}

void TFormCalendar::ShowMoment(const MomentCalendar& calendar) {
    // The window shows the moment in the user's regional format.
    const CalendarCaptions t = CaptionsOfCalendar(calendar, QLocale());
    const CurrentMoment& m = calendar.moment;
    calendar_ = calendar;

    LabelNow->setText(Text(t.dateTime));
    Week->setText(Text(t.weekday));

    glyphs_.ShowPillarGlyphs(StvolYahr, VetvYahr, m.year.stem, m.year.branch);
    glyphs_.ShowPillarGlyphs(StvolMod, VetvGod, m.month.stem, m.month.branch);
    glyphs_.ShowPillarGlyphs(StvolDay, VetvDay, m.day.stem, m.day.branch);
    glyphs_.ShowPillarGlyphs(StvolChas, VetvChas, m.hour.stem, m.hour.branch);
    PSYear->setText(Text(t.yearPillar));
    PSMon->setText(Text(t.monthPillar));
    PSDay->setText(Text(t.dayPillar));
    PSHour->setText(Text(t.hourPillar));
    Label28->setText(Text(t.yearSign));
    Label27->setText(Text(t.monthSign));
    Label25->setText(Text(t.daySign));
    Label26->setText(Text(t.hourSign));

    BigSeason->setText(Text(t.seasonMonth));
    SmallSeason->setText(Text(t.term));

    epoch_years->setText(Text(t.chineseYear));
    Juang->setText(Text(t.era));
    JungBig->setText(Text(t.greatCycleStar));
    LabelJunBigName->setText(Text(t.greatCycleColour));
    Jung->setText(Text(t.smallCycleStar));
    LabelJunName->setText(Text(t.smallCycleColour));
    LabelYearStar->setText(Text(t.yearStar));
    LabelYearS->setText(Text(t.yearStarColour));
    LabelMoonStar->setText(Text(t.monthStar));
    LabelMoonS->setText(Text(t.monthStarColour));
    DayStar->setText(Text(t.dayStar));
    DayStarS->setText(Text(t.dayStarColour));
    ChasStar->setText(Text(t.hourStar));
    ChasStarS->setText(Text(t.hourStarColour));

    month->setText(Text(t.lunarMonth));
    LabelStarLeap->setVisible(t.leapMonth);
    day->setText(Text(t.lunarDay));
}

void TFormCalendar::ShowAlmanac(const AlmanacDay& day) {
    almanac_ = day;
    Almanac->ShowAlmanac(day);
}

PrintDocument TFormCalendar::Document() const {
    return CalendarDocument(calendar_, almanac_ ? &*almanac_ : nullptr);
}
