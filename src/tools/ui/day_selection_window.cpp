// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/day_selection_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "astro/moment.h"
#include "calendar/moment_format.h"
#include "text/ini_file.h"
#include "text/whole_file.h"
#include "tools/day_almanac.h"
#include "tools/day_selection_export.h"
#include "tools/ui/day_almanac_view.h"
#include "widgets/error_box.h"
#include "widgets/file_dialogs.h"
#include "widgets/picker_moment.h"
#include "widgets/scrolling_page.h"

namespace {

// Days read between two events: small enough that the window keeps answering.
constexpr int kDaysPerStep = 60;
constexpr int kDateRole = Qt::UserRole;           // the cell's or row's day count (double)
constexpr int kSmallTextRole = Qt::UserRole + 1;  // officer and mansion under the day number
constexpr int kRoadRole = Qt::UserRole + 3;       // the day on the yellow road (bool)
constexpr int kSortRole = Qt::UserRole + 2;
const QColor kChosenColour(190, 230, 180);
const QColor kOtherMonthText(160, 160, 160);

QString U(const char* s) {
    return QString::fromUtf8(s);
}
QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QDate DateOf(Moment x) {
    return DateTimeOfMoment(x).date();
}
Moment MomentOf(const QDate& d) {
    return EncodeMoment(d.year(), d.month(), d.day());
}

// "Кай" of "Кай. Раскрытие (11)".
QString OfficerShortName(int officer) {
    const QString name = Text(OfficerName(officer));
    return name.left(name.indexOf(QLatin1Char('.'))).trimmed();
}

// The day number in the cell's font and, below it, the officer and mansion in small text.
class DayCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString number = o.text;
        o.text.clear();
        QStyledItemDelegate::paint(painter, o, index);
        painter->save();
        const QVariant colour = index.data(Qt::ForegroundRole);
        painter->setPen(colour.isValid() ? colour.value<QBrush>().color()
                                         : o.palette.color(QPalette::Text));
        const QRect r = o.rect.adjusted(3, 1, -3, -1);
        QFont bold = o.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->drawText(r, Qt::AlignLeft | Qt::AlignTop, number);
        QFont small = o.font;
        small.setPointSizeF(std::max(6.0, o.font.pointSizeF() * 0.8));
        painter->setFont(small);
        painter->drawText(r, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                          index.data(kSmallTextRole).toString());
        painter->restore();
        const QVariant road = index.data(kRoadRole);
        if (road.isValid()) PaintRoadMark(*painter, o.rect, road.toBool());
    }
};

// A list cell sorted by its number, not its text.
class SortedItem : public QTableWidgetItem {
public:
    SortedItem(const QString& text, double key) : QTableWidgetItem(text) {
        setData(kSortRole, key);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
    }
};

QTreeWidget* CheckList(const QStringList& columns, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(columns.size());
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < columns.size(); ++c)
        list->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    return list;
}

void AddCheckRow(QTreeWidget* list, const QString& caption) {
    auto* item = new QTreeWidgetItem(list, QStringList(caption));
    for (int c = 1; c < list->columnCount(); ++c) item->setCheckState(c, Qt::Unchecked);
}

std::set<int> CheckedRows(const QTreeWidget* list, int column) {
    std::set<int> rows;
    if (column >= list->columnCount()) return rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->checkState(column) == Qt::Checked) rows.insert(i + 1);
    return rows;
}

QComboBox* BranchBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(U("—"));
    for (Branch b = 1; b <= 12; ++b) box->addItem(Text(BranchName(b)));
    return box;
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << Text(line);
    return list.join(QLatin1Char('\n'));
}

}  // namespace

TFormDaySelection::TFormDaySelection(DaySelectionHost host, QWidget* parent)
    : TToolWindow(parent), host_(std::move(host)) {
    setWindowTitle(U("Выбор дней"));
    const QDate today =
        DateOf(host_.currentMoment ? host_.currentMoment() : MomentOf(QDate(2024, 1, 1)));
    QVBoxLayout* left = BuildCriteriaColumn(today);
    BuildResults();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addWidget(Results, 1);

    stepTimer_ = new QTimer(this);
    stepTimer_->setInterval(0);
    connect(stepTimer_, &QTimer::timeout, this, &TFormDaySelection::SearchStep);
    connect(SearchButton, &QPushButton::clicked, this, &TFormDaySelection::StartSearch);
    connect(CsvButton, &QPushButton::clicked, this, &TFormDaySelection::ExportCsvClick);
    connect(IcsButton, &QPushButton::clicked, this, &TFormDaySelection::ExportIcsClick);
    CsvButton->setEnabled(false);
    IcsButton->setEnabled(false);
    ShowMonth(MomentOf(QDate(today.year(), today.month(), 1)));
}

