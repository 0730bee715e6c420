// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows that keep a file (person ".gvp", geomantic table ".gvt") notice when the file was
// changed on disk since they opened or saved it — by another copy of the program, another
// program, a synced folder — before a save would silently overwrite that change, and again when
// the window comes back to the front. The user chooses: reload the file from disk, overwrite it
// with the window's data, or save the window's data under another name.
#include <QObject>
#include <QString>
#include <functional>

#include "text/file_stamp.h"

class QWidget;

enum class DiskChangeAnswer { Reload, Overwrite, SaveElsewhere, Cancel };

// Asks over `parent` about the file `path`. Tests replace the asker to answer without a box.
DiskChangeAnswer AskDiskChange(QWidget* parent, const QString& path);
void SetDiskChangeAsker(std::function<DiskChangeAnswer(QWidget*, const QString&)> asker);
// The question's text for a file.
QString DiskChangeText(const QString& path);

class DiskChangeGuard : public QObject {
public:
    // What the window does with an answer: `reload` opens the file again (the window's data
    // dropped; false when it could not be read, the window has said why), `save` writes the
    // window's data to its file as it stands, `saveAs` asks for another name and writes there.
    // `modified` says whether the window holds edits: a window without any reloads a file
    // changed on disk without asking.
    struct Actions {
        std::function<bool(const QString&)> reload;
        std::function<void()> save;
        std::function<void()> saveAs;
        std::function<bool()> modified;
    };
    // Watches `window` coming to the front (it must outlive the guard's use).
    DiskChangeGuard(QWidget& window, Actions actions);

    // The file as the window has just read it.
    void Remember(const QString& path);
    // The window no longer keeps a file (closed, cleared).
    void Forget();

    // Writes the window's data to `path` through `write` (true when written; it reports its own
    // failure). When `path` is the window's file, its lock is held while the file is compared
    // with what the window knows and replaced (text/locked_save.h), so that of two copies saving
    // at once the second is asked. A file changed on disk asks first (reload, overwrite, save
    // under another name); true only when `write` wrote the file at `path`.
    bool Save(const QString& path, const std::function<bool()>& write);

    // The check made when the window comes to the front: a window without edits reloads the
    // changed file and says so in its status line; one with edits asks, once for one change.
    void CheckNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Remember(const QString& path, const FileStamp& stamp);
    DiskChangeAnswer Ask(const FileStamp& change);
    bool AnsweredAlready(const FileStamp& change) const;
    void ShowReloaded();

    QWidget& window_;
    Actions actions_;
    QString path_;
    FileStamp known_;     // the file as the window read or wrote it
    FileStamp answered_;  // the change on disk the user last answered for
    bool hasAnswered_ = false;
    bool asking_ = false;
};
