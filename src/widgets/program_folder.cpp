// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "text/whole_file.h"

namespace {

struct FolderOverride {
    QString folder;
    bool shared = false;
    QString userFolder;
};

FolderOverride& Override() {
    static FolderOverride value;
    return value;
}

// The decision is made once per run: the executable does not move while it runs.
const QString& FoundFolder(bool* shared) {
    static bool foundShared = false;
    static const QString folder =
        FindDataFolder(QCoreApplication::applicationDirPath(), &foundShared);
    *shared = foundShared;
    return folder;
}

QString Relative(const QString& backslashPath) {
    QString relative = backslashPath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/'))) relative.remove(0, 1);
    return relative;
}

bool DataFolderIsShared() {
    if (!Override().folder.isEmpty()) return Override().shared;
    bool shared = false;
    FoundFolder(&shared);
    return shared;
}

// Copies the template whole or not at all.
bool CopyTemplate(const QString& from, const QString& to) {
    std::string bytes;
    if (!ReadWholeFile(from.toStdString(), bytes).empty()) return false;
    if (!QDir().mkpath(QFileInfo(to).absolutePath())) return false;
    return ReplaceWholeFile(to.toStdString(), bytes).empty();
}

// Whether the program may change the file: an existing file is opened for writing (which leaves
// it as it is), since permission bits alone do not tell on every platform; a missing one may be
// created when its folder is writable.
bool MayWrite(const QString& path) {
    QFile file(path);
    if (file.exists()) return file.open(QIODevice::ReadWrite);
    return QFileInfo(QFileInfo(path).absolutePath()).isWritable();
}

}  // namespace

QString ProgramFolder() {
    if (!Override().folder.isEmpty()) return Override().folder;
    bool shared = false;
    return FoundFolder(&shared);
}

void SetProgramFolder(const QString& folder, bool shared) {
    Override().folder = folder;
    Override().shared = shared;
}

QString DataPath(const QString& backslashPath) {
    return QDir::toNativeSeparators(QDir(ProgramFolder()).filePath(Relative(backslashPath)));
}

QString UserDataFolder() {
    if (!Override().userFolder.isEmpty()) return Override().userFolder;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Gavrosin"));
}

void SetUserDataFolder(const QString& folder) {
    Override().userFolder = folder;
}

QString UserFilePath(const QString& backslashPath) {
    const QString shipped = DataPath(backslashPath);
    if (!DataFolderIsShared() && MayWrite(shipped)) return shipped;
    const QString own =
        QDir::toNativeSeparators(QDir(UserDataFolder()).filePath(Relative(backslashPath)));
    if (!QFileInfo::exists(own)) CopyTemplate(shipped, own);
    return own;
}
