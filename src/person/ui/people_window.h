// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Персональный гороскоп": one person at a time — the birth data, their ".gvp" file, and the
// personal chart computed from them (birth pillars, the six birth stars, the Gua with its
// East/West group and the nine luck pillars). From the chart it saves the text report, opens the
// forecast for the year and the descriptions of the birth stars, and presets the stem and branch
// tools. The window moves values between its controls and the person engines
// (person/person_file.h, person/person_chart.h, person/personal_report.h); it computes nothing
// itself. The window's parts are files of their own beside people_window.cpp (see there); a new
// part adds its file and its members in a section of its own below.
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "person/birth_star_pages.h"
#include "person/person_chart.h"
#include "widgets/document_file.h"
#include "widgets/print_export.h"

class BirthPlaceRow;
class ChartDetailsPanel;
class LuckYearsPanel;
class PillarGlyphs;
class PillarLink;
class QAction;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimeEdit;
class UpDownEdit;

// What the window needs from the program around it.
struct PeopleHost {
    // The time settings of the settings window, as they are now (defaults of a cleared person).
    std::function<TimeSettings()> timeSettings;
    // "Отображать в календаре": the birth moment into the main window's pickers.
    std::function<void(Moment)> showInCalendar;
    // The Gregorian year of the main window's date: the year of the running luck pillar, asked
    // for here only. The forecast has a year of its own (ForecastYearBox).
    std::function<int()> calendarYear;
};

class TFormPeople : public QMainWindow {
    Q_OBJECT
public:
    TFormPeople(const PillarGlyphs& glyphs, PeopleHost host, QWidget* parent = nullptr);

    // Commands.
    void ClearClick();     // "Очистить"
    void OpenClick();      // "Открыть..."
    bool SaveClick();      // "Сохранить": true when the file was written
    bool SaveAsClick();    // "Сохранить как...": true when the file was written
    void Raschet();        // "Расчет"
    void SaveTextClick();  // "Сохранить как текст..."
    void ForecastClick();  // "Прогноз на 2026 год" (ForecastYearBox's year) and its link
    // The main window's date moved: the running luck pillar is that of its year. The forecast
    // commands name the forecast's year.
    void ShowCalendarYear();
    // "Звезды рождения": a new text window on the description of one of the chart's stars.
    void ShowBirthStarText(BirthStar star);
    // Loads a person file and calculates it; false (with the message shown) when it cannot be read.
    bool LoadFile(const QString& path);
    // A person file named on the command line (".gvp", ".GVP", ".Gvp" only): shows the window and
    // loads it. Returns whether the argument was a person file.
    bool OpenCommandLineFile(const QString& argument);

    // The close query, asked also by the main window before the program ends: the unsaved-changes
    // question when the person was edited. False keeps the window (and the program) open.
    bool CloseQuery();
    // The program ends and the question was answered: closing asks nothing more.
    void ForgetChanges() { document_.ForgetChanges(); }

    // State.
    bool Modified() const { return document_.Modified(); }  // ModifiedFlag
    bool FileBound() const { return document_.Bound(); }    // FileBoundFlag
    const QString& FilePath() const { return document_.Path(); }
    // The person as the controls hold it now.
    Person CurrentPerson() const;
    // The last calculation (the chart on display), empty after a clear. Read by the text report
    // and the personal forecast.
    const std::optional<PersonCalculation>& Calculation() const { return calculation_; }
    // The birth moment of the last calculation.
    Moment StoredBirth() const { return storedBirth_; }
    // Whether the chart on display is that of the person in the controls (no edit since the
    // calculation): the text report and the forecast need it.
    bool ChartIsCurrent() const { return chartCurrent_; }
    // Whether the menu "Звезды рождения" is open to use: from a calculation until a clear.
    bool BirthStarsAvailable() const { return birthStarsAvailable_; }
    // Whether the result controls are showing (PeopleTrue / PeopleFalse).
    bool ResultsShown() const { return resultsShown_; }

    // Entry controls.
    QLineEdit* EditNamePeople;
    QDateTimeEdit* MyDate;  // the whole birth date-time; shows the long date
    QTimeEdit* MyTime;
    QRadioButton* RadioButtonF;
    QRadioButton* RadioButtonM;
    QComboBox* ComboGMT;
    UpDownEdit* EditLetnee;
    QCheckBox* CheckBoxDolgota;
    UpDownEdit* EditDolgota;
    QCheckBox* Sinxron;         // "Отображать в календаре"
    BirthPlaceRow* BirthPlace;  // "Место рождения..." and the place's name

    // Result controls.
    QLabel* LabelNow;       // birth date-time
    QLabel* Week;           // weekday
    QLabel* LabelBoundary;  // the birth within minutes of a calendar boundary, hidden otherwise
    QLabel *StvolYahr, *VetvYahr, *PSYear;
    QLabel *StvolMod, *VetvMod, *PSMon;
    QLabel *StvolDay, *VetvDay, *PSDay;
    QLabel *StvolChas, *VetvChas, *PSHour;
    PillarLink *LabelYearSign, *LabelMonthSign, *LabelDaySign, *LabelHourSign;
    QLabel* LabelDayStem;  // element of the day stem
    QLabel *LabelGreatCycleStar, *LabelSmallCycleStar, *LabelYearStar, *LabelMonthStar,
        *LabelDayStar, *LabelHourStar;
    PillarLink* LabelForecast;  // "Прогноз на текущий год по звезде года рождения"
    // The year of the forecast and of the client's document; the current year at first.
    QSpinBox* ForecastYearBox = nullptr;
    QLabel* LabelBaZhai;
    std::array<QLabel*, kLuckPillarCount> LuckAge{};  // by luck pillar 1..9
    std::array<QLabel*, kLuckPillarCount> LuckStem{};
    std::array<QLabel*, kLuckPillarCount> LuckBranch{};
    std::array<QLabel*, kLuckPillarCount> LuckYears{};  // "1994–2003"; the running pillar's framed
    QProgressBar* ProgressBar;
    QLabel* StatusLine;
    // The full chart beside the chart: tabs "Карта", "Полная карта", "Годы и месяцы".
    QTabWidget* ResultTabs = nullptr;
    ChartDetailsPanel* Details = nullptr;
    LuckYearsPanel* Years = nullptr;

