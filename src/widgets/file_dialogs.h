// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open and save dialogs of the windows that read and write files. Tests replace them so that
// a command runs without a dialog.
#include <QString>
#include <functional>

class QWidget;

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;             // Qt name filter, e.g. "(*.rtf)"
    QString defaultSuffix;      // added to a typed name without extension (save)
    QString proposedName = {};  // the file name a save dialog offers (may include a folder)
};

// The chosen file, or "" when the user cancelled. The save dialog asks before it overwrites.
QString AskFileName(QWidget* parent, const FileDialogRequest& request);

// Replaces the dialogs; an empty function restores the real ones.
using FileDialogAsker = std::function<QString(QWidget*, const FileDialogRequest&)>;
void SetFileDialogAsker(FileDialogAsker asker);

// The folder a dialog for files of `filter` ("(*.gvp)") starts in: the folder last used for that
// kind of file (remembered in the settings store, section "Folders", by extension), else the
// user's documents folder.
QString StartFolder(const QString& filter);
// Remembers the folder of a file chosen for `filter`.
void RememberFolder(const QString& filter, const QString& chosenFile);
// The kind of file of a filter: its first extension in lower case ("gvp"); "" for none.
QString FileKindOf(const QString& filter);
