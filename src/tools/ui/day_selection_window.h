// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Выбор дней": searches a date range for the days that meet the chosen criteria and shows them
// as a month grid (weeks in rows, Monday first; chosen days coloured, a mark in the colour of the
// day's road, the officer and mansion in small text, every reason in the tooltip) and as a
// sortable list with the auspicious hours; exports them to CSV and iCalendar. A double click on a
// day moves the main window to it.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "astro/local_time.h"
#include "tools/day_selection.h"
#include "widgets/tool_window.h"

class QCheckBox;
class QComboBox;
class QDate;
class QDateEdit;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;
class QTimeEdit;
class QTimer;
class QTreeWidget;
class QVBoxLayout;

// What the window needs from the program, given by the shell.
struct DaySelectionHost {
    std::function<TimeSettings()> timeSettings;  // the main window's zone settings
    std::function<Moment()> currentMoment;   // the main window's moment (the range starts there)
    std::function<void(Moment)> showMoment;  // moves the main window (and its followers)
    // Reads a person file into its year and day branches; std::nullopt with `error` set when it
    // cannot be read.
    std::function<std::optional<PersonBranches>(const QString& path, QString& error)> readPerson;
};

class TFormDaySelection : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormDaySelection(DaySelectionHost host, QWidget* parent = nullptr);
    ~TFormDaySelection() override;

    // The criteria as the controls show them now.
    DayCriteria Criteria() const;
    // Starts a search of the range (the old one, if any, is dropped); it runs in steps between
    // events. RunSearchToEnd does the same without returning to the event loop (tests).
    void StartSearch();
    void RunSearchToEnd();
    bool Searching() const;

    // The grid's month (first day) and the days read so far.
    Moment GridMonth() const { return gridMonth_; }
    void ShowMonth(Moment firstOfMonth);
    const std::vector<DayVerdict>& Days() const;

    // A double click on a grid cell or a list row.
    void DayActivated(Moment date);
    // Reads a person file into the person's branch lists (0 or 1).
    void LoadPerson(int person, const QString& path);
    void ExportCsvClick();
    void ExportIcsClick();

    QDateEdit* FromDate;
    QDateEdit* ToDate;
    QTimeEdit* DayTime;
    QTreeWidget* Officers;  // columns: name, "только", "кроме"
    QTreeWidget* Mansions;
    QTreeWidget* DayStars;   // "только"
    QTreeWidget* LunarDays;  // "только"
    struct PersonRow {
        QPushButton* file;
        QLabel* name;
        QComboBox* year;  // item 0: not given
        QComboBox* day;
    };
    PersonRow Persons[kMaxSelectionPersons];
    QCheckBox* NoClashYear;
    QCheckBox* NoClashDay;
    QCheckBox* NoMonthBreaker;
    QCheckBox* NoYearBreaker;
    QCheckBox* NoTermDay;
    QCheckBox* YellowRoadOnly;  // "только желтый путь"
    QCheckBox* NoHourClash;  // "без столкновения с ветвью человека в часе"
    QPushButton* SearchButton;
    QPushButton* CsvButton;
    QPushButton* IcsButton;
    QProgressBar* Progress;
    QLabel* Summary;
    QTabWidget* Results;
    QComboBox* MonthList;
    QTableWidget* Grid;
    QTableWidget* List;

private:
    // The criteria column (left) and the results (right), built in the order of the focus chain.
    QVBoxLayout* BuildCriteriaColumn(const QDate& today);
    QGroupBox* BuildRange(const QDate& today);
    QTabWidget* BuildCriteriaTabs();
    QGroupBox* BuildPeople();
    QGroupBox* BuildBans();
    QGroupBox* BuildAlmanacConditions();
    QHBoxLayout* BuildButtons();
    void BuildResults();
    QWidget* BuildMonthPage();
    QTableWidget* BuildMonthGrid(QWidget* monthPage);
    QTableWidget* BuildDayList();

    void SearchStep();
    void SearchFinished();
    void FillList();
    void FillMonthList();
    QString DayTooltip(const DayVerdict& v) const;
    const DayVerdict* VerdictOf(Moment date) const;
    bool SaveExport(const QString& filter, const QString& suffix, const std::string& bytes);

    DaySelectionHost host_;
    std::unique_ptr<DaySearch> search_;
    QTimer* stepTimer_;
    Moment gridMonth_ = 0;
};
