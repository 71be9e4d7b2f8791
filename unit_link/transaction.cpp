#include "unit_link/transaction.h"

#include "unit_link/command_frame.h"

namespace unit_link {

namespace {

// One wait of a transaction: polls until `done` says the answer is in, or until
// the elapsed time is strictly greater than the limit. Between polls it sleeps
// until bytes arrive or until just past the limit, so it never spins.
// `missing` tells each wait how many bytes the answer still lacks.
template <typename Done, typename Missing>
LinkOutcome Poll(const LinkServices& link, std::chrono::nanoseconds limit, Done done,
                 Missing missing) {
    const auto start = link.clock.now();
    for (;;) {
        const bool answered = done(link.port.readAll());
        link.events.processPendingEvents();
        const auto elapsed = link.clock.now() - start;
        if (answered) return LinkOutcome::Accepted;
        // A port closed meanwhile (settings changed, device gone) can no longer answer.
        if (!link.port.isOpen()) return LinkOutcome::PortClosed;
        if (elapsed > limit) return LinkOutcome::TimedOut;
        link.port.waitForInput(limit - elapsed + std::chrono::milliseconds(1), missing());
    }
}

// A frame that does not go out whole cannot be answered: no use waiting for it.
bool Send(const LinkServices& link, std::string_view frame) {
    if (!link.port.isOpen()) return false;
    link.port.discardInput();
    return link.port.write(frame);
}

}  // namespace

bool WorthSendingAgain(LinkOutcome outcome) {
    return outcome == LinkOutcome::TimedOut || outcome == LinkOutcome::Refused ||
           outcome == LinkOutcome::Garbled;
}

std::size_t MissingReplyBytes(std::string_view received, std::size_t replyLength) {
    const auto stx = received.find(STX);
    const std::size_t got = stx == std::string_view::npos ? 0 : received.size() - stx;
    return got < replyLength ? replyLength - got : 1;
}

FrameReply RunFrameTransaction(const LinkServices& link, std::string_view frame,
                               std::size_t replyLength) {
    if (!Send(link, frame)) return {LinkOutcome::PortClosed, {}};
    FrameReply reply;
    reply.outcome = Poll(
        link, link.limits.read,
        [&reply](const std::string& read) {
            reply.text += read;
            return !reply.text.empty() && reply.text.back() == ETX;
        },
        [&reply, replyLength] { return MissingReplyBytes(reply.text, replyLength); });
    // A unit that refuses a read answers with a lone NAK; the wait for ETX stays as it is,
    // but the cause is the refusal.
    if (reply.outcome == LinkOutcome::TimedOut && reply.text == std::string(1, NAK))
        reply.outcome = LinkOutcome::Refused;
    if (!reply.answered()) reply.text.clear();
    return reply;
}

LinkOutcome RunAcknowledgeTransaction(const LinkServices& link, std::string_view frame) {
    if (!Send(link, frame)) return LinkOutcome::PortClosed;
    std::string answer;
    // The answer is one byte, ACK or NAK.
    const LinkOutcome outcome = Poll(
        link, link.limits.write(),
        [&answer](const std::string& read) {
            answer = read;
            return answer == std::string(1, ACK) || answer == std::string(1, NAK);
        },
        [] { return std::size_t{1}; });
    if (outcome != LinkOutcome::Accepted) return outcome;
    return answer[0] == ACK ? LinkOutcome::Accepted : LinkOutcome::Refused;
}

}  // namespace unit_link
