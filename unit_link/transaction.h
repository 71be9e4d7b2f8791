#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "platform/event_pump.h"
#include "platform/byte_link.h"
#include "platform/steady_clock.h"
#include "unit_link/link_outcome.h"

namespace unit_link {

// A write's answer comes once the unit has stored the word, so writes wait longer.
inline constexpr int WriteWaitFactor = 2;
inline constexpr std::chrono::milliseconds ReadTimeout{1000};
inline constexpr std::chrono::milliseconds WriteTimeout = WriteWaitFactor * ReadTimeout;

// How long a transaction waits for its answer, and how often an exchange that failed is sent
// again before it fails. The window keeps the defaults; slow lines may need more.
struct TransactionLimits {
    std::chrono::nanoseconds read = ReadTimeout;
    int retries = 0;

    std::chrono::nanoseconds write() const { return WriteWaitFactor * read; }
};

// What a transaction waits with.
struct LinkServices {
    platform::ByteLink& port;  // the line, whatever carries it
    platform::SteadyClock& clock;
    platform::EventPump& events;
    TransactionLimits limits{};
};

// Whether sending an exchange again may cure how it ended: no answer, a refusal or a garbled
// reply may; a closed port sends nothing, and an answer needs no cure.
bool WorthSendingAgain(LinkOutcome outcome);

// Runs `exchange` (one transaction with the reading of its answer) and sends it again while
// it ends in a way worth sending again, at most `limits.retries` more times; the outcome is
// the last one's.
template <typename Exchange>
LinkOutcome WithRetries(const TransactionLimits& limits, Exchange exchange) {
    LinkOutcome outcome = exchange();
    for (int retry = 0; retry < limits.retries && WorthSendingAgain(outcome); ++retry)
        outcome = exchange();
    return outcome;
}

// A frame transaction's end: the reply when `outcome` is Accepted.
struct FrameReply {
    LinkOutcome outcome = LinkOutcome::TimedOut;
    std::string text;

    bool answered() const { return outcome == LinkOutcome::Accepted; }
};

// Writes the frame and collects the answer until its newest character is ETX.
// TimedOut when the read limit passes first, Refused when by then a lone NAK was all
// that came; PortClosed at once when the port is
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
// NAK (Refused); a read holding either with other bytes does not count. Waits up to the write
// limit; fails as RunFrameTransaction does otherwise.
LinkOutcome RunAcknowledgeTransaction(const LinkServices& link, std::string_view frame);

}  // namespace unit_link
