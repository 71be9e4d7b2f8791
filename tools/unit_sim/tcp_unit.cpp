#include "tools/unit_sim/tcp_unit.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace unit_sim {

namespace {

constexpr std::string_view DefaultHost = "127.0.0.1";

// The numeric host and the port of a socket address.
platform::NetworkEndpoint Numeric(const sockaddr* address, socklen_t size) {
    char host[NI_MAXHOST] = "";
    char port[NI_MAXSERV] = "0";
    getnameinfo(address, size, host, sizeof host, port, sizeof port,
                NI_NUMERICHOST | NI_NUMERICSERV);
    return {host, static_cast<std::uint16_t>(std::atoi(port))};
}

}  // namespace

std::optional<platform::NetworkEndpoint> ReadListenAddress(std::string_view text,
                                                           std::string& fault) {
    platform::EndpointReading read = platform::ReadEndpoint(text, 0);
    if (read.fault == platform::EndpointReading::Fault::NoPort) {
        // Without a host the text is the port alone.
        const auto port = platform::ReadPort(text, 0, fault);
        if (!port) return std::nullopt;
        return platform::NetworkEndpoint{std::string(DefaultHost), *port};
    }
    if (!read.endpoint) fault = read.reason;
    return read.endpoint;
}

TcpUnit::TcpUnit(Options options, TraceSink trace)
    : LineServer(Carrier::Connection, options.byteTime, std::move(trace)) {
    listen(options.address);
    startServing();
}

TcpUnit::~TcpUnit() {
    stopServing();
    closeClient();
    close(listener_);
}

void TcpUnit::listen(const platform::NetworkEndpoint& address) {
    const std::string where = platform::EndpointText(address);
    addrinfo hints{};
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (const int lookup = getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found))
        throw std::runtime_error("listen on " + where + ": " + gai_strerror(lookup));
    listener_ = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int on = 1;
    const bool listening =
        listener_ >= 0 && setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0 &&
        bind(listener_, found->ai_addr, found->ai_addrlen) == 0 && ::listen(listener_, 4) == 0;
    const int failure = errno;
    freeaddrinfo(found);
    if (!listening) {
        if (listener_ >= 0) close(listener_);
        throw std::runtime_error("listen on " + where + ": " + std::strerror(failure));
    }
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&bound), &size);
    bound_ = Numeric(reinterpret_cast<sockaddr*>(&bound), size);
}

std::string TcpUnit::lineName() const {
    return "tcp://" + platform::EndpointText(bound_);
}

bool TcpUnit::onCarrierInput() {
    for (;;) {
        sockaddr_storage peer{};
        socklen_t size = sizeof peer;
        const int connection = accept4(listener_, reinterpret_cast<sockaddr*>(&peer), &size,
                                       SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (connection < 0 && (errno == ECONNABORTED || errno == EINTR)) continue;
        if (connection < 0) return false;
        const std::string from =
            platform::EndpointText(Numeric(reinterpret_cast<sockaddr*>(&peer), size));
        if (client_ >= 0) {
            note("refused " + from + ": a client is served");
            close(connection);
            continue;
        }
        // Each byte goes out when the line delivers it, as a device server forwards them.
        const int on = 1;
        setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        client_ = connection;
        ++served_;
        note("connection from " + from);
    }
}

void TcpUnit::deliver(std::string_view bytes) {
    // A client that has gone or that was half-closed takes nothing; the read side sees its end.
    // No SIGPIPE for a peer that has gone.
    if (client_ >= 0) send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

void TcpUnit::lineEnded() {
    note("connection closed by the client");
    closeClient();
}

void TcpUnit::cut(LineCut how) {
    if (client_ < 0) return;
    if (how == LineCut::HalfClose) {
        // The client reads the end of its input; it still may send, until it closes.
        shutdown(client_, SHUT_WR);
        note("connection closed for sending");
        return;
    }
    // Closed without lingering: the client's next read fails with ECONNRESET.
    const linger abort{1, 0};
    setsockopt(client_, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    closeClient();
    note("connection reset");
}

void TcpUnit::closeClient() {
    if (client_ >= 0) close(client_);
    client_ = -1;
}

}  // namespace unit_sim
