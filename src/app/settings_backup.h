// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file kept through a full disk. Where the store is a file (an INI file under the
// user's configuration folder), a write that fails half-way — room for the lock file but not for
// the new copy — can leave it empty: every setting and window place lost. So every successful
// write refreshes a copy beside it ("Gavrosin.conf.bak", through the checked whole-file writer),
// a failed one puts the last good file back, and a file found empty or unreadable at start is
// restored from the copy. A failure is said once per run; the program goes on with the settings
// it holds in memory.
#include <QString>
#include <functional>

class QSettings;

// The copy of a settings file.
QString SettingsBackupPath(const QString& settingsFile);

// Before the store is first opened: an empty or unreadable settings file is replaced by its
// copy. True when it was restored.
bool RestoreSettingsFromBackup(const QString& settingsFile);

// Writes the store and checks it (QSettings::status). On success the copy is brought up to
// date; on failure the last good file is put back and the failure reported (once per run).
// Returns whether the settings were written.
bool SyncSettings(QSettings& store);

// Who hears that the settings could not be saved (the main window shows a box); tests listen.
void SetSettingsFailureReporter(std::function<void(const QString&)> reporter);
// Tests only: the next failure is reported again.
void ResetSettingsFailureReport();
