// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file behind a document window (the person, the geomantic table): which file the document
// is kept in, whether it is bound to it, whether it was edited since it was last read or written;
// and the one save flow of those windows: choose a name, write through the window's checked
// writer, clear the edited mark and show the file's name as the caption, or report the error and
// keep everything as it was. A file changed on disk since it was read or written (another copy
// of the program, another program, a synced folder) is noticed before a save overwrites it and
// when the window comes to the front (widgets/disk_change_guard.h).
#include <QString>
#include <functional>
#include <string>

class DiskChangeGuard;
class QWidget;

// What kind of file a window keeps and how it writes it.
struct DocumentFileKind {
    QString filter;  // the dialogs' name filter, "(*.gvp)"
    QString suffix;  // added to a name typed without one, "gvp"
    // Whether "Сохранить как..." offers the caption in the folder of the document's last file;
    // otherwise the caption alone (the dialog starts in the folder last used for the kind).
    bool proposeInFileFolder = false;
    // Writes the document to a path as a whole; raises EFileError when it cannot.
    std::function<void(const std::string& path)> write;
    // Reads the document from a path again (the file was changed on disk and the user chose to
    // reload it); false when it could not be read (the window has said why).
    std::function<bool(const QString& path)> reload;
    // The name a first save proposes (the person's name); the caption when empty or not given.
    std::function<QString()> proposedName = {};
};

class DocumentFile {
public:
    DocumentFile(QWidget& window, DocumentFileKind kind);

    bool Modified() const { return modified_; }
    bool Bound() const { return bound_; }
    const QString& Path() const { return path_; }

    // The user changed the document.
    void MarkModified() { modified_ = true; }
    // The program ends and the question was answered: nothing is left to save.
    void ForgetChanges() { modified_ = false; }
    // The document was read from `path`: bound to it, unedited, the caption its file name.
    void Opened(const QString& path);
    // The window let go of its document (closed, new inputs): unbound and unedited; the last
    // path still places the next "Сохранить как..." proposal.
    void Unbind();
    // As Unbind, and the path is forgotten too.
    void Clear();

    // The open dialog for the kind: the chosen file, or "" when the user cancelled.
    QString AskOpenName();
    // "Сохранить": to the bound file, else as SaveAs. True when the file was written.
    bool Save();
    // "Сохранить как...": the save dialog, proposing the window's caption, then WriteTo. False
    // when the dialog was cancelled or the file not written.
    bool SaveAs();
    // Writes the document to `path`; on success the window is bound to it, unedited, and its
    // caption is the file's name; on failure the error is shown and nothing changes. When `path`
    // is the document's file and it changed on disk meanwhile, the user is asked first (reload,
    // overwrite, save under another name); the check and the write are one step under the
    // file's lock. False unless the document was written there.
    bool WriteTo(const QString& path);
    // Before the document is replaced or closed: the unsaved-changes question when it was edited
    // ("Да" saves it first). True when the document may go; false when the user cancelled or the
    // save did not happen.
    bool MayDiscard();

    // The file the unsaved-changes question names: the bound file's name, or the name a first
    // save would propose ("Иван.gvp").
    QString FileName() const;

private:
    // Bound to `path`, unedited, the caption its file name.
    void Bind(const QString& path);
    // Writes through the kind's writer; false with the error shown.
    bool Write(const QString& path);
    QString ProposedName() const;

    QWidget& window_;
    DocumentFileKind kind_;
    DiskChangeGuard* diskGuard_;  // owned by the window
    QString path_;
    bool bound_ = false;
    bool modified_ = false;
};
