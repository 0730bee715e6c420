// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_backup.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "text/whole_file.h"

namespace {

std::function<void(const QString&)>& Reporter() {
    static std::function<void(const QString&)> reporter;
    return reporter;
}
bool g_reported = false;

std::string Bytes(const QString& path) {
    std::string bytes;
    if (!ReadWholeFile(path.toStdString(), bytes).empty()) return {};
    return bytes;
}

// A settings file worth keeping: not empty, and read by QSettings without a format error.
bool Readable(const QString& path) {
    if (QFileInfo(path).size() <= 0) return false;
    const QSettings probe(path, QSettings::IniFormat);
    return probe.status() == QSettings::NoError;
}

void Report(const QString& message) {
    if (g_reported) return;
    g_reported = true;
    if (Reporter()) Reporter()(message);
}

}  // namespace

QString SettingsBackupPath(const QString& settingsFile) {
    return settingsFile + QStringLiteral(".bak");
}

bool RestoreSettingsFromBackup(const QString& settingsFile) {
    const QString backup = SettingsBackupPath(settingsFile);
    if (!QFileInfo(settingsFile).exists() || Readable(settingsFile) || !Readable(backup))
        return false;
    return ReplaceWholeFile(settingsFile.toStdString(), Bytes(backup)).empty();
}

bool SyncSettings(QSettings& store) {
    store.sync();
    const QString file = store.fileName();
#ifdef Q_OS_WIN
    // The registry has no file to keep.
    const bool isFile = store.format() != QSettings::NativeFormat;
#else
    const bool isFile = true;
#endif
    // QSettings may report success for a file the full disk left empty or cut short: the file
    // must also read back with every key the store holds.
    const int keys = store.allKeys().size();
    const bool written =
        store.status() == QSettings::NoError &&
        (!isFile || keys == 0 ||
         (Readable(file) && QSettings(file, QSettings::IniFormat).allKeys().size() >= keys));
    if (written) {
        if (!isFile || keys == 0) return true;
        const std::string bytes = Bytes(file);
        const QString backup = SettingsBackupPath(file);
        if (!bytes.empty() && Bytes(backup) != bytes) ReplaceWholeFile(backup.toStdString(), bytes);
        return true;
    }
    if (isFile) RestoreSettingsFromBackup(file);
    Report(QString::fromUtf8("Настройки не сохранены: не удалось записать файл «%1» (диск "
                             "заполнен или нет прав на запись). Прежние настройки сохранены; "
                             "освободите место на диске, и при следующем выходе из программы "
                             "они будут записаны.")
               .arg(QDir::toNativeSeparators(file)));
    return false;
}

void SetSettingsFailureReporter(std::function<void(const QString&)> reporter) {
    Reporter() = std::move(reporter);
}

void ResetSettingsFailureReport() {
    g_reported = false;
}
