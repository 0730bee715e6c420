#pragma once
// ProgramFolder: the folder of the executable, root of every data path. Data paths are written
// with backslashes ("\bmp\diag.bmp", "\other\ses\s1.rtf"); DataPath turns them into a path of
// this platform.
#include <QString>

QString ProgramFolder();
// Tests point the data paths at their own folder; an empty text restores the executable's folder.
void SetProgramFolder(const QString& folder);

// ProgramFolder + a backslash-separated relative path, with the platform's separators.
QString DataPath(const QString& backslashPath);