// ------------------------------------------------------------------ criteria (left)

QVBoxLayout* TFormDaySelection::BuildCriteriaColumn(const QDate& today) {
    QGroupBox* range = BuildRange(today);
    QTabWidget* criteria = BuildCriteriaTabs();
    QGroupBox* people = BuildPeople();
    QGroupBox* bans = BuildBans();
    QGroupBox* almanac = BuildAlmanacConditions();
    QHBoxLayout* buttons = BuildButtons();
    Progress = new QProgressBar(this);
    Progress->setRange(0, 100);
    Progress->setValue(0);
    Summary = new QLabel(this);

    // The conditions scroll on a low screen; the search, the export and the result line stay in
    // sight below them.
    auto* conditions = new QWidget(this);
    auto* column = new QVBoxLayout(conditions);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(range);
    // The lists keep the rows of a screen's worth of choosing; the column scrolls instead.
    criteria->setMinimumHeight(criteria->sizeHint().height());
    column->addWidget(criteria, 1);
    column->addWidget(people);
    column->addWidget(bans);
    column->addWidget(almanac);
    auto* left = new QVBoxLayout;
    left->addWidget(ScrollingPage(conditions, true), 1);
    left->addLayout(buttons);
    left->addWidget(Progress);
    left->addWidget(Summary);
    return left;
}

QGroupBox* TFormDaySelection::BuildRange(const QDate& today) {
    auto* range = new QGroupBox(U("Диапазон"), this);
    auto* rangeLayout = new QGridLayout(range);
    const QString dateFormat = QStringLiteral("dd.MM.yyyy");
    FromDate = new QDateEdit(range);
    ToDate = new QDateEdit(range);
    for (QDateEdit* edit : {FromDate, ToDate}) {
        edit->setDisplayFormat(dateFormat);
        edit->setCalendarPopup(true);
        edit->setDateRange(QDate(1900, 1, 1), QDate(9000, 1, 1));
    }
    FromDate->setDate(today);
    ToDate->setDate(today.addMonths(3));
    DayTime = new QTimeEdit(QTime(12, 0), range);
    DayTime->setDisplayFormat(QStringLiteral("HH:mm"));
    DayTime->setToolTip(U("Время, на которое берется каждый день (с 23:00 — уже следующий день)"));
    rangeLayout->addWidget(new QLabel(U("с"), range), 0, 0);
    rangeLayout->addWidget(FromDate, 0, 1);
    rangeLayout->addWidget(new QLabel(U("по"), range), 0, 2);
    rangeLayout->addWidget(ToDate, 0, 3);
    rangeLayout->addWidget(new QLabel(U("время"), range), 0, 4);
    rangeLayout->addWidget(DayTime, 0, 5);
    return range;
}

QTabWidget* TFormDaySelection::BuildCriteriaTabs() {
    auto* criteria = new QTabWidget(this);
    Officers = CheckList({U("Цзянь"), U("только"), U("кроме")}, criteria);
    for (int o = 1; o <= 12; ++o) AddCheckRow(Officers, Text(OfficerName(o)));
    criteria->addTab(Officers, U("Цзянь"));
    Mansions = CheckList({U("Созвездие"), U("только"), U("кроме")}, criteria);
    for (int m = 1; m <= 28; ++m) AddCheckRow(Mansions, U("Созвездие %1").arg(m));
    criteria->addTab(Mansions, U("Созвездия"));
    DayStars = CheckList({U("Звезда дня"), U("только")}, criteria);
    for (int s = 1; s <= 9; ++s) {
        std::string colour;
        StarColourName(s, colour);
        AddCheckRow(DayStars, QString::number(s) + QLatin1Char(' ') + Text(colour));
    }
    criteria->addTab(DayStars, U("Звезды"));
    LunarDays = CheckList({U("Лунный день"), U("только")}, criteria);
    for (int d = 1; d <= 30; ++d) AddCheckRow(LunarDays, QString::number(d));
    criteria->addTab(LunarDays, U("Луна"));
    return criteria;
}

