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
    // dropped), `save` writes the window's data to its file as it stands, `saveAs` asks for
    // another name and writes there.
    struct Actions {
        std::function<void(const QString&)> reload;
        std::function<void()> save;
        std::function<void()> saveAs;
    };
    // Watches `window` coming to the front (it must outlive the guard's use).
    DiskChangeGuard(QWidget& window, Actions actions);

    // The file as the window has just read or written it.
    void Remember(const QString& path);
    // The window no longer keeps a file (closed, cleared).
    void Forget();

    // Before writing the window's data to `path`: true when the save may go on (the file is
    // another than the one opened, unchanged, or the user chose to overwrite it); false when the
    // question took another way (reloaded, saved elsewhere, cancelled) and this save must not
    // write.
    bool MaySave(const QString& path);

    // The check made when the window comes to the front; asks at most once for one change.
    void CheckNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Actions actions_;
    QString path_;
    FileStamp known_;     // the file as the window read or wrote it
    FileStamp declined_;  // the change the user last declined to act on, when it came to the front
    bool asking_ = false;
};
