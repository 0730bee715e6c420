// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/output_target.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::string Quoted(const QString& path) {
    return "«" + QDir::toNativeSeparators(path).toStdString() + "»";
}

}  // namespace

std::string RefuseSpecialTarget(const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QFileInfo target(name);
    // exists() and isFile() follow a link: a link to a regular file is written through.
    if (!target.exists() || target.isFile()) return {};
    const char* what = target.isDir() ? "папка" : "не обычный файл (устройство или канал)";
    return "Файл " + Quoted(name) + " не сохранен: это " + what + ". Укажите имя обычного файла.";
}

std::string CheckOutputTarget(const std::string& path) {
    if (std::string refused = RefuseSpecialTarget(path); !refused.empty()) return refused;
    const QString name = QString::fromStdString(path);
    const QFileInfo target(name);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) {
        return "Файл " + Quoted(name) + " не сохранен: папки " + Quoted(folder.filePath()) +
               " нет. Выберите существующую папку.";
    }
    if (!folder.isWritable()) {
        return "Нет прав на запись в папку " + Quoted(folder.filePath()) + ". Файл " +
               Quoted(name) + " не сохранен; сохраните его в другую папку.";
    }
    return {};
}

std::string CheckOutputTargets(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (IsStandardOutput(path)) continue;
        const std::string problem = CheckOutputTarget(path);
        if (!problem.empty()) return problem;
    }
    return {};
}

bool IsStandardOutput(const std::string& path) {
    return path == "-";
}
