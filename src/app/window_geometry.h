#pragma once
// Restores and saves a window's position, size and visibility in its section of the settings
// store, and places it in the default arrangement. Every window uses these; none keeps its own copy.
#include <QSize>

#include "app/settings_store.h"

class QWidget;

// What the defaults are measured against: the screen and the main window.
struct ScreenLayout {
    QSize screen;              // screen size, pixels
    int belowMainMenu = 0;     // H₀: main window height − main client height + 50
    int mainClientHeight = 0;  // the main window's client height
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
void ApplyDefaultGeometry(QWidget& window, const WindowSection& section, const ScreenLayout& layout);
