// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
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

// A save writes the new bytes to a hidden temporary file beside the target, named so that no
// person would choose it (".дом.gvt.gavrosin-Ab12Cd.tmp"), and renames it over the target. The
// clean-up after a killed save then removes only names of exactly this form: a user's
// "дом.gvt.copy01" or "out.pdf.202401" is never taken for a leftover. A long file name is cut in
// the temporary's name, which must stay within the file system's limit.
constexpr int kRandomLetters = 6;
const QString kTemporaryTag = QStringLiteral(".gavrosin-");
const QString kTemporaryEnd = QStringLiteral(".tmp");

QString TemporaryPrefix(const QString& target) {
    return QLatin1Char('.') + QFileInfo(target).fileName().left(64) + kTemporaryTag;
}

// From the system's generator: processes forked from one program do not share its sequence.
QString RandomLetters() {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString out;
    for (int i = 0; i < kRandomLetters; ++i)
        out += letters.at(static_cast<int>(QRandomGenerator::system()->bounded(letters.size())));
    return out;
}

bool IsOwnTemporaryName(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + kRandomLetters + kTemporaryEnd.size()) return false;
    if (!name.startsWith(prefix) || !name.endsWith(kTemporaryEnd)) return false;
    for (const QChar c : name.mid(prefix.size(), kRandomLetters))
        if (c.unicode() >= 0x80 || !c.isLetterOrNumber()) return false;
    return true;
}

// A save killed between creating its temporary file and renaming it leaves the temporary beside
// the target. The next save of the file removes such leftovers of its own form; only those older
// than a minute, so that a save of the same file running in another copy at this moment keeps its
// own.
void RemoveLeftoverTemporaries(const QString& target) {
    const QString prefix = TemporaryPrefix(target);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir folder = QFileInfo(target).absoluteDir();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (entry.isSymLink() || !IsOwnTemporaryName(entry.fileName(), prefix)) continue;
        if (entry.lastModified().toUTC() < before) QFile::remove(entry.filePath());
    }
}

// The file a save replaces: the target of a link, so that the link stays.
QString FinalName(const QString& name) {
    const QFileInfo info(name);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        if (!resolved.isEmpty()) return resolved;
    }
    return info.absoluteFilePath();
}

// Creates the temporary file beside `target` with the permissions of the file it replaces.
bool OpenTemporary(const QString& target, QFile& file) {
    const QFileInfo existing(target);
    const QString base = existing.absoluteDir().filePath(TemporaryPrefix(target));
    for (int attempt = 0; attempt < 16; ++attempt) {
        file.setFileName(base + RandomLetters() + kTemporaryEnd);
        const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly;
        const bool opened =
            existing.exists() ? file.open(mode, existing.permissions()) : file.open(mode);
        if (opened) return true;
        if (!file.exists()) return false;  // not a name taken by chance: the folder refuses
    }
    return false;
}

// The bytes reach the disk before the rename makes them the file. A file system that cannot
// sync says so with EINVAL: not a failed write.
bool SyncToDisk(QFile& file) {
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0 || errno == EINVAL;
#else
    return ::fsync(file.handle()) == 0 || errno == EINVAL || errno == ENOTSUP;
#endif
}

// Puts `from` in place of `to` in one step, an existing `to` included (rename on POSIX systems,
// MoveFileEx with replacing on Windows).
bool RenameOver(const QString& from, const QString& to, int& error) {
    std::error_code code;
    std::filesystem::rename(std::filesystem::u8path(from.toStdString()),
                            std::filesystem::u8path(to.toStdString()), code);
    error = code.value();
    return !code;
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
    const QString target = FinalName(name);
    QFile file;
    if (!OpenTemporary(target, file)) return CannotCreateMessage(name);
    errno = 0;
    const auto size = static_cast<qint64>(bytes.size());
    bool written = file.write(bytes.data(), size) == size && file.flush() && SyncToDisk(file);
    int error = errno;
    if (g_saveFault != 0) {
        written = false;
        error = g_saveFault;
    }
    file.close();
    if (written && file.error() != QFileDevice::NoError) {
        written = false;
        error = errno;
    }
    if (!written || !RenameOver(file.fileName(), target, error)) {
        file.remove();  // the old file stays as it was
        return CannotWriteMessage(error, name, bytes.size());
    }
    RemoveLeftoverTemporaries(target);
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