QGroupBox* TFormDaySelection::BuildPeople() {
    auto* people = new QGroupBox(U("Люди"), this);
    auto* peopleLayout = new QGridLayout(people);
    peopleLayout->addWidget(new QLabel(U("год"), people), 0, 2);
    peopleLayout->addWidget(new QLabel(U("день"), people), 0, 3);
    for (int i = 0; i < kMaxSelectionPersons; ++i) {
        PersonRow& row = Persons[i];
        row.file = new QPushButton(U("Файл..."), people);
        row.file->setToolTip(U("Ветви года и дня из файла персонального гороскопа"));
        row.name = new QLabel(U("человек %1").arg(i + 1), people);
        row.year = BranchBox(people);
        row.day = BranchBox(people);
        row.year->setToolTip(U("Ветвь года человека"));
        row.day->setToolTip(U("Ветвь дня человека"));
        peopleLayout->addWidget(row.file, i + 1, 0);
        peopleLayout->addWidget(row.name, i + 1, 1);
        peopleLayout->addWidget(row.year, i + 1, 2);
        peopleLayout->addWidget(row.day, i + 1, 3);
        peopleLayout->setColumnStretch(1, 1);
        connect(row.file, &QPushButton::clicked, this, [this, i] {
            FileDialogRequest request;
            request.filter = U("Персональный гороскоп (*.gvp *.GVP *.Gvp)");
            const QString path = AskFileName(this, request);
            if (!path.isEmpty()) LoadPerson(i, path);
        });
    }
    return people;
}

QGroupBox* TFormDaySelection::BuildBans() {
    auto* bans = new QGroupBox(U("Исключить дни"), this);
    auto* bansLayout = new QVBoxLayout(bans);
    NoClashYear = new QCheckBox(U("столкновение с ветвью года человека"), bans);
    NoClashDay = new QCheckBox(U("столкновение с ветвью дня человека"), bans);
    NoMonthBreaker = new QCheckBox(U("разрушитель месяца (столкновение с ветвью месяца)"), bans);
    NoYearBreaker = new QCheckBox(U("разрушитель года (столкновение с ветвью года)"), bans);
    NoTermDay = new QCheckBox(U("день смены сезона"), bans);
    for (QCheckBox* box : {NoClashYear, NoClashDay, NoMonthBreaker, NoYearBreaker, NoTermDay})
        bansLayout->addWidget(box);
    return bans;
}

QGroupBox* TFormDaySelection::BuildAlmanacConditions() {
    auto* almanac = new QGroupBox(U("Альманах"), this);
    auto* layout = new QVBoxLayout(almanac);
    YellowRoadOnly = new QCheckBox(U("только желтый путь"), almanac);
    YellowRoadOnly->setToolTip(U("Дух дня — на желтом пути"));
    NoHourClash = new QCheckBox(U("без столкновения с ветвью человека в часе"), almanac);
    NoHourClash->setToolTip(
        U("Благоприятные часы — только не сталкивающиеся с ветвями года и дня "
          "человека; день без такого часа не подходит"));
    layout->addWidget(YellowRoadOnly);
    layout->addWidget(NoHourClash);
    return almanac;
}

QHBoxLayout* TFormDaySelection::BuildButtons() {
    SearchButton = new QPushButton(U("Искать"), this);
    CsvButton = new QPushButton(U("В CSV..."), this);
    IcsButton = new QPushButton(U("В календарь (.ics)..."), this);
    CsvButton->setToolTip(U("Сохранить выбранные дни таблицей для электронных таблиц"));
    IcsButton->setToolTip(U("Сохранить выбранные дни событиями iCalendar"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SearchButton);
    buttons->addStretch(1);
    buttons->addWidget(CsvButton);
    buttons->addWidget(IcsButton);
    return buttons;
}

// ------------------------------------------------------------------ results (right)

void TFormDaySelection::BuildResults() {
    Results = new QTabWidget(this);
    Results->addTab(BuildMonthPage(), U("Месяцы"));
    Results->addTab(BuildDayList(), U("Список"));
}

QWidget* TFormDaySelection::BuildMonthPage() {
    auto* monthPage = new QWidget(Results);
    auto* monthLayout = new QVBoxLayout(monthPage);
    auto* monthBar = new QHBoxLayout;
    auto* previous = new QToolButton(monthPage);
    previous->setArrowType(Qt::LeftArrow);
    previous->setToolTip(U("Предыдущий месяц"));
    auto* next = new QToolButton(monthPage);
    next->setArrowType(Qt::RightArrow);
    next->setToolTip(U("Следующий месяц"));
    MonthList = new QComboBox(monthPage);
    // Room for the longest month with its four-digit year ("Сентябрь 2024").
    MonthList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    MonthList->setMinimumContentsLength(15);
    monthBar->addWidget(previous);
    monthBar->addWidget(MonthList);
    monthBar->addWidget(next);
    monthBar->addStretch(1);
    monthLayout->addLayout(monthBar);
    connect(MonthList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) ShowMonth(MonthList->itemData(index).toDouble());
    });
    connect(previous, &QToolButton::clicked, this, [this] {
        if (MonthList->currentIndex() > 0)
            MonthList->setCurrentIndex(MonthList->currentIndex() - 1);
    });
    connect(next, &QToolButton::clicked, this, [this] {
        if (MonthList->currentIndex() + 1 < MonthList->count())
            MonthList->setCurrentIndex(MonthList->currentIndex() + 1);
    });
    monthLayout->addWidget(BuildMonthGrid(monthPage), 1);
    return monthPage;
}

