// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the main window: one table of captions, shortcuts and toolbar hints, and the
// main menu, the second toolbar and the popup menu built from it. Commands whose window is not
// part of the program yet stay disabled until that window is connected.
#include <QObject>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

enum class Command {
    // "Файл"
    NewWindow,
    Person,
    GeomanticTable,
    Settings,
    Exit,
    // "Окна"
    Calendar,
    Circle,
    SeasonsList,
    GoodDays,
    Mansions,
    Relations,
    Ruler,
    BaZhai,
    StarCombinations,
    Trigrams,
    Notes,
    DaySelection,
    StarDescriptions,
    BaZhaiSectors,
    YinYangPower,
    LoShu,
    StemBranchTable,
    StemBranchDiagram,
    FiveElementDiagram,
    FiveElementAnalogies,
    OrgansMeridians,
    // "Сервис"
    Help,
    About,
    // Popup menu only
    PopupPerson,
    PopupShowInCalendar,
    PopupSettings,
    Count
};

constexpr int kCommandCount = static_cast<int>(Command::Count);

class MainCommands : public QObject {
    Q_OBJECT
public:
    // Creates the actions (all disabled but those the shell itself serves) and builds the menu
    // bar, the second toolbar and the popup menu of `window`.
    explicit MainCommands(QMainWindow& window);

    QAction* Action(Command c) const { return actions_[static_cast<int>(c)]; }
    QMenu* Popup() const { return popup_; }
    QToolBar* Toolbar() const { return toolbar_; }
    // The toolbar's names under its pictograms, or pictograms alone (the names stay the hints).
    void ShowCaptions(bool shown);

private:
    std::array<QAction*, kCommandCount> actions_{};
    QMenu* popup_ = nullptr;
    QToolBar* toolbar_ = nullptr;
};
