#include "platform/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace platform {

namespace {

// Long enough for a busy desktop, short enough that a hung instance does not keep the
// launcher waiting.
constexpr int AskTimeoutMs = 2000;

}  // namespace

InstanceChannel::InstanceChannel(std::string path) : path_(std::move(path)) {}
InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listen(std::function<void(const std::string&)> shown, std::string& error) {
    shown_ = std::move(shown);
    server_ = std::make_unique<QLocalServer>();
    // Only the lock's holder listens, so a socket already there is a crashed holder's.
    const QString name = QString::fromStdString(path_);
    QLocalServer::removeServer(name);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        error = server_->errorString().toStdString();
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, this, [this] { take(); });
    return true;
}

void InstanceChannel::take() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const QByteArray line = socket->readLine().trimmed();
            socket->disconnectFromServer();
            if (shown_) shown_(line.toStdString());
        });
    }
}

bool InstanceChannel::ask(const std::string& path, const std::string& token) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(path));
    if (!socket.waitForConnected(AskTimeoutMs)) return false;
    socket.write(QByteArray::fromStdString(token) + '\n');
    const bool sent = socket.waitForBytesWritten(AskTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace platform
