// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimeEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/day_selection_link.h"
#include "app/day_step.h"
#include "app/help_topics.h"
#include "app/home_place_box.h"
#include "app/settings_backup.h"
#include "app/settings_store.h"
#include "app/settings_window.h"
#include "app/single_instance.h"
#include "astro/moment.h"
#include "calendar/moment_format.h"
#include "gavrosin_version.h"
#include "geomancy/table_file.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "interpretation/ui/client_document.h"
#include "interpretation/ui/table_report_window.h"
#include "person/person_file.h"
#include "person/ui/people_window.h"
#include "reference/ui/calendar_window.h"
#include "reference/ui/circle_window.h"
#include "reference/ui/compass_window.h"
#include "reference/ui/five_element_analogies_window.h"
#include "reference/ui/five_element_diagram_window.h"
#include "reference/ui/lo_shu_window.h"
#include "reference/ui/notes_window.h"
#include "reference/ui/organs_meridians_window.h"
#include "reference/ui/phase_legend_window.h"
#include "reference/ui/ruler_window.h"
#include "reference/ui/seasons_list_window.h"
#include "reference/ui/stem_branch_diagram_window.h"
#include "reference/ui/stem_branch_table_window.h"
#include "tools/ui/ba_zhai_window.h"
#include "tools/ui/combination_window.h"
#include "tools/ui/constell_window.h"
#include "tools/ui/good_day_window.h"
#include "tools/ui/relations_window.h"
#include "tools/ui/trigram_window.h"
#include "tools/ui/yin_yang_power_window.h"
#include "widgets/boundary_warning_line.h"
#include "widgets/clock.h"
#include "widgets/context_help.h"
#include "widgets/error_box.h"
#include "widgets/help_window.h"
#include "widgets/page_viewer.h"
#include "widgets/picker_moment.h"
#include "widgets/picker_width.h"
#include "widgets/program_folder.h"
#include "widgets/screen_fit.h"
#include "widgets/typed_date_edit.h"

TFormMainGVR::TFormMainGVR(QWidget* parent) : QMainWindow(parent) {
    // Settings that could not be written (a full disk) are said once, over the main window.
    SetSettingsFailureReporter([this](const QString& message) { ShowErrorBox(this, message); });
    {
        const auto store = OpenSettingsStore();
        Write(*store, Setting::Version, QString::fromUtf8(kVersionText));
    }
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    if (const QScreen* s = screen()) setGeometry(s->availableGeometry());

    commands_ = new MainCommands(*this);
    BuildMomentToolbar();
    addToolBarBreak();
    addToolBar(commands_->Toolbar());

    StatusBarFH = statusBar();
    StatusLine = new QLabel(StatusBarFH);
    StatusBarFH->addWidget(StatusLine, 1);
    StatusBarFH->addPermanentWidget(ProgressBarMain);

    auto* desk = new QWidget(this);
    desk->setContextMenuPolicy(Qt::CustomContextMenu);
    // A click on the empty desk keeps the keyboard in the main window (its shortcuts need it).
    desk->setFocusPolicy(Qt::ClickFocus);
    connect(desk, &QWidget::customContextMenuRequested, this,
            [this, desk](const QPoint& at) { commands_->Popup()->popup(desk->mapToGlobal(at)); });
    // The boundary warning right under the toolbars with the date and time it warns about, one
    // line a warning, there only while there is something to say.
    // Its row keeps room for two warnings whether or not there are any, so that the windows
    // placed below the toolbars never cover it.
    auto* warningRow = new QWidget(this);
    auto* rowLayout = new QVBoxLayout(warningRow);
    rowLayout->setContentsMargins(6, 1, 6, 1);
    BoundaryLine = new QLabel(warningRow);
    MakeBoundaryWarningLine(BoundaryLine);
    rowLayout->addWidget(BoundaryLine);
    rowLayout->addStretch();
    warningRow->setFixedHeight(2 * BoundaryLine->fontMetrics().lineSpacing() + 4);
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(warningRow);
    column->addWidget(desk, 1);
    setCentralWidget(centre);

    const Moment now = Now();
    NowButton->setText(FormatDateTime(now, QLocale()));
    SetPickers(now);
    ClockTimer = new QTimer(this);
    ClockTimer->setInterval(1000);
    connect(ClockTimer, &QTimer::timeout, this, &TFormMainGVR::TimerTick);
    ClockTimer->start();

    ConnectCommands();
    // F1 in any window of the program opens that window's help page.
    InstallContextHelp(this, HelpPageOfWindow);
    CreateAuxiliaryWindows();
    ShowStatusLine();
}

