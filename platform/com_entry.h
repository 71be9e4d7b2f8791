#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What a COM entry opens: a serial device, or a line behind a device server on the network.
enum class LineKind {
    Device,   // a device path: /dev/ttyUSB0, /dev/serial/by-id/...
    RawTcp,   // tcp://HOST:PORT or socket://HOST:PORT: bytes only, the server keeps the line
    Rfc2217,  // rfc2217://HOST:PORT: Telnet with the COM port option, we set the line
};

// A device server's address: a host name, an IPv4 address or an IPv6 address (kept without its
// brackets), and a TCP port 1 to 65535.
struct NetworkEndpoint {
    std::string host;
    std::uint16_t port = 0;
};

struct ComEntry {
    LineKind kind = LineKind::Device;
    std::string device;        // Device: the path as given
    NetworkEndpoint endpoint;  // RawTcp, Rfc2217
};

// A COM entry's name read, or why it cannot be one ("no port after the host; write
// tcp://HOST:PORT"). A name with "://" is a network name; anything else is a device path.
struct ComEntryReading {
    std::optional<ComEntry> entry;
    std::string fault;
};
ComEntryReading ReadComEntry(std::string_view name);

// "HOST:PORT" as a network name writes it (an IPv6 address in brackets, kept without them), or
// why it names no endpoint and which part is at fault. A server to reach has a port from 1; a
// listener may take 0, any free one, so the lowest port is the caller's.
struct EndpointReading {
    enum class Fault { None, NoPort, Host, Port };
    std::optional<NetworkEndpoint> endpoint;
    Fault fault = Fault::None;
    std::string reason;  // "no port after the host", "'[' without its ']'", ...
};
EndpointReading ReadEndpoint(std::string_view text, unsigned lowestPort);
// A port's number from `lowest` to 65535, or why not in `fault`.
std::optional<std::uint16_t> ReadPort(std::string_view text, unsigned lowest, std::string& fault);

// "host:port", with an IPv6 address in brackets: how the address is named to the operator.
std::string EndpointText(const NetworkEndpoint& endpoint);

}  // namespace platform