QTableWidget* TFormDaySelection::BuildMonthGrid(QWidget* monthPage) {
    Grid = new QTableWidget(6, 7, monthPage);
    QStringList weekdays;
    for (int d = 1; d <= 7; ++d)
        weekdays << QLocale(QLocale::Russian).dayName(d, QLocale::ShortFormat);  // as the interface
    Grid->setHorizontalHeaderLabels(weekdays);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setItemDelegate(new DayCellDelegate(Grid));
    connect(Grid, &QTableWidget::itemDoubleClicked, this, [this](QTableWidgetItem* item) {
        if (item && item->data(kDateRole).isValid()) DayActivated(item->data(kDateRole).toDouble());
    });
    return Grid;
}

QTableWidget* TFormDaySelection::BuildDayList() {
    List = new QTableWidget(0, 9, Results);
    List->setHorizontalHeaderLabels({U("Дата"), U("День"), U("Цзянь"), U("Созвездие"), U("Звезда"),
                                     U("Луна"), U("Сезон"), U("Благоприятные часы"), U("Причины")});
    List->verticalHeader()->hide();
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->horizontalHeader()->setStretchLastSection(true);
    List->setSortingEnabled(true);
    connect(List, &QTableWidget::itemDoubleClicked, this, [this](QTableWidgetItem* item) {
        if (item) DayActivated(List->item(item->row(), 0)->data(kDateRole).toDouble());
    });
    return List;
}

TFormDaySelection::~TFormDaySelection() = default;

DayCriteria TFormDaySelection::Criteria() const {
    DayCriteria c;
    c.timeOfDay = MomentOfTime(DayTime->time());
    c.officers = CheckedRows(Officers, 1);
    c.notOfficers = CheckedRows(Officers, 2);
    c.mansions = CheckedRows(Mansions, 1);
    c.notMansions = CheckedRows(Mansions, 2);
    c.dayStars = CheckedRows(DayStars, 1);
    c.lunarDays = CheckedRows(LunarDays, 1);
    for (const PersonRow& row : Persons) {
        if (row.year->currentIndex() <= 0 && row.day->currentIndex() <= 0) continue;
        PersonBranches p;
        p.name = row.name->text().toStdString();
        p.year = row.year->currentIndex();
        p.day = row.day->currentIndex();
        c.persons.push_back(p);
    }
    c.noClashWithPersonYear = NoClashYear->isChecked();
    c.noClashWithPersonDay = NoClashDay->isChecked();
    c.noMonthBreaker = NoMonthBreaker->isChecked();
    c.noYearBreaker = NoYearBreaker->isChecked();
    c.noTermDay = NoTermDay->isChecked();
    c.yellowRoadOnly = YellowRoadOnly->isChecked();
    c.noHourClashWithPerson = NoHourClash->isChecked();
    return c;
}

void TFormDaySelection::StartSearch() {
    const Moment from = MomentOf(FromDate->date());
    const Moment to = MomentOf(ToDate->date());
    const DayCriteria criteria = Criteria();
    const std::string problem = CheckSelection(from, to, criteria);
    if (!problem.empty()) {
        ShowErrorBox(this, Text(problem));
        return;
    }
    const TimeSettings settings = host_.timeSettings ? host_.timeSettings() : TimeSettings{};
    search_ = std::make_unique<DaySearch>(from, to, criteria, settings);
    Progress->setValue(0);
    Summary->setText(U("Поиск..."));
    SearchButton->setEnabled(false);
    CsvButton->setEnabled(false);
    IcsButton->setEnabled(false);
    FillMonthList();
    stepTimer_->start();
}

