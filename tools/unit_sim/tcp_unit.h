#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com_entry.h"
#include "tools/unit_sim/line_server.h"

namespace unit_sim {

// Reads "[HOST:]PORT" (an IPv6 address in brackets, PORT 0 to 65535, 0 for a free one); the
// host is 127.0.0.1 when not given. Nothing, and why in `fault`, when the text is no address.
std::optional<platform::NetworkEndpoint> ReadListenAddress(std::string_view text,
                                                           std::string& fault);

// A simulated unit behind a raw TCP listener, as a serial device server in front of the unit's
// line: the bytes pass as they are, paced at the line, no Telnet. One client at a time, as a
// device server allows by default: a connection that comes while one is served is closed at
// once (its client reads the end of input). When the client closes, or the unit resets the
// connection, the next connection is served; a half-closed one ends when its client closes it.
class TcpUnit : public LineServer {
  public:
    struct Options {
        std::optional<std::chrono::nanoseconds> byteTime;   // none: no pacing
        platform::NetworkEndpoint address{"127.0.0.1", 0};  // port 0: a free one
    };

    // Throws std::runtime_error when it cannot listen there.
    explicit TcpUnit(Options options, TraceSink trace = {});
    ~TcpUnit() override;

    // tcp://HOST:PORT with the address as bound and the port listened on.
    std::string lineName() const override;
    std::uint16_t port() const { return bound_.port; }
    // Connections served so far (refused ones not counted).
    int connectionsServed() const { return served_; }

  private:
    void listen(const platform::NetworkEndpoint& address);
    void closeClient();

    int lineDescriptor() const override { return client_; }
    int carrierDescriptor() const override { return listener_; }
    // A connection is waiting: served, or refused while another one is.
    bool onCarrierInput() override;
    void deliver(std::string_view bytes) override;
    void lineEnded() override;
    void cut(LineCut how) override;

    int listener_ = -1;
    int client_ = -1;  // line thread only after the start
    platform::NetworkEndpoint bound_;
    std::atomic<int> served_ = 0;
};

}  // namespace unit_sim
