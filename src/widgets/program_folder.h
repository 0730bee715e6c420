// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ProgramFolder: the data folder, root of every data path. One function decides where it is:
// beside the executable when the data is there (a build folder, an unpacked copy, a Windows
// installation), otherwise the shared data folder of an installation, <prefix>/share/gavrosin
// beside <prefix>/bin. The program never writes there: what the user changes (the notes) lives in
// UserFilePath. Data paths are written with backslashes ("\bmp\diag.bmp", "\other\ses\s1.rtf");
// DataPath turns them into a path of this platform.
#include <QString>

#include "text/data_folder.h"

QString ProgramFolder();
// Tests point the data paths at their own folder; an empty text restores the decision above.
// `shared` says the folder is an installation's shared data folder (never written).
void SetProgramFolder(const QString& folder, bool shared = false);

// ProgramFolder + a backslash-separated relative path, with the platform's separators.
QString DataPath(const QString& backslashPath);

// The file the user changes that ships as the template `backslashPath` ("\other\notes.txt"):
// beside the data when the data folder is the executable's own and the user may write that file
// (as the program always did), else under the user's data folder (UserDataFolder), copied there
// from the template on first use. A failed copy leaves no file; the caller's reading then reports
// it.
QString UserFilePath(const QString& backslashPath);

// The user's own data folder: the platform's application data location under the name
// "Gavrosin", without the version, so that notes survive an upgrade (~/.local/share/Gavrosin,
// %LOCALAPPDATA%\Gavrosin).
QString UserDataFolder();
// Tests keep the user's data in their own folder; an empty text restores the one above.
void SetUserDataFolder(const QString& folder);
