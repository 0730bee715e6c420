// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/data_folder.h"

#include <QDir>
#include <QFileInfo>

QString FindDataFolder(const QString& executableFolder, bool* shared) {
    const QDir executable(executableFolder);
    *shared = false;
    if (executable.exists(QStringLiteral("other"))) return executable.absolutePath();
    const QString installed = executable.absoluteFilePath(QStringLiteral("../share/gavrosin"));
    if (QFileInfo(installed).isDir()) {
        *shared = true;
        return QDir::cleanPath(installed);
    }
    return executable.absolutePath();
}
