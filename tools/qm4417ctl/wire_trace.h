#pragma once

#include <chrono>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/forwarding_serial_port.h"
#include "platform/steady_clock.h"

namespace qm4417ctl {

enum class WireDirection { Sent, Received };

// One burst on the wire: milliseconds since the trace began, TX or RX, the bytes in hex and as
// printable text ('.' for the others): "    41.250 RX 06  ."
std::string TraceLine(std::chrono::nanoseconds sinceStart, WireDirection direction,
                      std::string_view bytes);

// The port of the link with every byte written and read also told to `trace`, one line per
// write and per read that brought bytes, after a header line naming the port and the line
// settings. Everything else goes through unchanged, so the command does what it does without.
class TracingSerialPort : public platform::ForwardingSerialPort {
  public:
    TracingSerialPort(platform::SerialPort& port, const platform::SteadyClock& clock,
                      std::ostream& trace);

    bool open(std::string& error) override;
    bool write(std::string_view bytes) override;
    std::string readAll() override;

  private:
    void burst(WireDirection direction, std::string_view bytes);

    const platform::SteadyClock& clock_;
    std::ostream& trace_;
    std::chrono::nanoseconds start_;
};

}  // namespace qm4417ctl
