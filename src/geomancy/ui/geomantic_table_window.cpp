// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/geomantic_table_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "astro/moment.h"
#include "calendar/moment_format.h"
#include "geomancy/azimuth_input.h"
#include "geomancy/star_pages.h"
#include "geomancy/table_computation.h"
#include "geomancy/table_file.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/gate_chart_widget.h"
#include "geomancy/ui/table_chart_sheet.h"
#include "geomancy/ui/table_chart_widget.h"
#include "geomancy/ui/table_drawing_widget.h"
#include "text/gavrosin_error.h"
#include "text/ini_file.h"
#include "widgets/clock.h"
#include "widgets/document_file.h"
#include "widgets/error_box.h"
#include "widgets/page_viewer.h"
#include "widgets/picker_moment.h"
#include "widgets/pictograms.h"
#include "widgets/scrolling_page.h"

namespace {

const char* const kNewCaption = "Внутренний знак жилища";
const char* const kClosedCaption = "Девять дворцов";
const char* const kFileFilter = "Внутренний знак жилища (*.gvt)";
const char* const kFileSuffix = "gvt";

// "Описание звезд", stars 1..9 (the seventh caption reads as the program has always shown it).
const std::array<const char*, 9> kStarCaptions = {
    "Единица белая",  "Двойка черная", "Тройка бирюзовая", "Четверка зеленая", "Пятерка желтая",
    "Шестерка белая", "Семерк алая",   "Восьмерка белая",  "Девятка пурпурная"};

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLabel* ToolbarLabel(const char* caption, QWidget* parent) {
    auto* label = new QLabel(Text(caption), parent);
    label->setContentsMargins(6, 0, 3, 0);
    return label;
}

}  // namespace

