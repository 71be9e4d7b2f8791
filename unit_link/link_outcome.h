#pragma once

namespace unit_link {

// How one exchange with the unit ended, and so why a failed link operation failed.
enum class LinkOutcome {
    Accepted,    // answered: the reply frame, or ACK
    TimedOut,    // no complete answer within the limit
    Refused,     // NAK
    Garbled,     // a reply frame whose words cannot be read
    PortClosed,  // the port was closed, lost its device, or did not take the whole frame
};

// The cause in a few words, for programs that name it below the link failure message.
const char* LinkOutcomeCause(LinkOutcome outcome);

}  // namespace unit_link
