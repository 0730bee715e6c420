// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application shell: holds the current moment (a date picker and a time picker), recalculates
// everything when the moment changes, opens the auxiliary windows, and on exit stores the
// geometry of all windows. The auxiliary windows are created here once, in the start-up order.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/auxiliary_windows.h"
#include "app/main_commands.h"
#include "app/moment_cascade.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/typed_date_edit.h"
#include "widgets/window_cascade.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QStatusBar;
class QTimer;
class QToolButton;
class TFormCalendar;
class TFormCircle;
class TFormSettings;
// The reference windows.
class TFormLegenda;
class TFormLine;
class TFormNote;
class TFormSeasoneList;
class TFormTable2;
class TFormTable4;
class TFormTable5;
class TFormTable6;
class TFormTable7;
class TFormTable9;
class TFormVV;
// The stem and branch tools.
class TFormBCShema;
class TFormCombo;
class TFormConstell;
class TFormCzPin;
class TFormGoodDay;
class TFormGua;
class TFormPower;
// The geomantic table.
class TFormFh;
// The person.
class TFormPeople;

class TFormMainGVR : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMainGVR(QWidget* parent = nullptr);
    ~TFormMainGVR() override;

    // Files handed over by a later start of the program (one program per user): each opens in
    // its window (a person being edited keeps its window, a second one takes the file; the
    // table's unsaved changes are asked about), and the program comes to the front.
    void OpenHandedFiles(const QStringList& files);

    // The full recalculation for the civil moment m, and its first part.
    void AllCalc(Moment m);
    void MainCalculation(Moment m);
    // Another window's moment (a birth moment) into both pickers, recalculated while the switch
    // "Отображать в календаре" is on.
    void SetMoment(Moment m);

    // The moment of the date picker (date and time together).
    Moment PickerMoment() const;
    // The time settings as the settings window shows them now.
    TimeSettings CurrentTimeSettings() const;
    // What the defaults of the window geometry are measured against.
    ScreenLayout Layout() const;

    // A window that may refuse the program's end (unsaved data): asked first when closing. Once
    // every window has agreed, `settle` tells each that its question is answered, so that the
    // windows closing with the program do not ask it again.
    void AddCloseGuard(std::function<bool()> mayClose, std::function<void()> settle = {});

    // Event handlers.
    void NowButtonClick();
    void TimerTick();
    void MyDateChange();
    void MyTimeChange();
    void AddDaysClick();       // "Прибавить дни"
    void SubtractDaysClick();  // "Отнять дни"
    void EditDayPlusChange();
    void CheckBoxRaschClick();
    void ShowInCalendarClick();  // popup "Отображать в календаре"
    void SettingsClick();
    void SettingsApplied();
    void DefaultLayoutClick();
    void NewWindowClick();
    void HelpClick();
    void AboutClick();

    // Controls.
    TypedDateEdit* MyDate;
    TypedTimeEdit* MyTime;
    QToolButton* NowButton;
    QLineEdit* EditDayPlus;
    QToolButton* AddDaysButton;
    QToolButton* SubtractDaysButton;
    QCheckBox* CheckBoxRasch;
    QProgressBar* ProgressBarMain;
    QStatusBar* StatusBarFH;
    QLabel* StatusLine;    // the time settings line in StatusBarFH
    QLabel* BoundaryLine;  // the moment within minutes of a calendar boundary, hidden otherwise
    QTimer* ClockTimer;

    // Windows and shared state.
    TFormSettings* FormSettings() const { return settings_; }
    TFormCalendar* FormCalendar() const { return calendar_; }
    TFormCircle* FormCircle() const { return circle_; }
    // The reference windows (the geomantic table draws on the compass and shows the legend).
    TFormSeasoneList* FormSeasoneList() const { return seasons_; }
    TFormNote* FormNote() const { return notes_; }
    TFormTable7* FormCompass() const { return compass_; }
    TFormLegenda* FormLegenda() const { return legend_; }
    // The stem and branch tools (the person and table windows preset them).
    TFormGoodDay* FormGoodDay() const { return goodDay_; }
    TFormConstell* FormConstell() const { return constell_; }
    TFormBCShema* FormBCShema() const { return baZhai_; }
    TFormPower* FormPower() const { return power_; }
    TFormCzPin* FormCzPin() const { return relations_; }
    TFormCombo* FormCombo() const { return combo_; }
    TFormGua* FormGua() const { return gua_; }
    TFormFh* FormFh() const { return fh_; }
    TFormPeople* FormPeople() const { return people_; }
    MainCommands& Commands() const { return *commands_; }
    MomentCascade& Cascade() const { return *cascade_; }
    const PillarGlyphs& Glyphs() const { return *glyphs_; }
    AuxiliaryWindows& Windows() { return windows_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMomentToolbar();
    void ConnectCommands();
    void CreateAuxiliaryWindows();
    // Its parts, in start-up order (the person window comes between compass and table).
    void CreateCalendarWindows(const ScreenLayout& layout);
    void CreateCompassWindows(const ScreenLayout& layout);
    void CreateTableWindow(const ScreenLayout& layout);
    void CreateReferenceWindows(const ScreenLayout& layout);
    void SetPickers(Moment m);
    void SetDateKeepingTime(Moment m);
    void ShowStatusLine();
    void ShowWindow(QWidget* window);
    // A person window: the one of the start-up, or an extra copy (popup "Персональный гороскоп").
    TFormPeople* NewPersonWindow();
    // One more person window (the popup's "Персональный гороскоп"), placed below the others.
    TFormPeople* ExtraPersonWindow();

    MainCommands* commands_ = nullptr;
    std::unique_ptr<PillarGlyphs> glyphs_;
    TFormSettings* settings_ = nullptr;
    TFormCalendar* calendar_ = nullptr;
    TFormCircle* circle_ = nullptr;
    TFormSeasoneList* seasons_ = nullptr;
    TFormTable7* compass_ = nullptr;
    TFormVV* loShu_ = nullptr;
    TFormTable9* organs_ = nullptr;
    TFormTable2* stemBranchTable_ = nullptr;
    TFormTable4* stemBranchDiagram_ = nullptr;
    TFormTable6* analogies_ = nullptr;
    TFormTable5* fiveElementDiagram_ = nullptr;
    TFormLine* ruler_ = nullptr;
    TFormLegenda* legend_ = nullptr;
    TFormNote* notes_ = nullptr;
    TFormGoodDay* goodDay_ = nullptr;
    TFormConstell* constell_ = nullptr;
    TFormBCShema* baZhai_ = nullptr;
    TFormPower* power_ = nullptr;
    TFormCzPin* relations_ = nullptr;
    TFormCombo* combo_ = nullptr;
    TFormGua* gua_ = nullptr;
    TFormFh* fh_ = nullptr;
    TFormPeople* people_ = nullptr;
    std::unique_ptr<MomentCascade> cascade_;
    AuxiliaryWindows windows_;
    struct CloseGuard {
        std::function<bool()> mayClose;
        std::function<void()> settle;
    };
    std::vector<CloseGuard> closeGuards_;
    bool shownOnce_ = false;
    QWidget* commandLineWindow_ = nullptr;  // opened a file named on the command line
    WindowCascade personCascade_{
        QPoint(24, 24)};  // extra person windows, from the first one's place
};
