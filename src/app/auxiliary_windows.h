// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The auxiliary windows of the main window with their sections of the settings store: each
// restores its geometry when it is added, is shown once the main window is up if it was showing
// at the last exit, and has its geometry written back when the program ends.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "app/settings_store.h"
#include "widgets/window_geometry.h"

class AuxiliaryWindows {
public:
    // Restores the window's geometry from its section (in the order of creation).
    void Add(QWidget* window, const WindowSection& section, const ScreenLayout& layout);
    // Shows the windows that were showing at the last exit (or are shown by default).
    void ShowRestored();
    // Writes every window's geometry into the store.
    void SaveAll() const;
    // "Интерфейс «по умолчанию»": every window it places to its default place, shown or hidden.
    void ApplyDefaultLayout(const ScreenLayout& layout);

private:
    struct Entry {
        QPointer<QWidget> window;
        const WindowSection* section;
        bool showAtStart;
    };
    std::vector<Entry> windows_;
    bool started_ = false;
};
