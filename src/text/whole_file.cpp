// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>

#include "text/output_target.h"

namespace {

int g_saveFault = 0;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

std::string Quoted(const QString& path) {
    return "«" + S(QDir::toNativeSeparators(path)) + "»";
}

QString FolderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

std::string CannotCreateMessage(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(FolderOf(path));
    if (!folder.isDir()) {
        return "Файл " + Quoted(path) + " не сохранен: папки " + Quoted(folder.filePath()) +
               " нет. Выберите существующую папку.";
    }
    if (file.exists() && !file.isWritable()) {
        return "Файл " + Quoted(path) +
               " защищен от записи. Снимите защиту или сохраните под другим именем.";
    }
    if (!folder.isWritable()) {
        return "Нет прав на запись в папку " + Quoted(folder.filePath()) + ". Файл " +
               Quoted(path) + " не сохранен; сохраните его в другую папку.";
    }
    return "Не удалось создать файл " + Quoted(path) + ". Проверьте имя файла и сохраните снова.";
}

bool DiskFull(int error, const QString& path, std::size_t needed) {
    if (error == ENOSPC || error == EDQUOT) return true;
    const QStorageInfo storage(FolderOf(path));
    return storage.isValid() && storage.bytesAvailable() >= 0 &&
           static_cast<std::size_t>(storage.bytesAvailable()) < needed;
}

std::string CannotWriteMessage(int error, const QString& path, std::size_t needed) {
    if (DiskFull(error, path, needed)) {
        return "Диск заполнен: файл " + Quoted(path) +
               " не сохранен, прежнее содержимое файла цело. Освободите место на диске и "
               "сохраните снова.";
    }
    if (error == EACCES || error == EPERM || error == EROFS) return CannotCreateMessage(path);
    return "Не удалось записать файл " + Quoted(path) +
           "; прежнее содержимое файла цело. Проверьте диск и сохраните снова.";
}

// The random suffix of a temporary file: six ASCII letters or digits, not a word ("backup",
// "Backup", "BACKUP" are a user's own names).
bool IsRandomSuffix(const QString& suffix) {
    int lower = 0, upper = 0, digits = 0;
    for (const QChar c : suffix) {
        if (c.unicode() >= 0x80 || !c.isLetterOrNumber()) return false;
        lower += c.isLower();
        upper += c.isUpper();
        digits += c.isDigit();
    }
    const bool word =
        digits == 0 && (upper == 0 || lower == 0 || (upper == 1 && suffix.at(0).isUpper()));
    return !word;
}

// A save killed between linking its temporary file and renaming it over the target leaves the
// temporary beside it, named "<file>.XXXXXX" (six letters or digits). The next save of the file
// removes such leftovers; only those older than a minute, so that a save of the same file running
// in another program at this moment keeps its own.
void RemoveLeftoverTemporaries(const QString& name) {
    constexpr int kSuffix = 6;
    const QFileInfo target(name);
    const QString prefix = target.fileName() + QLatin1Char('.');
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir folder = target.absoluteDir();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString n = entry.fileName();
        if (n.size() != prefix.size() + kSuffix || !n.startsWith(prefix)) continue;
        if (IsRandomSuffix(n.right(kSuffix)) && entry.lastModified().toUTC() < before)
            QFile::remove(entry.filePath());
    }
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::string& bytes) {
    QFile file(Q(path));
    if (!file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(Q(path));
        if (!info.exists()) {
            return "Не удалось открыть файл " + Quoted(Q(path)) +
                   ": файла нет. Проверьте имя файла и папку.";
        }
        return "Не удалось открыть файл " + Quoted(Q(path)) +
               ": нет прав на чтение. Проверьте права доступа к файлу.";
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return "Не удалось прочитать файл " + Quoted(Q(path)) +
               ". Проверьте диск и попробуйте снова.";
    }
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return std::string();
}

std::string ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    // Renaming over a device, a pipe or a folder would put a regular file in its place (as root,
    // "/dev/full" included) and report success.
    if (std::string refused = RefuseSpecialTarget(path); !refused.empty()) return refused;
    const QString name = Q(path);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return CannotCreateMessage(name);
    errno = 0;
    const auto size = static_cast<qint64>(bytes.size());
    // QSaveFile keeps a small file in its buffer and commit() does not report a failed final
    // write (a full disk): flush here and check, so such a save is cancelled, not committed empty.
    bool written = file.write(bytes.data(), size) == size && file.flush();
    int error = errno;
    if (g_saveFault != 0) {
        written = false;
        error = g_saveFault;
    }
    if (!written) {
        file.cancelWriting();
        file.commit();  // removes the temporary file; the old file stays as it was
        return CannotWriteMessage(error, name, bytes.size());
    }
    if (!file.commit()) return CannotWriteMessage(errno, name, bytes.size());
    RemoveLeftoverTemporaries(name);
    return std::string();
}

ScopedSaveFault::ScopedSaveFault(int error) {
    g_saveFault = error;
}
ScopedSaveFault::~ScopedSaveFault() {
    g_saveFault = 0;
}

std::string SaveFailureMessage(int error, const std::string& path, std::size_t needed) {
    return CannotWriteMessage(error, Q(path), needed);
}
