#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "platform/event_pump.h"
#include "platform/serial_port.h"
#include "platform/steady_clock.h"
#include "unit_link/link_outcome.h"

namespace unit_link {

inline constexpr std::chrono::milliseconds ReadTimeout{1000};
inline constexpr std::chrono::milliseconds WriteTimeout{2000};

// What a transaction waits with.
struct LinkServices {
    platform::SerialPort& port;
    platform::SteadyClock& clock;
    platform::EventPump& events;
};

// A frame transaction's end: the reply when `outcome` is Accepted.
struct FrameReply {
    LinkOutcome outcome = LinkOutcome::TimedOut;
    std::string text;

    bool answered() const { return outcome == LinkOutcome::Accepted; }
};

// Writes the frame and collects the answer until its newest character is ETX.
// TimedOut when the time-out passes first; PortClosed at once when the port is
// closed, closes meanwhile, or does not take the whole frame. Input left over
// from an earlier exchange is dropped before the request goes out, so it cannot
// shift the reply's positions. `replyLength` is the whole reply's length on a sound
// line (0: not known); the waits look for what is still missing of it, counted from
// its STX, so the reply is taken in one piece. It never decides the reply's end.
FrameReply RunFrameTransaction(const LinkServices& link, std::string_view frame,
                               std::size_t replyLength = 0);

// How many bytes of a reply `replyLength` long are still to come after `received`,
// counted from its first STX; at least 1, since the end is unknown until ETX.
std::size_t MissingReplyBytes(std::string_view received, std::size_t replyLength);

// Writes the frame and waits for a read that is exactly ACK (Accepted) or exactly
// NAK (Refused); a read holding either with other bytes does not count. Fails as
// RunFrameTransaction does otherwise.
LinkOutcome RunAcknowledgeTransaction(const LinkServices& link, std::string_view frame);

}  // namespace unit_link
