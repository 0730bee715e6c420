// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's shipped data is, decided in one place for the windows and the command line.
#include <QString>

// Where the data of an executable in `executableFolder` is: that folder when it holds the data
// (its "other" folder), else "../share/gavrosin" when that exists, else that folder again (the
// data paths then report what is missing). `shared` tells which.
QString FindDataFolder(const QString& executableFolder, bool* shared);
