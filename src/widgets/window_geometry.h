// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Restores and saves a window's position, size and visibility in its section of the settings
// store, and places it in the default arrangement. Every window uses these; none keeps its own
// copy.
#include <QRect>
#include <QSettings>
#include <QSize>

class QWidget;

// How a default coordinate is found when the store has no value.
enum class Placement {
    NotStored,        // the window keeps no such value
    Fixed,            // the number given
    Centred,          // (screen − window size) div 2, + the number given (a cascade step)
    BelowMainMenu,    // H₀: main window height − main client height + 50
    RightEdge,        // screen width − window width − 2
    MainClientMinus,  // main client height − the number given
    AtLeastLaidOut,   // a size: the number given, or the window's laid-out size when larger
};

struct Coordinate {
    Placement placement = Placement::NotStored;
    int value = 0;
    bool stored() const { return placement != Placement::NotStored; }
};

enum class Visibility { NotStored, Shown, Hidden };

struct WindowSection {
    const char* section;
    Coordinate left, top, height, width;
    Visibility visible;
    // Calendar and circle: the main client height − 80 when that is below their height of 503.
    bool fitsMainClient = false;
    // Shift of Top when "Интерфейс «по умолчанию»" places the window (good days, mansions).
    int defaultLayoutTopShift = 0;
    // Whether "Интерфейс «по умолчанию»" places the window (the notes and the star combinations
    // stay where the user left them).
    bool inDefaultLayout = true;
};

// Value names of a window section.
namespace GeometryValue {
inline constexpr char Left[] = "Left";
inline constexpr char Top[] = "Top";
inline constexpr char Height[] = "Height";
inline constexpr char Width[] = "Width";
inline constexpr char Visible[] = "Visible";
}  // namespace GeometryValue

// What the defaults are measured against: the screen and the main window.
struct ScreenLayout {
    QSize screen;              // screen size, pixels
    int belowMainMenu = 0;     // H₀: main window height − main client height + 50
    int mainClientHeight = 0;  // the main window's client height
    // The part of the screen windows may use (without the task bar); every window is kept fully
    // inside it. Empty: no such limit (a layout made up for a calculation).
    QRect available;
    // How low the client area of the calendar and circle may reach when they fit the main window,
    // so that they and their frames leave its status line visible; 0: nothing to keep clear.
    int fitBottom = 0;
};

struct WindowGeometry {
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
};

// The default geometry of a section for a window whose current size is `current` (used where
// the section keeps no size, and for centring).
WindowGeometry DefaultGeometry(const WindowSection& section, QSize current,
                               const ScreenLayout& layout);
// The stored geometry, each absent or non-numeric value replaced by its default.
WindowGeometry StoredGeometry(const QSettings& store, const WindowSection& section, QSize current,
                              const ScreenLayout& layout);

// Moves and sizes the window as stored; returns whether it should be shown (the caller shows it
// once the main window is up). Windows that keep no visibility return false.
bool RestoreWindowGeometry(QWidget& window, const QSettings& store, const WindowSection& section,
                           const ScreenLayout& layout);
// Writes the values the section keeps.
void SaveWindowGeometry(const QWidget& window, QSettings& store, const WindowSection& section);
// The default arrangement ("Интерфейс «по умолчанию»"): moves, sizes and shows or hides.
void ApplyDefaultGeometry(QWidget& window, const WindowSection& section,
                          const ScreenLayout& layout);