TFormMainGVR::~TFormMainGVR() {
    SetSettingsFailureReporter(nullptr);
}

void TFormMainGVR::BuildMomentToolbar() {
    auto* bar = addToolBar(QString::fromUtf8("Дата и время"));
    bar->setObjectName(QStringLiteral("MomentToolBar"));
    bar->setMovable(false);

    MyDate = new TypedDateEdit(bar);
    HoldCivilTime(*MyDate);
    MyDate->setDateTimeRange(DateTimeOfMoment(kFirstPickerMoment),
                             DateTimeOfMoment(kLastPickerMoment));
    MyDate->setDisplayFormat(PickerDateFormat());
    MyDate->setCalendarPopup(true);
    MyDate->setMinimumWidth(PickerWidth(*MyDate));
    bar->addWidget(MyDate);

    MyTime = new TypedTimeEdit(bar);
    MyTime->setDisplayFormat(PickerTimeFormat());
    MyTime->setMinimumWidth(PickerWidth(*MyTime));
    bar->addWidget(MyTime);

    NowButton = new QToolButton(bar);
    NowButton->setAutoRaise(true);
    NowButton->setToolTip(QString::fromUtf8("Установить текущие дату и время"));
    bar->addWidget(NowButton);
    bar->addSeparator();

    bar->addWidget(new QLabel(QString::fromUtf8(" шаг (дни): "), bar));
    EditDayPlus = new QLineEdit(QStringLiteral("1"), bar);
    EditDayPlus->setMaxLength(kDayStepMaxLength);
    EditDayPlus->setFixedWidth(
        EditDayPlus->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    EditDayPlus->installEventFilter(this);
    bar->addWidget(EditDayPlus);

    AddDaysButton = new QToolButton(bar);
    AddDaysButton->setText(QString::fromUtf8("Прибавить дни"));
    AddDaysButton->setToolTip(AddDaysButton->text());
    bar->addWidget(AddDaysButton);
    SubtractDaysButton = new QToolButton(bar);
    SubtractDaysButton->setText(QString::fromUtf8("Отнять дни"));
    SubtractDaysButton->setToolTip(SubtractDaysButton->text());
    bar->addWidget(SubtractDaysButton);
    bar->addSeparator();

    CheckBoxRasch = new QCheckBox(QString::fromUtf8("Отображать в календаре"), bar);
    CheckBoxRasch->setChecked(true);
    bar->addWidget(CheckBoxRasch);

    // On the status line rather than the toolbar, where a narrow screen pushed it behind the
    // overflow button.
    ProgressBarMain = new QProgressBar(this);
    ProgressBarMain->setRange(0, 100);
    ProgressBarMain->setValue(0);
    ProgressBarMain->setTextVisible(false);
    ProgressBarMain->setFixedWidth(150);

    connect(NowButton, &QToolButton::clicked, this, &TFormMainGVR::NowButtonClick);
    connect(MyDate, &QDateTimeEdit::dateTimeChanged, this, &TFormMainGVR::MyDateChange);
    connect(MyTime, &QTimeEdit::timeChanged, this, &TFormMainGVR::MyTimeChange);
    connect(AddDaysButton, &QToolButton::clicked, this, &TFormMainGVR::AddDaysClick);
    connect(SubtractDaysButton, &QToolButton::clicked, this, &TFormMainGVR::SubtractDaysClick);
    connect(EditDayPlus, &QLineEdit::textChanged, this, &TFormMainGVR::EditDayPlusChange);
    connect(CheckBoxRasch, &QCheckBox::clicked, this, &TFormMainGVR::CheckBoxRaschClick);
}

void TFormMainGVR::ConnectCommands() {
    auto on = [this](Command c, auto handler) {
        connect(commands_->Action(c), &QAction::triggered, this, handler);
    };
    on(Command::NewWindow, [this] { NewWindowClick(); });
    on(Command::Settings, [this] { SettingsClick(); });
    on(Command::PopupSettings, [this] { SettingsClick(); });
    on(Command::Exit, [this] { close(); });
    on(Command::Calendar, [this] { ShowWindow(calendar_); });
    on(Command::Circle, [this] { ShowWindow(circle_); });
    on(Command::StarDescriptions,
       [this] { OpenPageViewer(QStringLiteral("\\other\\stars.rtf"), this); });
    on(Command::BaZhaiSectors, [this] { OpenPageViewer(QStringLiteral("\\other\\bc.rtf"), this); });
    on(Command::PopupShowInCalendar, [this] { ShowInCalendarClick(); });
    on(Command::Help, [this] { HelpClick(); });
    on(Command::About, [this] { AboutClick(); });
    // The reference windows.
    on(Command::SeasonsList, [this] { ShowWindow(seasons_); });
    on(Command::Ruler, [this] { ShowWindow(ruler_); });
    on(Command::Notes, [this] { ShowWindow(notes_); });
    on(Command::LoShu, [this] { ShowWindow(loShu_); });
    on(Command::StemBranchTable, [this] { ShowWindow(stemBranchTable_); });
    on(Command::StemBranchDiagram, [this] { ShowWindow(stemBranchDiagram_); });
    on(Command::FiveElementDiagram, [this] { ShowWindow(fiveElementDiagram_); });
    on(Command::FiveElementAnalogies, [this] { ShowWindow(analogies_); });
    on(Command::OrgansMeridians, [this] { ShowWindow(organs_); });
    for (Command c :
         {Command::SeasonsList, Command::Ruler, Command::Notes, Command::LoShu,
          Command::StemBranchTable, Command::StemBranchDiagram, Command::FiveElementDiagram,
          Command::FiveElementAnalogies, Command::OrgansMeridians})
        commands_->Action(c)->setEnabled(true);
    // The stem and branch tools.
    on(Command::GoodDays, [this] { ShowWindow(goodDay_); });
    on(Command::Mansions, [this] { ShowWindow(constell_); });
    on(Command::Relations, [this] { ShowWindow(relations_); });
    on(Command::BaZhai, [this] { ShowWindow(baZhai_); });
    on(Command::StarCombinations, [this] { ShowWindow(combo_); });
    on(Command::Trigrams, [this] { ShowWindow(gua_); });
    on(Command::YinYangPower, [this] { ShowWindow(power_); });
    for (Command c : {Command::GoodDays, Command::Mansions, Command::Relations, Command::BaZhai,
                      Command::StarCombinations, Command::Trigrams, Command::YinYangPower})
        commands_->Action(c)->setEnabled(true);
    // The geomantic table.
    on(Command::GeomanticTable, [this] { ShowWindow(fh_); });
    commands_->Action(Command::GeomanticTable)->setEnabled(true);
    // The person window; the popup's item opens one more copy of it.
    on(Command::Person, [this] { ShowWindow(people_); });
    on(Command::PopupPerson, [this] { ShowWindow(ExtraPersonWindow()); });
    commands_->Action(Command::Person)->setEnabled(true);
    commands_->Action(Command::PopupPerson)->setEnabled(true);
    // The person, geomantic table, tools and reference windows connect their commands (and
    // enable them) when they join the program.
}

void TFormMainGVR::CreateAuxiliaryWindows() {
    // Start-up order: settings (which loads the stored values, so that the first calculation
    // already uses them), calendar, ecliptic circle, then the windows of the other subsystems:
    // good days, lunar mansions, seasons list, compass, Lo Shu, Ba Zhai scheme, person,
    // geomantic table, yin/yang power, organs and meridians, stems and branches table,
    // stem-branch diagram, stem-branch relations, five-element analogies, five-element diagram,
    // geomantic ruler, star combinations, trigrams, legend, notes.
    glyphs_ = std::make_unique<PillarGlyphs>();
    settings_ = new TFormSettings(this);
    connect(settings_, &TFormSettings::SettingsApplied, this, &TFormMainGVR::SettingsApplied);
    commands_->ShowCaptions(settings_->CheckCaptions->isChecked());
    connect(settings_, &TFormSettings::DefaultLayoutRequested, this,
            &TFormMainGVR::DefaultLayoutClick);

    const ScreenLayout layout = Layout();
    CreateCalendarWindows(layout);
    CreateCompassWindows(layout);

    // The person window keeps its own birth moment and time settings. It may refuse the
    // program's end (unsaved person; asked before the geomantic table) and opens a person file
    // named as the program's first argument.
    people_ = NewPersonWindow();
    windows_.Add(people_, WindowSections::Person, layout);
    if (people_->OpenCommandLineFile(FileArguments(QCoreApplication::arguments()).value(0)))
        commandLineWindow_ = people_;

    CreateTableWindow(layout);
    CreateReferenceWindows(layout);
}

void TFormMainGVR::CreateCalendarWindows(const ScreenLayout& layout) {
    calendar_ = new TFormCalendar(*glyphs_, this);
    windows_.Add(calendar_, WindowSections::Calendar, layout);

    circle_ = new TFormCircle(this);
    windows_.Add(circle_, WindowSections::Circle, layout);
    if (!circle_->PictureLoaded()) ShowErrorBox(circle_, circle_->PictureError());
    cascade_ = std::make_unique<MomentCascade>(*calendar_, *circle_);
    cascade_->SetProgressDisplay([this](int percent) {
        ProgressBarMain->setValue(percent);
        if (ProgressBarMain->isVisible()) ProgressBarMain->repaint();
    });
    // The circle's arrival runs the first calculation, for the computer's clock.
    MainCalculation(Now());

    // Good days and lunar mansions follow the moment, each only while it is showing.
    const auto currentMoment = [this] { return cascade_->Current(); };
    goodDay_ = new TFormGoodDay(currentMoment, this);
    windows_.Add(goodDay_, WindowSections::GoodDays, layout);
    cascade_->AddFollower([this](Moment) { goodDay_->RefreshIfShowing(); });
    constell_ = new TFormConstell(currentMoment, this);
    windows_.Add(constell_, WindowSections::Mansions, layout);
    cascade_->AddFollower([this](Moment) { constell_->RefreshIfShowing(); });

    // The seasons list shows the main calculation's year term table and follows the moment while
    // it is showing.
    seasons_ = new TFormSeasoneList({[this] { return cascade_->YearTerms(); },
                                     [this] { return CurrentTimeSettings().summerHours; }},
                                    this);
    windows_.Add(seasons_, WindowSections::Seasons, layout);
    cascade_->AddFollower([this](Moment) {
        if (seasons_->isVisible()) seasons_->LabelChange(PickerMoment());
    });
}

void TFormMainGVR::CreateCompassWindows(const ScreenLayout& layout) {
    // The compass, on which the geomantic table draws the facing direction.
    compass_ = new TFormTable7(this);
    windows_.Add(compass_, WindowSections::Compass, layout);
    loShu_ = new TFormVV(this);
    windows_.Add(loShu_, WindowSections::LoShu, layout);

    baZhai_ = new TFormBCShema(this);
    windows_.Add(baZhai_, WindowSections::BaZhaiScheme, layout);
}

void TFormMainGVR::CreateTableWindow(const ScreenLayout& layout) {
    // The geomantic table reads the main window's moment and zone at every computation, draws
    // its facing on the compass and opens the Ba Zhai window, the phase legend and the reports.
    // It may refuse the program's end (unsaved table), and opens a table file named as the
    // program's first argument.
    fh_ = new TFormFh({[this] { return cascade_->Current(); },
                       [this] { return CurrentTimeSettings().zoneHours(); }},
                      this);
    windows_.Add(fh_, WindowSections::GeomanticTable, layout);
    {
        TableWindowLinks links;
        links.drawCompassFacing = [this](double azimuth) { compass_->DrawFacing(azimuth); };
        links.showCompass = [this] { ShowWindow(compass_); };
        links.showBaZhai = [this](int item) { baZhai_->SelectItem(item); };
        links.showLegend = [this] { ShowWindow(legend_); };
        links.interpret = [this](const GeomanticTable& table, const QString& caption) {
            OpenTableReport(table, caption, fh_);
        };
        links.clientReport = [this](const GeomanticTable& table, const QString& caption,
                                    const QString& header, const Picture& chart) {
            ExportClientDocument(fh_, TableClientDocument(table, caption, header, chart), caption);
        };
        fh_->SetLinks(std::move(links));
    }
    AddCloseGuard([this] { return fh_->MayClose(); }, [this] { fh_->ForgetChanges(); });
    if (fh_->OpenCommandLineFile(FileArguments(QCoreApplication::arguments()).value(0)))
        commandLineWindow_ = fh_;
}

void TFormMainGVR::CreateReferenceWindows(const ScreenLayout& layout) {
    power_ = new TFormPower(this);
    windows_.Add(power_, WindowSections::YinYangPower, layout);

    organs_ = new TFormTable9(this);
    windows_.Add(organs_, WindowSections::OrgansMeridians, layout);
    stemBranchTable_ = new TFormTable2(this);
    windows_.Add(stemBranchTable_, WindowSections::StemBranchTable, layout);
    stemBranchDiagram_ = new TFormTable4(this);
    windows_.Add(stemBranchDiagram_, WindowSections::StemBranchDiagram, layout);

    // The calendar's pillar links open the relations window on their pillar; its officer link
    // shows that officer in the good-day window.
    relations_ = new TFormCzPin(*glyphs_, this);
    windows_.Add(relations_, WindowSections::Relations, layout);
    connect(calendar_, &TFormCalendar::pillarLinkClicked, relations_, &TFormCzPin::SelectPillar);
    connect(relations_, &TFormCzPin::OfficerLinkClicked, goodDay_,
            &TFormGoodDay::ShowOfficerOfBranches);

    analogies_ = new TFormTable6(this);
    windows_.Add(analogies_, WindowSections::FiveElementAnalogies, layout);
    fiveElementDiagram_ = new TFormTable5(this);
    windows_.Add(fiveElementDiagram_, WindowSections::FiveElementDiagram, layout);
    ruler_ = new TFormLine(this);
    windows_.Add(ruler_, WindowSections::Ruler, layout);

    combo_ = new TFormCombo(this);
    windows_.Add(combo_, WindowSections::StarCombinations, layout);

    gua_ = new TFormGua(this);
    windows_.Add(gua_, WindowSections::Trigrams, layout);

    // The phase legend keeps no place in the store: it opens centred on the screen.
    legend_ = new TFormLegenda(this);
    // The notes follow the date of the main window while they are showing.
    notes_ = new TFormNote([this] { return PickerMoment(); }, this);
    windows_.Add(notes_, WindowSections::Notes, layout);
    AddCloseGuard([this] { return notes_->MayClose(); });
    cascade_->AddFollower([this](Moment) {
        if (notes_->isVisible()) notes_->RaschetNote();
    });
    // Every person window names the year of its forecast: the year of this date.
    cascade_->AddFollower([this](Moment) {
        for (TFormPeople* person : findChildren<TFormPeople*>()) person->ShowCalendarYear();
    });

    AddDaySelectionWindow(*this);
}

TFormPeople* TFormMainGVR::ExtraPersonWindow() {
    TFormPeople* extra = NewPersonWindow();
    extra->setAttribute(Qt::WA_DeleteOnClose);
    // Each extra copy a step further down, so that none hides another.
    const int room = Layout().available.bottom() - people_->y();
    extra->move(people_->pos() + personCascade_.NextPlace(room, extra->height()));
    KeepOnScreen(*extra);
    return extra;
}

void TFormMainGVR::OpenHandedFiles(const QStringList& files) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    for (const QString& file : files) {
        if (IsPersonFileName(file.toStdString())) {
            // A person being edited is not replaced: the file gets a person window of its own.
            // A file that does not open (missing, not a file, damaged) gets its message and no
            // window.
            TFormPeople* target = people_->Modified() ? ExtraPersonWindow() : people_;
            if (target->OpenCommandLineFile(file)) {
                ShowWindow(target);
            } else if (target != people_) {
                // The message outlives the second window made for the file.
                for (QMessageBox* box : target->findChildren<QMessageBox*>()) {
                    box->setParent(this, box->windowFlags());
                    box->show();
                }
                target->close();
            }
        } else if (IsTableFileName(file.toStdString())) {
            // The one table window: its unsaved table is asked about first.
            if (fh_->MayClose() && fh_->ShowAndOpen(QFileInfo(file).absoluteFilePath()))
                ShowWindow(fh_);
        } else {
            ShowErrorBox(this, QStringLiteral("Файл «%1» не открыт: программа открывает файлы "
                                              "людей (.gvp) и таблиц (.gvt).")
                                   .arg(QDir::toNativeSeparators(file)));
        }
    }
}

