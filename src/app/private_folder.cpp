// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/private_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// A folder (not a link to one) of this user that nobody else may enter or list.
bool IsPrivateFolder(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}
#endif

}  // namespace

QString PrivateRuntimeFolder() {
#ifdef Q_OS_UNIX
    // Asked only when the session has one: without it Qt warns at every start.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (IsPrivateFolder(runtime)) return runtime;
    }
    const QString own =
        QDir(QDir::tempPath()).filePath(QStringLiteral("gavrosin-") + QString::number(::geteuid()));
    // A folder already there is taken only if it passes the same check as a new one.
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateFolder(own) ? own : QString();
#else
    return QString();
#endif
}

bool OwnedByThisUser(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && info.st_uid == ::geteuid();
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool PeerIsThisUser(qintptr descriptor) {
#if defined(Q_OS_LINUX)
    struct ucred peer {};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return false;
    return peer.uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    uid_t uid = 0;
    gid_t gid = 0;
    if (::getpeereid(int(descriptor), &uid, &gid) != 0) return false;
    return uid == ::geteuid();
#else
    Q_UNUSED(descriptor);
    return true;
#endif
}
