#include "unit_link/transaction.h"

#include "unit_link/command_frame.h"

namespace unit_link {

namespace {

// One wait of a transaction: polls until `done` says the answer is in, or until
// the elapsed time is strictly greater than the limit. Between polls it sleeps
// until bytes arrive or until just past the limit, so it never spins.
template <typename Done>
bool Poll(const LinkServices& link, std::chrono::nanoseconds limit, Done done) {
    const auto start = link.clock.now();
    for (;;) {
        const bool answered = done(link.port.readAll());
        link.events.processPendingEvents();
        const auto elapsed = link.clock.now() - start;
        if (answered) return true;
        // A port closed meanwhile (settings changed) can no longer answer.
        if (elapsed > limit || !link.port.isOpen()) return false;
        link.port.waitForInput(limit - elapsed + std::chrono::milliseconds(1));
    }
}

bool Send(const LinkServices& link, std::string_view frame) {
    if (!link.port.isOpen()) return false;
    link.port.discardInput();
    link.port.write(frame);
    return true;
}

}  // namespace

std::optional<std::string> RunFrameTransaction(const LinkServices& link, std::string_view frame) {
    if (!Send(link, frame)) return std::nullopt;
    std::string reply;
    const bool complete = Poll(link, ReadTimeout, [&reply](const std::string& read) {
        reply += read;
        return !reply.empty() && reply.back() == ETX;
    });
    if (!complete) return std::nullopt;
    return reply;
}

AckOutcome RunAcknowledgeTransaction(const LinkServices& link, std::string_view frame) {
    if (!Send(link, frame)) return AckOutcome::TimedOut;
    std::string answer;
    const bool answered = Poll(link, WriteTimeout, [&answer](const std::string& read) {
        answer = read;
        return answer == std::string(1, ACK) || answer == std::string(1, NAK);
    });
    if (!answered) return AckOutcome::TimedOut;
    return answer[0] == ACK ? AckOutcome::Accepted : AckOutcome::Refused;
}

}  // namespace unit_link
