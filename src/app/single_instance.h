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

class QLocalServer;

// The option that forces a copy of its own.
inline constexpr const char* kNewInstanceOption = "--new-instance";

// The files among the program's arguments (after the program's name, without the options).
QStringList FileArguments(const QStringList& arguments);

// The socket name of this user's program: one per user and configuration folder (the user's
// QStandardPaths::GenericConfigLocation), so that tests and users with separate configurations
// do not meet each other's program.
QString InstanceSocketName(const QString& configFolder);

// Hands `files` (absolute paths; may be empty: then the running program only comes to the front)
// to a running program. True when one took them; false when none runs.
bool HandToRunningInstance(const QString& socketName, const QStringList& files);

// The running program's side: listens on the socket and calls `open` with the files of every
// later start, on the user-interface thread.
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
    std::function<void(const QStringList&)> open_;
};
