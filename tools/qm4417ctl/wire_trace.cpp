#include "tools/qm4417ctl/wire_trace.h"

#include <cstdio>

#include "unit_link/monitor_csv.h"

namespace qm4417ctl {

std::string TraceLine(std::chrono::nanoseconds sinceStart, WireDirection direction,
                      std::string_view bytes) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%10.3f",
                  std::chrono::duration<double, std::milli>(sinceStart).count());
    std::string line = std::string(stamp) + (direction == WireDirection::Sent ? " TX" : " RX");
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
        text += byte >= 0x20 && byte < 0x7F ? c : '.';
    }
    return line + "  " + text;
}

TracingSerialPort::TracingSerialPort(platform::SerialPort& port, const platform::SteadyClock& clock,
                                     std::ostream& trace)
    : ForwardingSerialPort(port), clock_(clock), trace_(trace), start_(clock.now()) {}

bool TracingSerialPort::open(std::string& error) {
    const bool opened = port_.open(error);
    const int number = port_.portNumber();
    trace_ << "# qm4417ctl wire trace: port COM" << number << " (" << port_.deviceOf(number).path
           << "), line " << port_.settings() << ", " << (opened ? "opened" : "not opened: " + error)
           << " at " << unit_link::UtcTimestamp(std::chrono::system_clock::now())
           << "; ms since then, TX sent, RX received" << std::endl;
    start_ = clock_.now();
    return opened;
}

bool TracingSerialPort::write(std::string_view bytes) {
    const bool written = port_.write(bytes);
    burst(WireDirection::Sent, bytes);
    if (!written) trace_ << "# the device did not take all of these bytes" << std::endl;
    return written;
}

std::string TracingSerialPort::readAll() {
    std::string bytes = port_.readAll();
    if (!bytes.empty()) burst(WireDirection::Received, bytes);
    return bytes;
}

void TracingSerialPort::burst(WireDirection direction, std::string_view bytes) {
    // Flushed line by line: a trace of a run that hangs or is killed still shows the last burst.
    trace_ << TraceLine(clock_.now() - start_, direction, bytes) << std::endl;
}

}  // namespace qm4417ctl