TFormPeople* TFormMainGVR::NewPersonWindow() {
    PeopleHost host;
    host.timeSettings = [this] { return CurrentTimeSettings(); };
    host.showInCalendar = [this](Moment birth) { SetMoment(birth); };
    host.calendarYear = [this] { return YearOfMoment(PickerMoment()); };
    auto* person = new TFormPeople(*glyphs_, std::move(host), this);
    // The chart's labels preset the stem-branch relations and the Ba Zhai windows; the day stem
    // goes with the month branch of the main window's moment.
    connect(person, &TFormPeople::PillarSignClicked, this,
            [this](Pillar pillar) { relations_->SelectPillar(pillar); });
    connect(person, &TFormPeople::DayStemElementClicked, this, [this](Stem dayStem) {
        relations_->SelectPillar({dayStem, cascade_->Current().month.branch});
    });
    connect(person, &TFormPeople::BaZhaiClicked, this,
            [this](int guaNumber) { baZhai_->SelectPalace(guaNumber); });
    connect(person, &TFormPeople::StarCombinationsRequested, this, [this] { combo_->Present(); });
    const QPointer<TFormPeople> window(person);
    AddCloseGuard([window] { return !window || window->CloseQuery(); },
                  [window] {
                      if (window) window->ForgetChanges();
                  });
    return person;
}