TFormFh::TFormFh(TableWindowSources sources, QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      sources_(std::move(sources)),
      document_(*this, {Text(kFileFilter), Text(kFileSuffix), true,
                        [this](const std::string& path) {
                            // A refused text is not saved as the last azimuth the box read.
                            if (!Azimuth->Box().hint.empty()) throw EFileError(Azimuth->Box().hint);
                            SaveTableFile(path, tableDate_, Azimuth->Box().azimuth,
                                          FileDecimalSeparator(QLocale()));
                        },
                        [this](const QString& path) { return OpenFileTwo(path); }}) {
    setWindowTitle(Text(kNewCaption));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    BuildMenus();
    BuildToolbar();
    BuildChartArea();
    StatusLine = new QLabel(this);
    // Two lines: the azimuth, the dates and the note of a near boundary are longer than the
    // window is wide.
    StatusLine->setMinimumHeight(2 * StatusLine->fontMetrics().lineSpacing());
    statusBar()->addWidget(StatusLine, 1);
    statusBar()->setSizeGripEnabled(false);  // the window keeps its size

    ResetInputs();
    EnableCommands();
    // The size the layout asks for (adjustSize would cap it at two thirds of a small screen,
    // where the layout then squeezed the gate charts and the facts under them); on a screen
    // lower than that the window may be lower, and its chart scrolls.
    const QSize full = sizeHint();
    setMaximumSize(full);
    setMinimumWidth(full.width());
    resize(full);
    // Wrapped only now: measured while wrapping, the status line asks for the lines of a narrow
    // label, and the window would outgrow a 600-pixel screen.
    StatusLine->setWordWrap(true);
}

void TFormFh::BuildMenus() {
    auto action = [this](const char* caption, auto handler, const QKeySequence& key = {}) {
        auto* a = new QAction(Text(caption), this);
        connect(a, &QAction::triggered, this, handler);
        if (!key.isEmpty()) {
            // The person window's keys, working while this window has the keyboard.
            a->setShortcut(key);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(a);
        }
        return a;
    };
    OpenAction = action(
        "Открыть...", [this] { NOpenClick(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    OpenAction->setToolTip(Text("Открыть"));
    OpenAction->setIcon(GenericIcon(GenericCommand::Open));
    SaveAction = action(
        "Сохранить", [this] { SaveClick(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAction->setIcon(GenericIcon(GenericCommand::Save));
    SaveAsAction = action(
        "Сохранить как...", [this] { SaveAsFile(); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    CloseAction = action(
        "Закрыть окно", [this] { close(); }, QKeySequence(Qt::CTRL | Qt::Key_W));
    CalculateAction = action("Внутренний знак", [this] { Raschet(); });
    CalculateAction->setIcon(TableToolIcon(TableTool::Compute));
    InterpretAction = action("Интерпретировать", [this] { InterpretClick(); });
    InterpretAction->setIcon(TableToolIcon(TableTool::Interpret));
    CompassAction = action("Лопань. Ориентация ГОРЫ.", [this] {
        if (links_.showCompass) links_.showCompass();
    });
    CompassAction->setIcon(TableToolIcon(TableTool::Compass));
    BaZhaiFacingAction = action("Ба чжай по Направлению", [this] {
        if (links_.showBaZhai && ComboFacing->currentIndex() >= 0)
            links_.showBaZhai(TrigramOfMountain(ComboFacing->currentIndex()));
    });
    BaZhaiSittingAction = action("Ба чжай по Горе", [this] {
        if (links_.showBaZhai && ComboSitting->currentIndex() >= 0)
            links_.showBaZhai(TrigramOfMountain(ComboSitting->currentIndex()));
    });
    for (int n = 1; n <= 9; ++n)
        StarActions[n - 1] =
            action(kStarCaptions[n - 1], [this, n] { OpenPage(StarDescriptionPage(n)); });
    LegendAction = action("Легенда для звездных фаз", [this] {
        if (links_.showLegend) links_.showLegend();
    });

    QMenu* file = menuBar()->addMenu(Text("Файл"));
    file->addActions({OpenAction, SaveAction, SaveAsAction});
    file->addSeparator();
    file->addAction(CloseAction);
    ChartExport = AddPictureActions(
        *this, file, CloseAction, [this] { return TableChartSheet(*this); },
        [this] { return TableSheetHeader(*this); });
    ClientReportAction = action("Отчет в PDF...", [this] {
        if (presentation_.InterpretEnabled() && links_.clientReport)
            links_.clientReport(table_, windowTitle(), TableSheetHeader(*this),
                                TableChartSheet(*this));
    });
    file->insertAction(CloseAction, ClientReportAction);
    file->insertSeparator(CloseAction);
    QMenu* calculation = menuBar()->addMenu(Text("Расчет"));
    calculation->addAction(CalculateAction);
    calculation->addSeparator();
    calculation->addAction(InterpretAction);
    calculation->addSeparator();
    calculation->addActions({CompassAction, BaZhaiFacingAction, BaZhaiSittingAction});
    QMenu* stars = menuBar()->addMenu(Text("Описание звезд"));
    for (QAction* a : StarActions) stars->addAction(a);
    stars->addSeparator();
    stars->addAction(LegendAction);

    Popup = new QMenu(this);
    Popup->addActions({OpenAction, SaveAction, SaveAsAction});
    Popup->addSeparator();
    Popup->addActions({CalculateAction, InterpretAction});
    Popup->addSeparator();
    Popup->addAction(CloseAction);
}

void TFormFh::BuildToolbar() {
    QToolBar* bar = addToolBar(Text("Внутренний знак"));
    bar->setObjectName(QStringLiteral("TableToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));

    bar->addWidget(ToolbarLabel("Азимут:", bar));
    Azimuth = new TAzimuthBox(bar);
    bar->addWidget(Azimuth);
    bar->addWidget(ToolbarLabel("Гора:", bar));
    ComboSitting = new QComboBox(bar);
    bar->addWidget(ComboSitting);
    bar->addWidget(ToolbarLabel("Вода:", bar));
    ComboFacing = new QComboBox(bar);
    bar->addWidget(ComboFacing);
    for (QComboBox* list : {ComboSitting, ComboFacing}) {
        list->setIconSize(QSize(16, 16));
        list->setMaxVisibleItems(kMountainCount);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }

    bar->addWidget(ToolbarLabel("Дата:", bar));
    DateTable = new QDateTimeEdit(bar);
    HoldCivilTime(*DateTable);
    dateBase_ = DateTable->palette().color(QPalette::Base);
    // Date only; the time of day is kept with the table date and saved with it.
    DateTable->setDateTimeRange(DateTimeOfMoment(EncodeMoment(1900, 1, 1)),
                                DateTimeOfMoment(EncodeMoment(9000, 1, 1, 23, 59, 59, 999)));
    // The moving-in moment with its time of day: on the day of "Становление весны" the hour
    // decides the period.
    DateTable->setDisplayFormat(PickerDateFormat() + QLatin1Char(' ') + PickerTimeFormat());
    bar->addWidget(DateTable);
    // The commands on a row of their own: beside the inputs a narrow window hid them behind the
    // toolbar's "»".
    addToolBarBreak();
    QToolBar* commands = addToolBar(Text("Команды"));
    commands->setObjectName(QStringLiteral("TableCommandsBar"));
    commands->setMovable(false);
    commands->setIconSize(QSize(20, 20));
    commands->addActions({OpenAction, SaveAction, CalculateAction, InterpretAction, CompassAction});

    connect(Azimuth, &TAzimuthBox::changed, this, &TFormFh::EditAzChange);
    connect(ComboFacing, &QComboBox::activated, this, &TFormFh::FacingChosen);
    connect(ComboSitting, &QComboBox::activated, this, &TFormFh::SittingChosen);
    connect(DateTable, &QDateTimeEdit::dateTimeChanged, this, &TFormFh::DateChanged);
}

void TFormFh::BuildChartArea() {
    auto* desk = new QWidget(this);
    desk->setAutoFillBackground(true);
    Chart = new TFhChart(presentation_, desk);
    GateMain = new TFhGate(presentation_, 0, desk);
    GateExtra = new TFhGate(presentation_, 1, desk);

    auto heading = [desk](const char* caption) {
        auto* label = new QLabel(Text(caption), desk);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        QPalette maroon = label->palette();
        maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
        label->setPalette(maroon);
        return label;
    };
    auto* gates = new QVBoxLayout;
    gates->setSpacing(4);
    // Tight, so that the facts below keep their four lines on a 600-pixel screen.
    gates->addSpacing(4);
    gates->addWidget(heading("Основные врата:"));
    gates->addWidget(GateMain);
    gates->addSpacing(10);
    gates->addWidget(heading("Дополнительные врата:"));
    gates->addWidget(GateExtra);
    gates->addSpacing(4);
    // What the chart is: its period, normal or replacement, and the replacement's remark.
    ChartFacts = new QLabel(desk);
    ChartFacts->setWordWrap(true);
    ChartFacts->setTextFormat(Qt::RichText);
    // As wide as the gate charts above it (a fixed size, which is no size hint).
    ChartFacts->setMinimumWidth(TFhGate::kSize);
    ChartFacts->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The rest of the column, scrolled when a long remark needs more: the window keeps its size
    // and the text never runs over the gate charts.
    auto* facts = new QScrollArea(desk);
    facts->setFrameShape(QFrame::NoFrame);
    facts->setWidgetResizable(true);
    facts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    facts->setWidget(ChartFacts);
    // The four lines of a replacement chart, measured on such a text.
    ChartFacts->setText(
        Text("Период таблицы: 9<br>Текущий период: 9<br>Таблица: замещения<br>Примечание: НЕТ."));
    facts->setMinimumHeight(ChartFacts->heightForWidth(TFhGate::kSize));
    ChartFacts->clear();
    gates->addWidget(facts, 1);
    auto* row = new QHBoxLayout(desk);
    row->setContentsMargins(4, 4, 14, 4);
    row->setSpacing(10);
    row->addWidget(Chart, 0, Qt::AlignTop);
    row->addLayout(gates);
    setCentralWidget(ScrollingPage(desk));

    desk->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(desk, &QWidget::customContextMenuRequested, this,
            [this, desk](const QPoint& at) { Popup->popup(desk->mapToGlobal(at)); });
    connect(Chart, &TFhChart::commentClicked, this,
            [this](PalaceIndex palace) { OpenPage(PalaceCommentPage(table_, palace)); });
}

void TFormFh::SetLinks(TableWindowLinks links) {
    links_ = std::move(links);
    EnableCommands();
}

void TFormFh::ResetInputs() {
    for (QComboBox* list : {ComboSitting, ComboFacing}) {
        const QSignalBlocker blocker(list);
        list->clear();
        for (MountainIndex m = 0; m < kMountainCount; ++m)
            list->addItem(MountainIcon(m), QString::fromStdString(MountainCaption(m)));
    }
    tableDate_ = Now();
    {
        const QSignalBlocker blocker(DateTable);
        DateTable->setDateTime(DateTimeOfMoment(tableDate_));
    }
    Azimuth->SetText(QStringLiteral("0"));  // facing Цзы, sitting У
    computedLine_.clear();
    StatusLine->clear();
    if (ChartFacts) ChartFacts->clear();
    document_.Unbind();
    // A fresh table, whatever the closed window was called ("Девять дворцов" while hidden).
    setWindowTitle(Text(kNewCaption));
}

void TFormFh::EnableCommands() {
    const bool computed = presentation_.InterpretEnabled();
    InterpretAction->setEnabled(computed && bool(links_.interpret));
    ChartExport.image->setEnabled(computed);
    ChartExport.pdf->setEnabled(computed);
    ClientReportAction->setEnabled(computed && bool(links_.clientReport));
    CompassAction->setEnabled(bool(links_.showCompass));
    BaZhaiFacingAction->setEnabled(bool(links_.showBaZhai));
    BaZhaiSittingAction->setEnabled(bool(links_.showBaZhai));
    LegendAction->setEnabled(bool(links_.showLegend));
}

void TFormFh::ShowTable() {
    // A hidden table leaves the status line as it is: it still tells what was last computed.
    ShowStatusLine();
    ShowChartFacts();
    Chart->Refresh();
    GateMain->update();
    GateExtra->update();
    EnableCommands();
}

void TFormFh::ShowStatusLine() {
    const AzimuthBox& box = Azimuth->Box();
    const char separator = QLocale().decimalPoint().at(0).toLatin1();
    // Near an edge a tenth of a degree changes the mountain or the chart: the user is told.
    auto withBoundary = [separator](std::string line, double azimuth) {
        const std::string note = BoundaryNote(azimuth, separator);
        if (!note.empty()) line += (line.empty() ? "" : " | ") + note;
        return QString::fromStdString(line);
    };
    // A hidden table leaves the computed part as it is: it still tells what was last computed.
    if (presentation_.Shown())
        computedLine_ = withBoundary(
            TableStatusLine(table_.azimuth, table_.tableDate, table_.calculationMoment, QLocale()),
            table_.azimuth);
    QString pending;
    if (box.hint.empty() && presentation_.Shown())
        pending = QString::fromStdString(
            NotComputedNote(box.azimuth, tableDate_, table_.azimuth, table_.tableDate, QLocale()));
    Azimuth->MarkNotComputed(pending);
    QPalette date = DateTable->palette();
    date.setColor(QPalette::Base,
                  pending.contains(Text("дата")) ? QColor(255, 244, 190) : dateBase_);
    DateTable->setPalette(date);

    QStringList parts;
    if (!computedLine_.isEmpty()) parts << computedLine_;
    if (!box.hint.empty())
        parts << QString::fromStdString(box.hint);  // the box refuses its text: say why
    else if (!pending.isEmpty())
        parts << pending;
    else if (computedLine_.isEmpty())
        parts << withBoundary("", box.azimuth);  // nothing drawn yet: the box's own edge
    parts.removeAll(QString());
    StatusLine->setText(parts.join(QStringLiteral(" | ")));
}

void TFormFh::ShowChartFacts() {
    if (!presentation_.Shown()) {
        ChartFacts->clear();
        return;
    }
    const GeomanticTable& t = table_;
    QString text = Text("Период таблицы: %1<br>Текущий период: %2<br>")
                       .arg(t.tablePeriod)
                       .arg(t.currentPeriod);
    if (t.normalZone) {
        text += Text("Таблица: нормальная");
    } else {
        text += Text("<span style=\"color:#c00000\">Таблица: замещения</span><br>Примечание: ") +
                QString::fromStdString(t.chartComment).toHtmlEscaped();
    }
    ChartFacts->setText(text);
}

void TFormFh::EditAzChange(const AzimuthBox& box) {
    ShowStatusLine();
    const QSignalBlocker facing(ComboFacing);
    const QSignalBlocker sitting(ComboSitting);
    if (!box.hint.empty()) {
        // The table keeps the last azimuth read, but the lists show no mountain of it: "400"
        // must not stand beside the mountains of the "40" typed on the way.
        ComboFacing->setCurrentIndex(-1);
        ComboSitting->setCurrentIndex(-1);
        return;
    }
    ComboFacing->setCurrentIndex(box.facing);
    ComboSitting->setCurrentIndex(box.sitting);
    document_.MarkModified();
}

void TFormFh::FacingChosen(int index) {
    // Writing the centre azimuth reselects both lists (EditAzChange).
    if (const auto text = AzimuthTextOfFacing(index))
        Azimuth->SetText(QString::fromStdString(*text));
    document_.MarkModified();
}

void TFormFh::SittingChosen(int index) {
    if (const auto facing = FacingOfSitting(index)) {
        ComboFacing->setCurrentIndex(*facing);
        FacingChosen(*facing);
    }
    document_.MarkModified();
}

void TFormFh::DateChanged() {
    // A change is a change of value (Enter in the box reads the same date again).
    const Moment typed = MomentOfDateTime(DateTable->dateTime());
    if (typed == MomentOfDateTime(DateTimeOfMoment(tableDate_))) return;
    tableDate_ = typed;
    document_.MarkModified();
    ShowStatusLine();
}

void TFormFh::Raschet() {
    if (!Azimuth->Box().hint.empty()) {
        ShowStatusLine();
        ShowErrorBox(this, QString::fromStdString(Azimuth->Box().hint));
        return;
    }
    TableInputs inputs;
    inputs.azimuth = Azimuth->Box().azimuth;
    inputs.tableDate = tableDate_;
    inputs.facingMountain = ComboFacing->currentIndex();
    inputs.sittingMountain = ComboSitting->currentIndex();
    if (!::ComputeTable(table_, inputs, sources_.moment(), sources_.zoneHours())) return;
    presentation_.SetShown(true);
    ShowTable();
    if (links_.drawCompassFacing) links_.drawCompassFacing(table_.azimuth);
}

void TFormFh::InterpretClick() {
    if (presentation_.InterpretEnabled() && links_.interpret)
        links_.interpret(table_, windowTitle());
}

void TFormFh::NOpenClick() {
    // A table that could not be saved is not replaced.
    if (document_.MayDiscard()) OpenFile();
}

void TFormFh::OpenFile() {
    const QString name = document_.AskOpenName();
    if (!name.isEmpty()) OpenFileTwo(name);
}

bool TFormFh::OpenFileTwo(const QString& fileName) {
    // The whole file is read before anything changes: a bad value leaves the window as it was.
    TableFileContents contents;
    try {
        contents = ReadTableFile(fileName.toStdString(), Now());
    } catch (const GavrosinError& e) {  // a value that does not read, or the file itself
        ShowErrorBox(this, QString::fromStdString(e.what()));
        return false;
    }
    tableDate_ = contents.date;
    {
        const QSignalBlocker blocker(DateTable);
        DateTable->setDateTime(DateTimeOfMoment(tableDate_));
    }
    Azimuth->SetText(QString::fromStdString(
        FormatAzimuth(contents.azimuth, QLocale().decimalPoint().at(0).toLatin1())));
    document_.Opened(fileName);
    Raschet();
    return true;
}

void TFormFh::SaveClick() {
    document_.Save();
}

void TFormFh::SaveAsFile() {
    // The caption is proposed, in the folder of the table's file when it has one.
    document_.SaveAs();
}

bool TFormFh::MayClose() {
    return document_.MayDiscard();
}

bool TFormFh::OpenCommandLineFile(const QString& argument) {
    if (argument.isEmpty() || !IsTableFileName(argument.toStdString())) return false;
    const QString path = QFileInfo(argument).absoluteFilePath();
    QTimer::singleShot(0, this, [this, path] {
        show();
        raise();
        OpenFileTwo(path);
    });
    return true;
}

void TFormFh::OpenPage(const std::string& page) {
    if (!page.empty()) OpenPageViewer(QString::fromStdString(page), this);
}

void TFormFh::keyPressEvent(QKeyEvent* event) {
    // Enter in the azimuth box, the date or anywhere in the window computes the inputs.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Raschet();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TFormFh::showEvent(QShowEvent* event) {
    // Shown by a command (not brought back from the task bar): a fresh set of inputs; the last
    // chart stays hidden until the next computation.
    if (!event->spontaneous()) ResetInputs();
    QMainWindow::showEvent(event);
}

void TFormFh::closeEvent(QCloseEvent* event) {
    if (!MayClose()) {
        event->ignore();
        return;
    }
    document_.Unbind();
    setWindowTitle(Text(kClosedCaption));
    presentation_.SetShown(false);
    ShowTable();
    event->accept();
}
