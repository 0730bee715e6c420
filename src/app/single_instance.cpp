// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/hand_over_gate.h"
#include "app/private_folder.h"

namespace {

// The message: the files' paths, UTF-8, one per line, then an empty line. The reply "ok\n" says
// they were taken, so the second start ends only when nothing can be lost.
constexpr int kConnectMs = 1000;
constexpr int kReplyMs = 5000;
const QByteArray kEnd = "\n\n";
const QByteArray kTaken = "ok\n";

// What one message may hold: a start of the program hands over a few files (the desktop starts
// one program per file). A longer message is not ours: its connection is dropped unread.
constexpr qsizetype kMaxMessageBytes = 16 * 1024;
// Starts talking to the program at one moment; more are turned away rather than hold its files.
constexpr int kMaxConnections = 16;

// The message for `files`; none when it would be more than one message may hold.
std::optional<QByteArray> HandOverMessage(const QStringList& files) {
    if (files.size() > kMaxHandedFiles) return std::nullopt;
    QByteArray message;
    for (const QString& file : files) message += file.toUtf8() + '\n';
    message += kEnd;
    if (message.size() > kMaxMessageBytes) return std::nullopt;
    return message;
}

// The paths of a message (without the empty line that ends it); none when it is not one the
// program sends: too many lines, a line that is no absolute path in UTF-8.
std::optional<QStringList> HandedPaths(const QByteArray& body) {
    QStringList paths;
    for (const QByteArray& line : body.split('\n')) {
        if (line.isEmpty()) continue;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString path = utf8(line);
        if (utf8.hasError() || !QDir::isAbsolutePath(path) || paths.size() == kMaxHandedFiles)
            return std::nullopt;
        for (const QChar c : path)
            if (c.unicode() < 0x20) return std::nullopt;
        paths.append(path);
    }
    return paths;
}

}  // namespace

QStringList FileArguments(const QStringList& arguments) {
    QStringList files = arguments.mid(1);
    files.removeAll(QString::fromLatin1(kNewInstanceOption));
    return files;
}

QString InstanceSocketName(const QString& configFolder) {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QByteArray key =
        QCryptographicHash::hash((user + QLatin1Char('\n') + configFolder).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString name = QStringLiteral("gavrosin-") + QString::fromLatin1(key);
#ifdef Q_OS_UNIX
    // Never the shared temporary folder, where another user could take the name first.
    const QString folder = PrivateRuntimeFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
#else
    return name;
#endif
}

bool HandToRunningInstance(const QString& socketName, const QStringList& files) {
    // No socket of this user's: nothing of the files goes to anyone else.
    if (socketName.isEmpty()) return false;
#ifdef Q_OS_UNIX
    if (!OwnedByThisUser(socketName)) return false;
#endif
    const std::optional<QByteArray> message = HandOverMessage(files);
    if (!message) return false;
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(kConnectMs)) return false;
    if (!PeerIsThisUser(socket.socketDescriptor())) return false;
    socket.write(*message);
    if (!socket.waitForBytesWritten(kReplyMs)) return false;
    QByteArray reply;
    while (reply.size() < kTaken.size() && socket.waitForReadyRead(kReplyMs))
        reply += socket.read(kTaken.size() - reply.size());
    return reply == kTaken;
}

InstanceServer::InstanceServer(const QString& socketName,
                               std::function<void(const QStringList&)> open, QObject* parent)
    : QObject(parent),
      server_(new QLocalServer(this)),
      gate_(new HandOverGate(std::move(open), this)) {
    if (socketName.isEmpty()) return;
#ifdef Q_OS_UNIX
    // Another user's socket in the way is left alone: the program runs on its own.
    const QFileInfo entry(socketName);
    if ((entry.exists() || entry.isSymLink()) && !OwnedByThisUser(socketName)) return;
#endif
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketName)) {
        // A socket left by a program that was killed: nobody answers on it, so it is ours.
        QLocalSocket probe;
        probe.connectToServer(socketName);
        if (probe.waitForConnected(kConnectMs)) return;
        QLocalServer::removeServer(socketName);
        server_->listen(socketName);
    }
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::Accept);
}

bool InstanceServer::Listening() const {
    return server_->isListening();
}

void InstanceServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ++connections_;
        connect(socket, &QObject::destroyed, this, [this] { --connections_; });
        if (connections_ > kMaxConnections || !PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // A start of the program says what it has at once; a connection that stays silent is
        // not one and does not hold its place.
        QTimer::singleShot(kReplyMs, socket, [socket] { socket->abort(); });
        // Read as it comes, never more than one message may hold: a flood of bytes is dropped
        // at its first kilobytes and the windows keep answering.
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            *received += socket->read(kMaxMessageBytes - received->size() + 1);
            const qsizetype end = received->indexOf(kEnd);
            if (end < 0 && received->size() <= kMaxMessageBytes) return;
            const std::optional<QStringList> files =
                end < 0 ? std::nullopt : HandedPaths(received->left(end));
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            if (!files) {
                socket->abort();
                return;
            }
            socket->write(kTaken);
            socket->flush();
            gate_->Offer(*files);
        });
    }
}
