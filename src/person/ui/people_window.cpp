// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's frame: its construction, commands and menus, the person as the controls
// hold it, and its events. The parts live beside it: people_window_entry.cpp (the birth data),
// people_window_chart.cpp (the chart on display), people_window_file.cpp (the ".gvp" file),
// people_window_reports.cpp (texts opened from the chart) and person_chart_output.cpp (the chart
// copied, exported and printed).
#include "person/ui/people_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimeEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "calendar/moment_format.h"
#include "person/person_file.h"
#include "person/ui/birth_place_row.h"
#include "widgets/clock.h"
#include "widgets/picker_moment.h"
#include "widgets/pictograms.h"
#include "widgets/pillar_link.h"
#include "widgets/up_down_edit.h"
#include "widgets/zone_combo.h"

const char* const kPeopleCaption = "Персональный гороскоп";

namespace {

constexpr int kWindowWidth = 630;
constexpr int kWindowHeight = 520;
const char* const kFileFilter = "Персональный гороскоп (*.gvp)";

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
QString Caption(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

TFormPeople::TFormPeople(const PillarGlyphs& glyphs, PeopleHost host, QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      glyphs_(glyphs),
      host_(std::move(host)),
      document_(*this, {QString::fromUtf8(kFileFilter), QStringLiteral("gvp"), false,
                        [this](const std::string& path) {
                            SavePersonFile(path, CurrentPerson(), FileDecimalSeparator(QLocale()));
                        },
                        [this](const QString& path) { return LoadFile(path); },
                        [this] { return EditNamePeople->text(); }}) {
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
    rows->addWidget(BuildChartLayers(resultsArea_), 1);
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
    // As wide as the birth row needs in the user's locale (a long English date and a time with
    // "PM" beside the corrections), so that no box of the row covers another, and as the layers'
    // columns need; lower and narrower at the user's wish, the layers then scroll.
    resize(std::max({kWindowWidth, minimumSizeHint().width(), sizeHint().width()}), kWindowHeight);
    Reset();
    ShowCalendarYear();
}

// ----------------------------------------------------------------------------- commands

void TFormPeople::BuildCommands() {
    CreateActions();
    BuildMenus();
    BuildToolbarAndPopup();
    ConnectCommands();
}

void TFormPeople::CreateActions() {
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
    // Named with the forecast's year by ShowForecastYear.
    ActionForecast = action("Прогноз на текущий год");
    PopupForecast = action("Прогноз на текущий год");
    ActionCalculate = action("Расчет");
    // "Enter" answers both the keypad's Enter and the main Return key.
    ActionCalculate->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    ActionClose = action("Закрыть", QKeySequence(Qt::CTRL | Qt::Key_W));

    ActionClear->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    ActionOpen->setIcon(GenericIcon(GenericCommand::Open));
    ActionSave->setIcon(GenericIcon(GenericCommand::Save));
    ActionCalculate->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    ActionClear->setToolTip(Caption("Очистить"));
    ActionOpen->setToolTip(Caption("Открыть"));
    ActionSave->setToolTip(Caption("Сохранить"));
    ActionCalculate->setToolTip(Caption("Расчет"));
}

void TFormPeople::BuildMenus() {
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
}

void TFormPeople::BuildToolbarAndPopup() {
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
}

void TFormPeople::ConnectCommands() {
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
    p.longitudeArcseconds = BirthPlace->LongitudeArcseconds();
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
    BirthPlace->Show(person.place, person.timeZoneId, person.longitudeArcseconds);
    EditDolgota->setValue(person.longitude);
    CheckBoxDolgota->setChecked(person.longitudeOn);
    EditDolgota->setEnabled(person.longitudeOn);
    filling_ = false;
}

void TFormPeople::Edited() {
    if (filling_) return;
    document_.MarkModified();
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
    ClearChartLayers();
    LabelYearSign->setText(Caption("(знак года)"));
    LabelMonthSign->setText(Caption("(знак периода)"));
    LabelDaySign->setText(Caption("(знак дня)"));
    LabelHourSign->setText(Caption("(знак часа)"));
    StatusLine->clear();
    LabelBoundary->hide();
    document_.Clear();
    chartCurrent_ = false;
    birthStarsAvailable_ = false;
    setWindowTitle(Caption(kPeopleCaption));
    UpdateResultCommands();
}

// ----------------------------------------------------------------------------- events

void TFormPeople::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Every showing starts a new person. A person still unsaved (the window was hidden without
    // its close query, as by the default arrangement of the windows) is kept instead.
    if (!event->spontaneous() && !document_.Modified()) Reset();
}

void TFormPeople::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    document_.Clear();
    event->accept();
}

void TFormPeople::contextMenuEvent(QContextMenuEvent* event) {
    Popup->exec(event->globalPos());
}
