#include "widgets/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

}  // namespace

QString ProgramFolder() {
    if (!FolderOverride().isEmpty()) return FolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) { FolderOverride() = folder; }

QString DataPath(const QString& backslashPath) {
    QString relative = backslashPath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/'))) relative.remove(0, 1);
    return QDir::toNativeSeparators(QDir(ProgramFolder()).filePath(relative));
}
