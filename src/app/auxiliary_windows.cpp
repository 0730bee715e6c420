// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/auxiliary_windows.h"

#include "app/settings_backup.h"

void AuxiliaryWindows::Add(QWidget* window, const WindowSection& section,
                           const ScreenLayout& layout) {
    const auto store = OpenSettingsStore();
    const bool show = RestoreWindowGeometry(*window, *store, section, layout);
    windows_.push_back({window, &section, show});
    // A window that joins after the main window is up shows at once.
    if (started_ && show) window->show();
}

void AuxiliaryWindows::ShowRestored() {
    started_ = true;
    for (const Entry& e : windows_)
        if (e.window && e.showAtStart) e.window->show();
}

void AuxiliaryWindows::SaveAll() const {
    const auto store = OpenSettingsStore();
    for (const Entry& e : windows_)
        if (e.window) SaveWindowGeometry(*e.window, *store, *e.section);
    SyncSettings(*store);
}

void AuxiliaryWindows::ApplyDefaultLayout(const ScreenLayout& layout) {
    for (const Entry& e : windows_)
        if (e.window && e.section->inDefaultLayout)
            ApplyDefaultGeometry(*e.window, *e.section, layout);
}