    // Commands.
    QAction *ActionClear, *ActionOpen, *ActionSave, *ActionSaveAs, *ActionSaveText, *ActionForecast,
        *ActionCalculate, *ActionClose;
    QAction* PopupForecast;
    QMenu* MenuBirthStars;                       // "Звезды рождения"
    std::array<QAction*, 6> ActionBirthStars{};  // by BirthStar: great cycle … hour
    QAction* ActionStarCombinations;             // "Комбинации звезд"
    QMenu* Popup;
    // Menu "Карта": "Копировать" (the chart as text), "Сохранить изображение...", "Экспорт в
    // PDF..."; menu "Отчет": the text report printed, previewed, as PDF, and "Отчет в PDF..."
    // (chart, report and the forecast for the year in one document).
    QAction* ActionCopy = nullptr;
    PictureActions ChartExport{};
    PrintActions ReportPrint{};
    QAction* ActionClientReport = nullptr;
    void CopyClick();
    void ClientReportClick();
    // The luck pillar running in the main window's year (1..9), 0 for none or without a chart.
    int CurrentLuckPillar() const { return currentLuck_; }

signals:
    // Hooks of the chart labels for the stem/branch tools (the relations and Ba Zhai windows
    // preset with the person's values): a pillar's sign label, the day-stem element label (the
    // main window adds its current month branch), the Ba Zhai label and the year star label.
    void PillarSignClicked(Pillar pillar);
    void DayStemElementClicked(Stem dayStem);
    void BaZhaiClicked(int guaNumber);
    void YearStarClicked(int displayedYearStar);
    // "Комбинации звезд": the star combination window, as it was last left.
    void StarCombinationsRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The frame (people_window.cpp): commands, menus, the person in the controls.
    void BuildCommands();
    void CreateActions();
    void BuildMenus();
    void BuildToolbarAndPopup();
    void ConnectCommands();
    // The clear without a question: born now, no name, female, the settings' time values.
    void Reset();
    void ShowPerson(const Person& person);
    void Edited();
    void UpdateResultCommands();

    // The birth data (people_window_entry.cpp).
    QWidget* BuildEntry();
    QHBoxLayout* BuildNameRow(QWidget* entry);
    QHBoxLayout* BuildBirthMomentRow(QWidget* entry);
    void ConnectEdits();

    // The chart on display (people_window_chart.cpp).
    QWidget* BuildResults();
    // The parts of the results, built into `results` (which gives them its small font).
    QWidget* BuildPillarColumn(QWidget* results);
    QGridLayout* BuildStarRows(QWidget* results);
    QHBoxLayout* BuildLuckPillars(QWidget* results);
    // A control shown and hidden with the results (SetResultsVisible).
    template <typename W>
    W* Result(W* control) {
        results_.push_back(control);
        return control;
    }
    void AllDraw(Moment birth);
    void ShowPillarCaptions(const PersonChartTexts& t);
    void ShowStarCaptions(const PersonChartTexts& t);
    void ShowLuckPillars(const PersonChart& c, const PersonChartTexts& t);
    void PeopleTrue();
    void PeopleFalse();
    void SetResultsVisible(bool visible);
    void Progress(int percent);

    // Texts opened from the chart (people_window_reports.cpp): the window that text viewers and
    // reports opened from here belong to, the program's main window, so that they outlive an extra
    // person window closed before them.
    QWidget* Owner();

    // The chart copied, exported and printed (person_chart_output.cpp).
    void BuildOutputCommands();
    void MarkCurrentLuckPillar();
    // The forecast commands name the forecast's year.
    void ShowForecastYear();
    // The tabs of the full chart around `chart` (people_window_layers.cpp).
    QTabWidget* BuildChartLayers(QWidget* chart);
    void ShowChartLayers();
    void ClearChartLayers();
    int CalendarYear() const;
    int ChosenForecastYear() const;
    // The chart as the client receives it (picture and PDF page), the luck pillar running in
    // `year` marked; empty before a calculation.
    Picture ChartSheet(int year) const;
    QString PageHeader() const;

    const PillarGlyphs& glyphs_;
    PeopleHost host_;
    std::vector<QWidget*> results_;
    std::optional<PersonCalculation> calculation_;
    Moment storedBirth_ = 0;
    DocumentFile document_;  // the ".gvp" file of the person
    bool chartCurrent_ = false;
    bool birthStarsAvailable_ = false;
    bool resultsShown_ = false;
    bool filling_ = false;  // the controls are being filled by the window itself
    QWidget* resultsArea_ = nullptr;
    int currentLuck_ = 0;
};

// The window's caption with no file and no calculated name.
extern const char* const kPeopleCaption;  // "Персональный гороскоп"
