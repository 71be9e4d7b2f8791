#include "platform/network_line.h"

#include <fcntl.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace platform {

namespace {

// A device server sends on what its UART gathered once the line has paused for about two
// characters (ser2net's default); a third covers its own scheduling. Waiting that much longer
// takes a reply in one piece instead of waking for its last bytes.
constexpr int ForwardingBytes = 3;

PortOpenFailure ConnectFailure(const QTcpSocket& socket, bool timedOut) {
    if (timedOut) return {PortOpenFault::NoAnswer};
    switch (socket.error()) {
        case QAbstractSocket::ConnectionRefusedError:
            return {PortOpenFault::ConnectionRefused};
        case QAbstractSocket::HostNotFoundError:
            return {PortOpenFault::HostNotFound};
        case QAbstractSocket::SocketTimeoutError:
            return {PortOpenFault::NoAnswer};
        default:
            return {PortOpenFault::Other, socket.errorString().toStdString() + "."};
    }
}

}  // namespace

NetworkLine::NetworkLine(int number, std::string name, LineKind kind, NetworkEndpoint endpoint,
                         const LineSettings& line)
    : number_(number),
      name_(std::move(name)),
      kind_(kind),
      endpoint_(std::move(endpoint)),
      line_(line) {}

bool NetworkLine::fail(const PortOpenFailure& failure, std::string& error) {
    close();
    error = PortOpenFailureText(number_, name_, failure);
    return false;
}

std::optional<int> NetworkLine::connect(PortOpenFailure& failure) {
    QTcpSocket socket;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    socket.connectToHost(QString::fromStdString(endpoint_.host), endpoint_.port);
    limit.start(std::chrono::milliseconds(NetworkAnswerLimit));
    if (socket.state() != QAbstractSocket::ConnectedState) loop.exec();
    if (socket.state() != QAbstractSocket::ConnectedState) {
        failure = ConnectFailure(socket, timedOut);
        socket.abort();
        return std::nullopt;
    }
    // The connection is ours from here, watched by our own notifier so that it waits by the
    // same rule as a serial device; the socket's own descriptor closes with it.
    const int descriptor = ::fcntl(static_cast<int>(socket.socketDescriptor()), F_DUPFD_CLOEXEC, 0);
    socket.abort();
    if (descriptor < 0 || ::fcntl(descriptor, F_SETFL, O_NONBLOCK | O_RDWR) != 0) {
        if (descriptor >= 0) ::close(descriptor);
        failure = {PortOpenFault::Other, "the connection could not be taken over."};
        return std::nullopt;
    }
    return descriptor;
}

bool NetworkLine::negotiate(PortOpenFailure& failure) {
    telnet_.emplace(line_);
    input_.setInputFilter([this](std::string_view received) {
        std::string answer;
        std::string data = telnet_->receive(received, answer);
        if (!answer.empty()) input_.writeControl(answer);
        return data;
    });
    if (!input_.writeControl(telnet_->opening())) {
        failure = {PortOpenFault::ServerClosed};
        return false;
    }
    input_.waitUntil([this] { return telnet_->progress() != TelnetComPort::Progress::Negotiating; },
                     NetworkAnswerLimit);
    if (!input_.isOpen()) {
        failure = {PortOpenFault::ServerClosed};
        return false;
    }
    if (telnet_->progress() == TelnetComPort::Progress::Ready) return true;
    failure = telnet_->failure();
    return false;
}

bool NetworkLine::open(std::string& error) {
    close();
    PortOpenFailure failure;
    const auto descriptor = connect(failure);
    if (!descriptor) return fail(failure, error);
    input_.attachConnection(*descriptor, ByteTime(line_), ForwardingBytes * ByteTime(line_));
    if (kind_ == LineKind::Rfc2217 && !negotiate(failure)) return fail(failure, error);
    return true;
}

void NetworkLine::close() {
    input_.close();
    input_.setInputFilter({});
    telnet_.reset();
}

bool NetworkLine::write(std::string_view bytes) {
    return input_.write(telnet_ ? TelnetComPort::escapeData(bytes) : std::string(bytes));
}

}  // namespace platform