Moment TFormMainGVR::PickerMoment() const {
    return MomentOfDateTime(MyDate->dateTime());
}

TimeSettings TFormMainGVR::CurrentTimeSettings() const {
    return settings_->TimeSettingsAt(PickerMoment());
}

ScreenLayout TFormMainGVR::Layout() const {
    ScreenLayout l;
    if (const QScreen* s = screen()) {
        l.screen = s->geometry().size();
        l.available = s->availableGeometry();
    }
    const int menu = menuBar()->sizeHint().height();
    const int frame = frameGeometry().height() - geometry().height();
    l.mainClientHeight = height() - menu;
    // Just below the menu and the toolbars: never over the toolbars, however tall they come out.
    // (Each toolbar has a row of its own.)
    int toolbars = 0;
    for (const QToolBar* bar : findChildren<QToolBar*>())
        if (toolBarArea(bar) == Qt::TopToolBarArea && !bar->isHidden())
            toolbars += bar->sizeHint().height();
    // And below the row of the boundary warnings.
    toolbars += BoundaryLine->parentWidget()->height();
    l.belowMainMenu = frame + std::max(menu + 50, menu + toolbars + 2);
    // Before the first layout the status line has only its hint; the progress bar may make it
    // taller.
    const QStatusBar* status = statusBar();
    // A tool window's frame is taken to be as deep as the main window's.
    l.fitBottom = geometry().y() + height() - frame - 2 -
                  std::max({status->height(), status->sizeHint().height(),
                            ProgressBarMain->sizeHint().height() + 4});
    return l;
}