void TFormDaySelection::RunSearchToEnd() {
    if (!search_) StartSearch();
    while (Searching()) SearchStep();
}

bool TFormDaySelection::Searching() const {
    return search_ && stepTimer_->isActive();
}

void TFormDaySelection::SearchStep() {
    if (!search_) {
        stepTimer_->stop();
        return;
    }
    search_->Step(kDaysPerStep);
    Progress->setValue(search_->Counted() * 100 / std::max(1, search_->Total()));
    if (search_->Done()) SearchFinished();
}

void TFormDaySelection::SearchFinished() {
    stepTimer_->stop();
    SearchButton->setEnabled(true);
    int chosen = 0;
    for (const DayVerdict& v : search_->Days()) chosen += v.chosen;
    Summary->setText(U("Выбрано дней: %1 из %2").arg(chosen).arg(search_->Total()));
    CsvButton->setEnabled(chosen > 0);
    IcsButton->setEnabled(chosen > 0);
    FillList();
    ShowMonth(gridMonth_);
}

const std::vector<DayVerdict>& TFormDaySelection::Days() const {
    static const std::vector<DayVerdict> none;
    return search_ ? search_->Days() : none;
}

const DayVerdict* TFormDaySelection::VerdictOf(Moment date) const {
    const std::vector<DayVerdict>& days = Days();
    if (days.empty()) return nullptr;
    const long i = std::lround(date - days.front().facts.date);
    return i >= 0 && i < static_cast<long>(days.size()) ? &days[i] : nullptr;
}

QString TFormDaySelection::DayTooltip(const DayVerdict& v) const {
    QString text = FormatLongDate(v.facts.date, QLocale()) + QLatin1Char('\n');
    if (v.chosen) {
        text += U("Подходит");
    } else {
        QStringList failed;
        for (const std::string& f : v.failed) failed << Text(f);
        text += U("Не подходит: ") + failed.join(U(", "));
    }
    return text + QLatin1Char('\n') + Joined(DayReasons(v.facts, search_->Criteria())) +
           QLatin1Char('\n') + Joined(DayAlmanacLines(v.facts, search_->Criteria()));
}

void TFormDaySelection::FillMonthList() {
    const QSignalBlocker blocker(MonthList);
    MonthList->clear();
    const QDate last = ToDate->date();
    int current = 0;
    for (QDate d(FromDate->date().year(), FromDate->date().month(), 1); d <= last;
         d = d.addMonths(1)) {
        if (d.year() == DateOf(gridMonth_).year() && d.month() == DateOf(gridMonth_).month())
            current = MonthList->count();
        QString month = QLocale().standaloneMonthName(d.month());
        if (!month.isEmpty()) month[0] = month[0].toUpper();  // "июнь" stands alone: "Июнь"
        MonthList->addItem(month + QLatin1Char(' ') +
                               QString::number(d.year()).rightJustified(4, QLatin1Char('0')),
                           MomentOf(d));
    }
    // The grid opens on the range's first month unless it already shows one inside the range.
    if (current == 0) gridMonth_ = MonthList->itemData(0).toDouble();
    MonthList->setCurrentIndex(current);
}

void TFormDaySelection::ShowMonth(Moment firstOfMonth) {
    gridMonth_ = firstOfMonth;
    const QDate first = DateOf(firstOfMonth);
    // Weeks in rows, Monday first: the grid starts on the Monday on or before the first.
    const QDate start = first.addDays(1 - first.dayOfWeek());
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            const QDate d = start.addDays(row * 7 + column);
            const Moment date = MomentOf(d);
            auto* item = new QTableWidgetItem(QString::number(d.day()));
            item->setData(kDateRole, date);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (d.month() != first.month()) item->setForeground(kOtherMonthText);
            if (const DayVerdict* v = search_ && !Searching() ? VerdictOf(date) : nullptr) {
                item->setData(kSmallTextRole, OfficerShortName(v->facts.officer) + U("\nсозв. ") +
                                                  QString::number(v->facts.mansion));
                item->setData(kRoadRole, v->facts.almanac.yellowRoad);
                item->setToolTip(DayTooltip(*v));
                if (v->chosen) item->setBackground(kChosenColour);
            }
            Grid->setItem(row, column, item);
        }
    }
}

