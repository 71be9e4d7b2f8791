#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/event_pump.h"
#include "platform/serial_port.h"
#include "platform/steady_clock.h"

namespace unit_link {

inline constexpr std::chrono::milliseconds ReadTimeout{1000};
inline constexpr std::chrono::milliseconds WriteTimeout{2000};

// What a transaction waits with.
struct LinkServices {
    platform::SerialPort& port;
    platform::SteadyClock& clock;
    platform::EventPump& events;
};

enum class AckOutcome { Accepted, Refused, TimedOut };

// Writes the frame and collects the answer until its newest character is ETX.
// Nothing when the time-out passes first, or at once when the port is closed.
// Input left over from an earlier exchange is dropped before the request goes
// out, so it cannot shift the reply's positions.
std::optional<std::string> RunFrameTransaction(const LinkServices& link, std::string_view frame);

// Writes the frame and waits for a read that is exactly ACK or exactly NAK; a
// read holding either with other bytes does not count.
AckOutcome RunAcknowledgeTransaction(const LinkServices& link, std::string_view frame);

}  // namespace unit_link
