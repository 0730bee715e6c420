#pragma once
// The open and save dialogs of the windows that read and write files. Tests replace them so that
// a command runs without a dialog.
#include <QString>
#include <functional>

class QWidget;

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;         // Qt name filter, e.g. "(*.rtf)"
    QString defaultSuffix;  // added to a typed name without extension (save)
    QString proposedName = {};  // the file name a save dialog offers (may include a folder)
};

// The chosen file, or "" when the user cancelled. The save dialog asks before it overwrites.
QString AskFileName(QWidget* parent, const FileDialogRequest& request);

// Replaces the dialogs; an empty function restores the real ones.
using FileDialogAsker = std::function<QString(QWidget*, const FileDialogRequest&)>;
void SetFileDialogAsker(FileDialogAsker asker);
