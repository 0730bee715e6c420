// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
        return "Файл " + Quoted(path) + " не сохранён: папки " + Quoted(folder.filePath()) +
               " нет. Выберите существующую папку.";
    }
    if (file.exists() && !file.isWritable()) {
        return "Файл " + Quoted(path) +
               " защищён от записи. Снимите защиту или сохраните под другим именем.";
    }
    if (!folder.isWritable()) {
        return "Нет прав на запись в папку " + Quoted(folder.filePath()) + ". Файл " +
               Quoted(path) + " не сохранён; сохраните его в другую папку.";
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
               " не сохранён, прежнее содержимое файла цело. Освободите место на диске и "
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

namespace {

std::string NotOpenedMessage(const QString& path, const std::string& why) {
    return "Не удалось открыть файл " + Quoted(path) + ": " + why;
}

std::string TooLargeMessage(const QString& path, std::size_t limit) {
    const std::string size = limit >= (std::size_t(1) << 20) ? std::to_string(limit >> 20) + " МБ"
                                                             : std::to_string(limit) + " байт";
    return "Файл " + Quoted(path) + " не открыт: он больше " + size +
           ", а файл этого рода много меньше. Проверьте, тот ли это файл.";
}

std::string NotRegularMessage(const QString& path, bool folder) {
    return "Файл " + Quoted(path) + " не открыт: " +
           (folder ? "это папка" : "это не файл с данными, а устройство или канал") +
           ". Выберите файл.";
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    const QString name = Q(path);
    const QFileInfo info(name);
    if (!info.exists()) return NotOpenedMessage(name, "файла нет. Проверьте имя файла и папку.");
    // Judged by what a link names: a link to a device is a device.
    const QFileInfo target(info.canonicalFilePath());
    if (!target.isFile()) return NotRegularMessage(name, target.isDir());
    if (static_cast<std::size_t>(target.size()) > limit) return TooLargeMessage(name, limit);
    QFile file(name);
#ifdef Q_OS_UNIX
    // A pipe put in the file's place after the check must not make the open wait for a writer:
    // the descriptor is opened without waiting and checked again.
    const int descriptor = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK);
    struct stat status {};
    if (descriptor >= 0 && (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(descriptor);
        return NotRegularMessage(name, S_ISDIR(status.st_mode));
    }
    const bool opened =
        descriptor >= 0 && file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (descriptor >= 0 && !opened) ::close(descriptor);
#else
    const bool opened = file.open(QIODevice::ReadOnly);
#endif
    if (!opened) {
        if (!QFileInfo::exists(name))
            return NotOpenedMessage(name, "файла нет. Проверьте имя файла и папку.");
        return NotOpenedMessage(name, "нет прав на чтение. Проверьте права доступа к файлу.");
    }
    // In pieces, at most one byte past the limit: a file that grows while it is read (or a
    // system file that reports no size) cannot take the memory.
    std::string data;
    data.reserve(static_cast<std::size_t>(target.size()));
    char piece[65536];
    for (;;) {
        const qint64 got = file.read(piece, sizeof piece);
        if (got < 0) {
            return "Не удалось прочитать файл " + Quoted(name) +
                   ". Проверьте диск и попробуйте снова.";
        }
        if (got == 0) break;
        data.append(piece, static_cast<std::size_t>(got));
        if (data.size() > limit) return TooLargeMessage(name, limit);
    }
    bytes = std::move(data);
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