void TFormMainGVR::AddCloseGuard(std::function<bool()> mayClose, std::function<void()> settle) {
    closeGuards_.push_back({std::move(mayClose), std::move(settle)});
}

void TFormMainGVR::AllCalc(Moment m) {
    const TimeSettings settings = CurrentTimeSettings();
    cascade_->AllCalc(m, YearOfMoment(PickerMoment()), settings);
    ShowBoundaryWarnings(BoundaryLine, m, settings,
                         settings_->HomePlace->WarningLinesAt(settings_->CurrentTimeSettings(), m));
    ShowStatusLine();  // a followed home place may have changed its summer time
}

void TFormMainGVR::MainCalculation(Moment m) {
    cascade_->MainCalculation(m, YearOfMoment(PickerMoment()), CurrentTimeSettings());
}

void TFormMainGVR::SetPickers(Moment m) {
    const QSignalBlocker dateBlocker(MyDate);
    const QSignalBlocker timeBlocker(MyTime);
    const QDateTime dt = DateTimeOfMoment(m);
    MyDate->setDateTime(dt);
    MyTime->setTime(dt.time());
}

void TFormMainGVR::SetDateKeepingTime(Moment m) {
    const QSignalBlocker blocker(MyDate);
    MyDate->setDateTime(DateTimeOfMoment(m));
}

