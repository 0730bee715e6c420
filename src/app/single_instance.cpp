// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// The message: the files' paths, UTF-8, one per line, then an empty line. The reply "ok\n" says
// they were taken, so the second start ends only when nothing can be lost.
constexpr int kConnectMs = 1000;
constexpr int kReplyMs = 5000;
const QByteArray kEnd = "\n\n";
const QByteArray kTaken = "ok\n";

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
    return QStringLiteral("gavrosin-") + QString::fromLatin1(key);
}

bool HandToRunningInstance(const QString& socketName, const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(kConnectMs)) return false;
    QByteArray message;
    for (const QString& file : files) message += file.toUtf8() + '\n';
    message += kEnd;
    socket.write(message);
    if (!socket.waitForBytesWritten(kReplyMs)) return false;
    QByteArray reply;
    while (!reply.endsWith('\n') && socket.waitForReadyRead(kReplyMs)) reply += socket.readAll();
    return reply == kTaken;
}

InstanceServer::InstanceServer(const QString& socketName,
                               std::function<void(const QStringList&)> open, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), open_(std::move(open)) {
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
        auto* received = new QByteArray;
        connect(socket, &QObject::destroyed, this, [received] { delete received; });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            *received += socket->readAll();
            if (!received->endsWith(kEnd)) return;
            QStringList files;
            for (const QByteArray& line : received->split('\n'))
                if (!line.isEmpty()) files.append(QString::fromUtf8(line));
            received->clear();
            socket->write(kTaken);
            socket->flush();
            if (open_) open_(files);
        });
    }
}