void TFormDaySelection::FillList() {
    List->setSortingEnabled(false);
    List->setRowCount(0);
    for (const DayVerdict& v : search_->Days()) {
        if (!v.chosen) continue;
        const DayFacts& f = v.facts;
        const int row = List->rowCount();
        List->insertRow(row);
        auto* date = new SortedItem(FormatShortDate(f.date, QLocale()), f.date);
        date->setData(kDateRole, f.date);
        List->setItem(row, 0, date);
        List->setItem(row, 1,
                      new SortedItem(Text(StemName(f.day.stem) + "-" + BranchName(f.day.branch)),
                                     (f.day.stem - 1) * 12 + f.day.branch));
        List->setItem(row, 2, new SortedItem(Text(OfficerName(f.officer)), f.officer));
        List->setItem(row, 3, new SortedItem(QString::number(f.mansion), f.mansion));
        List->setItem(row, 4, new SortedItem(QString::number(f.dayStar), f.dayStar));
        List->setItem(row, 5,
                      new SortedItem(QString::number(f.lunar.month) +
                                         (f.lunar.leap ? U(" доп.") : QString()) + U("-") +
                                         QString::number(f.lunar.day),
                                     f.lunar.month * 100 + f.lunar.leap * 50 + f.lunar.day));
        List->setItem(row, 6, new QTableWidgetItem(Text(f.term)));
        QStringList reasons;
        for (const std::string& line : DayReasons(f, search_->Criteria())) reasons << Text(line);
        auto* why = new QTableWidgetItem(reasons.mid(1).join(U("; ")));
        why->setToolTip(reasons.join(QLatin1Char('\n')));
        List->setItem(row, 7, new QTableWidgetItem(SuitableHoursCaption(f, search_->Criteria())));
        List->setItem(row, 8, why);
    }
    List->resizeColumnsToContents();
    List->setColumnWidth(7, std::min(List->columnWidth(7), 300));
    List->setColumnWidth(8, std::min(List->columnWidth(8), 400));
    List->setSortingEnabled(true);
    List->sortByColumn(0, Qt::AscendingOrder);
}

void TFormDaySelection::DayActivated(Moment date) {
    if (host_.showMoment) host_.showMoment(date + MomentOfTime(DayTime->time()));
}

void TFormDaySelection::LoadPerson(int person, const QString& path) {
    if (person < 0 || person >= kMaxSelectionPersons || !host_.readPerson) return;
    QString error;
    const std::optional<PersonBranches> branches = host_.readPerson(path, error);
    if (!branches) {
        ShowErrorBox(this, error);
        return;
    }
    PersonRow& row = Persons[person];
    row.name->setText(branches->name.empty() ? QFileInfo(path).completeBaseName()
                                             : Text(branches->name));
    row.name->setToolTip(path);
    row.year->setCurrentIndex(IsValidBranch(branches->year) ? branches->year : 0);
    row.day->setCurrentIndex(IsValidBranch(branches->day) ? branches->day : 0);
}

bool TFormDaySelection::SaveExport(const QString& filter, const QString& suffix,
                                   const std::string& bytes) {
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.proposedName = U("выбор дней.") + suffix;
    const QString path = AskFileName(this, request);
    if (path.isEmpty()) return false;
    const std::string error = ReplaceWholeFile(path.toStdString(), bytes);
    if (!error.empty()) ShowErrorBox(this, QString::fromStdString(error));
    return error.empty();
}

void TFormDaySelection::ExportCsvClick() {
    if (!search_ || Searching()) return;
    std::vector<DayVerdict> chosen;
    for (const DayVerdict& v : search_->Days())
        if (v.chosen) chosen.push_back(v);
    // Where the comma is the decimal separator, spreadsheets split CSV at semicolons.
    const char separator = QLocale().decimalPoint() == QStringLiteral(",") ? ';' : ',';
    SaveExport(U("Таблица CSV (*.csv)"), QStringLiteral("csv"),
               DaysCsv(chosen, search_->Criteria(), separator));
}

void TFormDaySelection::ExportIcsClick() {
    if (!search_ || Searching()) return;
    std::vector<DayVerdict> chosen;
    for (const DayVerdict& v : search_->Days())
        if (v.chosen) chosen.push_back(v);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const double stamp = MomentOfDateTime(QDateTime(now.date(), now.time()));
    SaveExport(U("Календарь iCalendar (*.ics)"), QStringLiteral("ics"),
               DaysIcs(chosen, search_->Criteria(), stamp));
}