void TFormMainGVR::SetMoment(Moment m) {
    SetPickers(m);
    if (CheckBoxRasch->isChecked()) AllCalc(m);
}

void TFormMainGVR::NowButtonClick() {
    const Moment now = Now();
    SetPickers(now);
    if (CheckBoxRasch->isChecked()) AllCalc(now);
}

void TFormMainGVR::TimerTick() {
    NowButton->setText(FormatShortDateLongTime(Now(), QLocale()));
}

void TFormMainGVR::MyDateChange() {
    if (CheckBoxRasch->isChecked()) AllCalc(PickerMoment());
}

void TFormMainGVR::MyTimeChange() {
    SetDateKeepingTime(WithTimeOf(PickerMoment(), MomentOfTime(MyTime->time())));
    if (CheckBoxRasch->isChecked()) AllCalc(PickerMoment());
}

void TFormMainGVR::AddDaysClick() {
    SetPickers(StepDays(PickerMoment(), DayStepValue(EditDayPlus->text())));
    if (CheckBoxRasch->isChecked()) AllCalc(PickerMoment());
}

void TFormMainGVR::SubtractDaysClick() {
    SetPickers(StepDays(PickerMoment(), -DayStepValue(EditDayPlus->text())));
    if (CheckBoxRasch->isChecked()) AllCalc(PickerMoment());
}

