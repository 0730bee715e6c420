// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's own corner of a shared machine: the folder where the program's socket lives and the
// checks that what is found there, and who answers on it, is this user's and no one else's.
// Another local user must neither receive this user's file paths nor stop this user's program.
#include <QString>
#include <QtGlobal>

// This user's private folder for the program's socket: the runtime folder of the session
// (XDG_RUNTIME_DIR) when it is this user's alone, else a folder "gavrosin-<user id>" in the
// temporary folder made for this user alone (mode 0700). Empty when neither is: someone else made
// it first, and the program then runs on its own. Windows has no such folder (empty): its named
// pipes are made for this user alone.
QString PrivateRuntimeFolder();

// Whether the entry at `path` (a link itself, not what it points to) belongs to this user.
// True on systems without owners of files.
bool OwnedByThisUser(const QString& path);

// Whether the program at the other end of the connected local socket `descriptor` runs as this
// user. True on systems that cannot tell (Windows, where the pipe admits this user only).
bool PeerIsThisUser(qintptr descriptor);
