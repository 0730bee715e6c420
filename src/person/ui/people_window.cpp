// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ui/people_window.h"

#include <algorithm>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimeEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "astro/convert_error.h"
#include "astro/moment.h"
#include "calendar/moment_format.h"
#include "calendar/vocabulary.h"
#include "interpretation/ui/forecast_report_window.h"
#include "person/person_file.h"
#include "person/personal_report.h"
#include "person/text_lines_file.h"
#include "person/ui/birth_place_row.h"
#include "text/ini_file.h"
#include "widgets/boundary_warning_line.h"
#include "widgets/clock.h"
#include "widgets/error_box.h"
#include "widgets/file_dialogs.h"
#include "widgets/page_viewer.h"
#include "widgets/picker_moment.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/pillar_link.h"
#include "widgets/save_changes_question.h"
#include "widgets/up_down_edit.h"
#include "widgets/zone_combo.h"

const char* const kPeopleCaption = "Персональный гороскоп";

namespace {

constexpr int kWindowWidth = 630;
constexpr int kWindowHeight = 450;
const char* const kFileFilter = "(*.gvp)";
const char* const kTextReportFilter = "(*.txt)";

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
QString Caption(const char* s) {
    return QString::fromUtf8(s);
}

// The locale's long date ("dddddd") as a picker format: without a leading weekday.
QString LongDatePickerFormat() {
    QString f = QLocale().dateFormat(QLocale::LongFormat);
    for (const QString& weekday : {QStringLiteral("dddd, "), QStringLiteral("dddd ")}) {
        if (f.startsWith(weekday)) return f.mid(weekday.size());
    }
    return f;
}

// Wide enough for the longest date of the picker's format (the longest month name, a two-digit
// day), with its drop-down button, so that no birth date is cut off.
int LongDatePickerWidth(const QDateTimeEdit& picker) {
    const QFontMetrics metrics(picker.font());
    int text = 0;
    for (int month = 1; month <= 12; ++month) {
        const QString date = QLocale().toString(QDate(2000, month, 28), picker.displayFormat());
        text = std::max(text, metrics.horizontalAdvance(date + QLatin1Char(' ')));
    }
    QStyleOptionComboBox option;
    option.initFrom(&picker);
    const QSize contents(text + 2, picker.sizeHint().height());
    const QSize box =
        picker.style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, &picker);
    return box.width();
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

TFormPeople::TFormPeople(const PillarGlyphs& glyphs, PeopleHost host, QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      glyphs_(glyphs),
      host_(std::move(host)) {
    setWindowTitle(Caption(kPeopleCaption));
    // A compact face, so that the chart fits the window's fixed size.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);

    BuildCommands();
    auto* page = new QWidget(this);
    auto* rows = new QVBoxLayout(page);
    rows->setContentsMargins(4, 4, 4, 2);
    rows->setSpacing(4);
    rows->addWidget(BuildEntry());
    resultsArea_ = BuildResults();
    rows->addWidget(resultsArea_, 1);
    setCentralWidget(page);
    BuildOutputCommands();

    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedSize(80, 12);
    StatusLine = new QLabel(this);
    statusBar()->addWidget(ProgressBar);
    statusBar()->addWidget(StatusLine, 1);
    statusBar()->setSizeGripEnabled(false);

    ConnectEdits();
    setFixedSize(kWindowWidth, kWindowHeight);
    Reset();
}

// ----------------------------------------------------------------------------- building

void TFormPeople::BuildCommands() {
    auto action = [this](const char* caption, const QKeySequence& key = {}) {
        auto* a = new QAction(Caption(caption), this);
        if (!key.isEmpty()) a->setShortcut(key);
        // Shortcuts work while the window has the keyboard, also without its menu open, and only
        // there: the main window that owns this one keeps its own Enter.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
        return a;
    };
    ActionClear = action("Очистить", QKeySequence(Qt::CTRL | Qt::Key_Delete));
    ActionOpen = action("Открыть...", QKeySequence(Qt::CTRL | Qt::Key_O));
    ActionSave = action("Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S));
    ActionSaveAs = action("Сохранить как...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ActionSaveText = action("Сохранить как текст...");
    ActionForecast = action("Прогноз на текущий год");
    PopupForecast = action("Прогноз на текущий год");
    ActionCalculate = action("Расчет");
    // "Enter" answers both the keypad's Enter and the main Return key.
    ActionCalculate->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    ActionClose = action("Закрыть", QKeySequence(Qt::CTRL | Qt::Key_W));

    ActionClear->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    ActionOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ActionSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ActionCalculate->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    ActionClear->setToolTip(Caption("Очистить"));
    ActionOpen->setToolTip(Caption("Открыть"));
    ActionSave->setToolTip(Caption("Сохранить"));
    ActionCalculate->setToolTip(Caption("Расчет"));

    QMenu* file = menuBar()->addMenu(Caption("Файл"));
    file->addAction(ActionClear);
    file->addAction(ActionOpen);
    file->addAction(ActionSave);
    file->addAction(ActionSaveAs);
    file->addAction(ActionSaveText);
    file->addSeparator();
    file->addAction(ActionForecast);
    file->addSeparator();
    file->addAction(ActionClose);
    menuBar()->addMenu(Caption("Расчет"))->addAction(ActionCalculate);
    MenuBirthStars = menuBar()->addMenu(Caption("Звезды рождения"));
    const std::array<std::pair<BirthStar, const char*>, 6> birthStars{{
        {BirthStar::GreatCycle, "Большой юнь (60 лет)"},
        {BirthStar::SmallCycle, "Малый юнь (20 лет)"},
        {BirthStar::Year, "Звезда года"},
        {BirthStar::Month, "Звезда месяца"},
        {BirthStar::Day, "Звезда дня"},
        {BirthStar::Hour, "Звезда часа"},
    }};
    for (const auto& [star, caption] : birthStars) {
        QAction* a = MenuBirthStars->addAction(Caption(caption));
        ActionBirthStars[static_cast<std::size_t>(star)] = a;
        connect(a, &QAction::triggered, this, [this, star = star] { ShowBirthStarText(star); });
    }
    MenuBirthStars->addSeparator();
    ActionStarCombinations = MenuBirthStars->addAction(Caption("Комбинации звезд"));
    connect(ActionStarCombinations, &QAction::triggered, this,
            &TFormPeople::StarCombinationsRequested);

    auto* bar = addToolBar(Caption("Файл"));
    bar->setMovable(false);
    bar->setIconSize(QSize(16, 16));
    bar->addAction(ActionClear);
    bar->addAction(ActionOpen);
    bar->addAction(ActionSave);
    bar->addSeparator();
    bar->addAction(ActionCalculate);

    Popup = new QMenu(this);
    Popup->addAction(ActionOpen);
    Popup->addAction(ActionSave);
    Popup->addAction(ActionSaveAs);
    Popup->addSeparator();
    Popup->addAction(ActionCalculate);
    Popup->addAction(PopupForecast);
    Popup->addSeparator();
    Popup->addAction(ActionClose);

    connect(ActionClear, &QAction::triggered, this, &TFormPeople::ClearClick);
    connect(ActionOpen, &QAction::triggered, this, &TFormPeople::OpenClick);
    connect(ActionSave, &QAction::triggered, this, [this] { SaveClick(); });
    connect(ActionSaveAs, &QAction::triggered, this, [this] { SaveAsClick(); });
    connect(ActionCalculate, &QAction::triggered, this, &TFormPeople::Raschet);
    connect(ActionSaveText, &QAction::triggered, this, &TFormPeople::SaveTextClick);
    connect(ActionForecast, &QAction::triggered, this, &TFormPeople::ForecastClick);
    connect(PopupForecast, &QAction::triggered, this, &TFormPeople::ForecastClick);
    // The year star label opens the description of the star it shows.
    connect(this, &TFormPeople::YearStarClicked, this,
            [this] { ShowBirthStarText(BirthStar::Year); });
    connect(ActionClose, &QAction::triggered, this, &QWidget::close);
}

QWidget* TFormPeople::BuildEntry() {
    auto* entry = new QFrame(this);
    entry->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QVBoxLayout(entry);
    rows->setContentsMargins(6, 3, 6, 3);
    rows->setSpacing(3);

    auto* first = new QHBoxLayout;
    first->setSpacing(4);
    first->addWidget(new QLabel(Caption("Имя:"), entry));
    EditNamePeople = new QLineEdit(entry);
    first->addWidget(EditNamePeople, 1);
    first->addSpacing(8);
    first->addWidget(new QLabel(Caption("Пол:"), entry));
    RadioButtonF = new QRadioButton(Caption("ж."), entry);
    RadioButtonM = new QRadioButton(Caption("м."), entry);
    auto* sex = new QButtonGroup(entry);
    sex->addButton(RadioButtonF);
    sex->addButton(RadioButtonM);
    first->addWidget(RadioButtonF);
    first->addWidget(RadioButtonM);
    first->addSpacing(8);
    Sinxron = new QCheckBox(Caption("Отображать в календаре"), entry);
    first->addWidget(Sinxron);
    rows->addLayout(first);

    auto* second = new QHBoxLayout;
    // Tight, so that the whole birth date fits beside the time and the corrections.
    second->setSpacing(3);
    MyDate = new QDateTimeEdit(entry);
    HoldCivilTime(*MyDate);
    // The whole last day of the range stays open to a time of day.
    MyDate->setDateTimeRange(DateTimeOfMoment(kFirstPickerMoment),
                             DateTimeOfMoment(kLastPickerMoment).addMSecs(86399999));
    MyDate->setDisplayFormat(LongDatePickerFormat());
    MyDate->setCalendarPopup(true);
    MyDate->setMinimumWidth(LongDatePickerWidth(*MyDate));
    second->addWidget(MyDate, 1);
    MyTime = new QTimeEdit(entry);
    MyTime->setDisplayFormat(PickerTimeFormat());
    second->addWidget(MyTime);
    second->addSpacing(2);
    second->addWidget(new QLabel(Caption("GMT:"), entry));
    ComboGMT = new QComboBox(entry);
    for (const ZoneEntry& zone : ZoneTable) ComboGMT->addItem(QString::fromUtf8(zone.caption));
    second->addWidget(ComboGMT);
    second->addSpacing(2);
    second->addWidget(new QLabel(Caption("л.в.:"), entry));
    EditLetnee = new UpDownEdit(kMinSummerHours, kMaxSummerHours, entry);
    second->addWidget(EditLetnee);
    second->addSpacing(2);
    CheckBoxDolgota = new QCheckBox(Caption("долгота:"), entry);
    second->addWidget(CheckBoxDolgota);
    EditDolgota = new UpDownEdit(kMinLongitude, kMaxLongitude, entry);
    second->addWidget(EditDolgota);
    second->addWidget(new QLabel(Caption("(гр.)"), entry));
    rows->addLayout(second);
    BirthPlace = new BirthPlaceRow(ComboGMT, EditLetnee, EditDolgota, entry);
    rows->addWidget(BirthPlace);
    return entry;
}

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
    LabelForecast = Result(
        new PillarLink(Caption("Прогноз на текущий год по звезде года рождения"), forecastFrame));
    LabelForecast->setFont(results->font());
    connect(LabelForecast, &PillarLink::clicked, this, &TFormPeople::ForecastClick);
    forecastBox->addWidget(LabelForecast);
    forecastBox->addStretch();
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

void TFormPeople::ConnectEdits() {
    connect(EditNamePeople, &QLineEdit::textChanged, this, &TFormPeople::Edited);
    connect(MyDate, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& birth) {
        // A chosen place answers for the zone and summer time of the new moment.
        if (filling_) return;
        const QString refilled = BirthPlace->Refill(MomentOfDateTime(birth));
        if (!refilled.isEmpty()) StatusLine->setText(refilled);
        Edited();
    });
    connect(BirthPlace, &BirthPlaceRow::PlaceRequested, this, [this] {
        const auto place = BirthPlace->askPlace(this);
        if (!place) return;
        if (BirthPlace->Fill(*place, MomentOfDateTime(MyDate->dateTime()))) {
            Edited();
        } else {
            ShowErrorBox(this, Caption("Часовой пояс места неизвестен: ") + Text(place->timeZone));
        }
    });
    connect(MyTime, &QTimeEdit::timeChanged, this, [this](const QTime& time) {
        // The date picker carries the whole birth: the new time of day goes into it.
        const Moment date = MomentOfDateTime(MyDate->dateTime());
        MyDate->setDateTime(DateTimeOfMoment(WithTimeOf(date, MomentOfTime(time))));
        Edited();
    });
    connect(RadioButtonM, &QRadioButton::toggled, this, &TFormPeople::Edited);
    connect(ComboGMT, &QComboBox::currentIndexChanged, this, &TFormPeople::Edited);
    connect(EditLetnee, &QSpinBox::valueChanged, this, &TFormPeople::Edited);
    connect(CheckBoxDolgota, &QCheckBox::toggled, this, [this](bool on) {
        EditDolgota->setEnabled(on);
        Edited();
    });
    connect(EditDolgota, &QSpinBox::valueChanged, this, &TFormPeople::Edited);
}

// ----------------------------------------------------------------------------- the person

Person TFormPeople::CurrentPerson() const {
    Person p;
    p.name = EditNamePeople->text().toStdString();
    p.birth = MomentOfDateTime(MyDate->dateTime());
    p.male = RadioButtonM->isChecked();
    p.zoneIndex = ComboGMT->currentIndex();
    if (const auto exact = SelectedExactZone(ComboGMT)) {
        p.exactZoneSeconds = *exact;
        p.zoneIndex = NearestZoneIndex(*exact);
    }
    p.place = BirthPlace->PlaceName();
    p.timeZoneId = BirthPlace->TimeZoneId();
    p.summerHours = EditLetnee->value();
    p.longitude = EditDolgota->value();
    p.longitudeOn = CheckBoxDolgota->isChecked();
    return p;
}

void TFormPeople::ShowPerson(const Person& person) {
    filling_ = true;
    EditNamePeople->setText(Text(person.name));
    const QDateTime birth = DateTimeOfMoment(person.birth);
    MyDate->setDateTime(birth);
    MyTime->setTime(birth.time());
    (person.male ? RadioButtonM : RadioButtonF)->setChecked(true);
    EditLetnee->setValue(person.summerHours);
    if (person.exactZoneSeconds) {
        SelectZoneCaption(ComboGMT, ZoneCaptionOfSeconds(*person.exactZoneSeconds));
    } else {
        ComboGMT->setCurrentIndex(person.zoneIndex);
    }
    BirthPlace->Show(person.place, person.timeZoneId);
    EditDolgota->setValue(person.longitude);
    CheckBoxDolgota->setChecked(person.longitudeOn);
    EditDolgota->setEnabled(person.longitudeOn);
    filling_ = false;
}

void TFormPeople::Edited() {
    if (filling_) return;
    modified_ = true;
    chartCurrent_ = false;
    UpdateResultCommands();
}

void TFormPeople::UpdateResultCommands() {
    // The report and the forecast commands wait until the chart is that of the person in the
    // controls again; the star texts (and the forecast link) serve the chart on display, edited
    // person or not.
    ActionSaveText->setEnabled(chartCurrent_);
    for (QAction* a : {ActionCopy, ChartExport.image, ChartExport.pdf, ReportPrint.print,
                       ReportPrint.preview, ReportPrint.pdf, ActionClientReport})
        if (a) a->setEnabled(chartCurrent_);
    ActionForecast->setEnabled(chartCurrent_);
    PopupForecast->setEnabled(chartCurrent_);
    MenuBirthStars->menuAction()->setEnabled(birthStarsAvailable_);
}

void TFormPeople::Reset() {
    const TimeSettings settings = host_.timeSettings ? host_.timeSettings() : TimeSettings();
    ShowPerson(ClearedPerson(Now(), settings));
    PeopleFalse();
    calculation_.reset();
    LabelYearSign->setText(Caption("(знак года)"));
    LabelMonthSign->setText(Caption("(знак периода)"));
    LabelDaySign->setText(Caption("(знак дня)"));
    LabelHourSign->setText(Caption("(знак часа)"));
    StatusLine->clear();
    LabelBoundary->hide();
    modified_ = false;
    fileBound_ = false;
    filePath_.clear();
    chartCurrent_ = false;
    birthStarsAvailable_ = false;
    setWindowTitle(Caption(kPeopleCaption));
    UpdateResultCommands();
}

// ----------------------------------------------------------------------------- the chart

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

    PSYear->setText(Text(t.yearPillar));
    PSMon->setText(Text(t.monthPillar));
    PSDay->setText(Text(t.dayPillar));
    PSHour->setText(Text(t.hourPillar));
    LabelYearSign->setText(Text(t.yearSign));
    LabelMonthSign->setText(Text(t.monthSign));
    LabelDaySign->setText(Text(t.daySign));
    LabelHourSign->setText(Text(t.hourSign));
    Progress(50);

    LabelGreatCycleStar->setText(Text(t.greatCycleStar));
    LabelSmallCycleStar->setText(Text(t.smallCycleStar));
    LabelYearStar->setText(Text(t.yearStar));
    LabelMonthStar->setText(Text(t.monthStar));
    LabelDayStar->setText(Text(t.dayStar));
    LabelHourStar->setText(Text(t.hourStar));
    LabelDayStem->setText(Text(t.dayStemElement));
    Progress(60);
    LabelBaZhai->setText(Text(t.baZhai));
    Progress(70);

    for (int i = 0; i < kLuckPillarCount; ++i) {
        const Pillar& p = c.luckPillars[i];
        LuckAge[i]->setText(Text(t.luckAges[i]));
        glyphs_.ShowPillarGlyphs(LuckStem[i], LuckBranch[i], p.stem, p.branch);
        LuckStem[i]->setToolTip(Text(t.luckStemHints[i]));
        LuckBranch[i]->setToolTip(Text(t.luckBranchHints[i]));
        LuckYears[i]->setText(
            Text(t.luckYears[i]).replace(QStringLiteral("–"), QStringLiteral("–\n")));
    }
    MarkCurrentLuckPillar();
    Progress(80);
    PeopleTrue();
    Progress(90);
    StatusLine->setText(Text(t.statusLine));
    ShowBoundaryWarnings(LabelBoundary, birth, PersonTimeSettings(person));
    Progress(100);
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

// ----------------------------------------------------------------------------- from the chart

QWidget* TFormPeople::Owner() {
    return parentWidget() ? parentWidget() : this;
}

void TFormPeople::SaveTextClick() {
    if (!calculation_ || !chartCurrent_) return;
    const std::string caption = windowTitle().toStdString();
    const QString path =
        AskFileName(this, {FileDialogKind::Save, QString::fromLatin1(kTextReportFilter),
                           QStringLiteral("txt"), Text(ProposedReportFileName(caption))});
    if (path.isEmpty()) return;
    try {
        WriteTextLinesFile(path.toStdString(), PersonalReportLines(caption, *calculation_));
    } catch (const EFileError& e) {
        ShowErrorBox(this, QString::fromStdString(e.what()));
    }
}

void TFormPeople::ForecastClick() {
    // The link answers while a chart is shown, also after an edit: the forecast is that of the
    // chart on display.
    if (!calculation_) return;
    const int year = host_.calendarYear ? host_.calendarYear() : YearOfMoment(Now());
    const TimeSettings settings = host_.timeSettings ? host_.timeSettings() : TimeSettings();
    OpenForecastReport(ForecastYearOf(year, settings), *calculation_, Owner());
}

void TFormPeople::ShowBirthStarText(BirthStar star) {
    if (!calculation_) return;
    const PersonChart& chart = calculation_->chart;
    const std::string page = BirthStarPagePath(BirthStarNumber(chart, star), chart.male);
    if (!page.empty()) OpenPageViewer(Text(page), Owner());
}

// ----------------------------------------------------------------------------- file commands

bool TFormPeople::WriteTo(const QString& path) {
    try {
        SavePersonFile(path.toStdString(), CurrentPerson(), FileDecimalSeparator(QLocale()));
    } catch (const EFileError& e) {
        ShowErrorBox(this, QString::fromStdString(e.what()));
        return false;
    }
    filePath_ = path;
    fileBound_ = true;
    modified_ = false;
    setWindowTitle(QFileInfo(path).fileName());
    return true;
}

bool TFormPeople::SaveAsClick() {
    // The caption is proposed as the name; the dialog asks before it overwrites a file.
    const QString path = AskFileName(this, {FileDialogKind::Save, QString::fromLatin1(kFileFilter),
                                            QStringLiteral("gvp"), windowTitle()});
    if (path.isEmpty()) return false;
    return WriteTo(path);
}

bool TFormPeople::SaveClick() {
    return fileBound_ ? WriteTo(filePath_) : SaveAsClick();
}

void TFormPeople::OpenClick() {
    if (modified_) {
        switch (AskSaveChanges(this, windowTitle())) {
            case SaveChangesAnswer::Save:
                // Only over a person that is safely in its file.
                if (!SaveClick()) return;
                break;
            case SaveChangesAnswer::Discard: break;
            case SaveChangesAnswer::Cancel: return;
        }
    }
    const QString path =
        AskFileName(this, {FileDialogKind::Open, QString::fromLatin1(kFileFilter), QString()});
    if (!path.isEmpty()) LoadFile(path);
}

bool TFormPeople::LoadFile(const QString& path) {
    Person person;
    try {
        const TimeSettings settings = host_.timeSettings ? host_.timeSettings() : TimeSettings();
        person = ReadPersonFile(path.toStdString(), Now(), settings);
    } catch (const EConvertError& e) {
        ShowErrorBox(this, QString::fromStdString(e.what()));
        return false;
    } catch (const EFileError& e) {
        ShowErrorBox(this, QString::fromStdString(e.what()));
        return false;
    }
    ShowPerson(person);
    filePath_ = path;
    fileBound_ = true;
    modified_ = false;
    setWindowTitle(QFileInfo(path).fileName());
    Raschet();
    return true;
}

bool TFormPeople::OpenCommandLineFile(const QString& argument) {
    if (!IsPersonFileName(argument.toStdString())) return false;
    show();
    raise();
    LoadFile(QFileInfo(argument).absoluteFilePath());
    return true;
}

void TFormPeople::ClearClick() {
    if (modified_) {
        switch (AskSaveChanges(this, windowTitle())) {
            case SaveChangesAnswer::Save:
                if (!SaveClick()) return;
                break;
            case SaveChangesAnswer::Discard: break;
            case SaveChangesAnswer::Cancel: return;
        }
    }
    Reset();
}

bool TFormPeople::CloseQuery() {
    if (!modified_) return true;
    switch (AskSaveChanges(this, windowTitle())) {
        case SaveChangesAnswer::Save: return SaveClick();
        case SaveChangesAnswer::Discard: return true;
        case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

// ----------------------------------------------------------------------------- events

void TFormPeople::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Every showing starts a new person. A person still unsaved (the window was hidden without
    // its close query, as by the default arrangement of the windows) is kept instead.
    if (!event->spontaneous() && !modified_) Reset();
}

void TFormPeople::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    modified_ = false;
    fileBound_ = false;
    filePath_.clear();
    event->accept();
}

void TFormPeople::contextMenuEvent(QContextMenuEvent* event) {
    Popup->exec(event->globalPos());
}