void TFormMainGVR::EditDayPlusChange() {
    if (const auto corrected = CorrectedDayStep(EditDayPlus->text())) {
        EditDayPlus->setText(*corrected);
        EditDayPlus->selectAll();
    }
}

void TFormMainGVR::CheckBoxRaschClick() {
    if (CheckBoxRasch->isChecked()) AllCalc(PickerMoment());
}

void TFormMainGVR::ShowInCalendarClick() {
    CheckBoxRasch->setChecked(true);
    CheckBoxRaschClick();
}

void TFormMainGVR::SettingsClick() {
    settings_->exec();
}

void TFormMainGVR::SettingsApplied() {
    commands_->ShowCaptions(settings_->CheckCaptions->isChecked());
    cascade_->InvalidateYearTermTable();
    AllCalc(PickerMoment());
    ShowStatusLine();
}

void TFormMainGVR::DefaultLayoutClick() {
    windows_.ApplyDefaultLayout(Layout());
}

void TFormMainGVR::NewWindowClick() {
    const QString program = QCoreApplication::applicationFilePath();
    // A copy of its own: a plain start would hand itself to this program and end.
    if (!QProcess::startDetached(program, {QString::fromLatin1(kNewInstanceOption)})) {
        ShowErrorBox(this, QStringLiteral("Не удалось запустить второе окно программы «%1». "
                                          "Запустите программу еще раз вручную.")
                               .arg(QDir::toNativeSeparators(program)));
    }
}

void TFormMainGVR::HelpClick() {
    // The program's own window: a fresh install may have no web browser at all.
    ShowHelpPage(this, HelpPageOfWindow(*this));
}

void TFormMainGVR::AboutClick() {
    const auto store = OpenSettingsStore();
    QMessageBox::about(
        this, QString::fromUtf8("О программе"),
        QString::fromUtf8(kApplicationTitle) + QLatin1Char('\n') +
            ReadText(*store, Setting::Version) + QStringLiteral("\n\n") +
            QString::fromUtf8(kLicenceText) +
            QString::fromUtf8("\nМеста рождения: GeoNames (geonames.org), CC BY 4.0"));
}

void TFormMainGVR::ShowStatusLine() {
    StatusLine->setText(QString::fromStdString(StatusLineText(CurrentTimeSettings())));
}

void TFormMainGVR::ShowWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void TFormMainGVR::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        windows_.ShowRestored();
        // The file named on the command line is what the user asked for: its window comes above
        // the calendar and the circle, with the keyboard.
        if (commandLineWindow_)
            QTimer::singleShot(0, commandLineWindow_, [w = commandLineWindow_] {
                w->show();
                w->raise();
                w->activateWindow();
            });
    }
    ShowStatusLine();
}

void TFormMainGVR::closeEvent(QCloseEvent* event) {
    // The person and geomantic table windows may refuse (unsaved data); then nothing is written.
    // One "Отмена" cancels the whole end and leaves every window as it was.
    for (const CloseGuard& guard : closeGuards_) {
        if (!guard.mayClose()) {
            event->ignore();
            return;
        }
    }
    // Every question is answered: the windows that close with the program ask nothing more.
    for (const CloseGuard& guard : closeGuards_)
        if (guard.settle) guard.settle();
    windows_.SaveAll();
    event->accept();
}

bool TFormMainGVR::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditDayPlus) {
        if (event->type() == QEvent::MouseButtonRelease) {
            EditDayPlus->selectAll();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up) {
                AddDaysClick();
                return true;
            }
            if (key == Qt::Key_Down) {
                SubtractDaysClick();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
