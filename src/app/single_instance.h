// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program per user: a second start (the desktop's double-click on a ".gvp" or ".gvt" while
// the program runs) hands its files to the running program through a local socket and ends; the
// running program opens them and comes to the front. "--new-instance" starts a copy of its own
// regardless ("Новое окно программы" does so).
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class HandOverGate;
class QLocalServer;

// The option that forces a copy of its own.
inline constexpr const char* kNewInstanceOption = "--new-instance";

// The most files one start hands over (the desktop starts the program once per file).
inline constexpr int kMaxHandedFiles = 8;

// The files among the program's arguments (after the program's name, without the options).
QStringList FileArguments(const QStringList& arguments);

// The socket name of this user's program: one per user and configuration folder (the user's
// QStandardPaths::GenericConfigLocation), so that tests and users with separate configurations
// do not meet each other's program. On Unix a path in the user's private folder
// (PrivateRuntimeFolder), empty when the user has none: the program then runs on its own.
QString InstanceSocketName(const QString& configFolder);

// Hands `files` (absolute paths, at most kMaxHandedFiles; may be empty: then the running program
// only comes to the front) to a running program of this user. True when one took them; false
// when none runs, or the socket or the program answering on it is another user's.
bool HandToRunningInstance(const QString& socketName, const QStringList& files);

// The running program's side: listens on the socket and calls `open` with the files of later
// starts, on the user-interface thread: only person and table files and a few a second, the
// rest told in one box (HandOverGate). Connections of other users and messages longer than a
// start sends are dropped unread.
class InstanceServer : public QObject {
public:
    InstanceServer(const QString& socketName, std::function<void(const QStringList&)> open,
                   QObject* parent = nullptr);
    // Whether this program now answers later starts (false if another took the name first, or
    // the socket cannot be made: the program then simply runs on its own).
    bool Listening() const;

private:
    void Accept();
    QLocalServer* server_;
    HandOverGate* gate_;
    int connections_ = 0;  // open now
};
