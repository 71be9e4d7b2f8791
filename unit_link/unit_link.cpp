#include "unit_link/unit_link.h"

#include <algorithm>

#include "unit_link/reply_decoding.h"
#include "unit_link/unit_commands.h"

namespace unit_link {

namespace {

constexpr std::chrono::milliseconds PauseAfterBlockChunk{100};
const char* const LoadBusyText = "Parameter Load Busy...Please Wait!";

// The count asked for, but never more than the caller's array holds.
int ClampedCount(std::int16_t count, std::size_t arraySize) {
    return std::clamp<int>(count, 0, static_cast<int>(arraySize));
}

}  // namespace

class UnitLink::Running {
  public:
    explicit Running(UnitLink& link) : hold_(link.guard_) {
        platform::ByteLink& port = link.link_.port;
        if (!port.isOpen() && port.lost()) {
            std::string error;
            port.open(error);
        }
    }

  private:
    OperationGuard::Hold hold_;
};

LinkOutcome UnitLink::Succeed() {
    window_.setLinkFailed(false);
    return lastOutcome_ = LinkOutcome::Accepted;
}

LinkOutcome UnitLink::FailBlockOperation(LinkOutcome cause) {
    lastOutcome_ = cause;
    window_.showLinkFailure(cause);
    window_.switchMonitorOff();
    window_.setInputEnabled(true);
    window_.setLinkFailed(true);
    return cause;
}

LinkOutcome UnitLink::ReadBlockChunk(UnitAddress address, std::span<std::int32_t> words) {
    const int n = static_cast<int>(words.size());
    const FrameReply reply =
        RunFrameTransaction(link_, CommandFrame(ReadWordsBody(address, n)), WordsReplyLength(n));
    if (!reply.answered()) return reply.outcome;
    // Decode the whole chunk before storing, so a garbled reply stores nothing.
    const auto decoded = DecodeWordsReply(reply.text, n);
    if (!decoded) return LinkOutcome::Garbled;
    std::copy(decoded->begin(), decoded->end(), words.begin());
    return LinkOutcome::Accepted;
}

LinkOutcome UnitLink::ReadBlock(UnitAddress address, std::span<std::int32_t> words,
                                std::int16_t count) {
    const Running running(*this);
    window_.setInputEnabled(false);
    const int total = ClampedCount(count, words.size());
    for (int next = 0; next < total;) {
        const int n = std::min(total - next, MaxWordsPerRequest);
        // Each chunk fills its own elements: a short reply leaves its tail as it
        // was instead of shifting the next chunk's words onto the wrong addresses.
        const LinkOutcome outcome = WithRetries(
            link_.limits, [&] { return ReadBlockChunk(address, words.subspan(next, n)); });
        if (outcome != LinkOutcome::Accepted) return FailBlockOperation(outcome);
        link_.events.processPendingEvents();
        next += n;
        address += 2 * n;
    }
    window_.setInputEnabled(true);
    return Succeed();
}

LinkOutcome UnitLink::WriteSingleWord(const std::string& body) {
    const Running running(*this);
    const std::string frame = CommandFrame(body);
    const LinkOutcome outcome =
        WithRetries(link_.limits, [&] { return RunAcknowledgeTransaction(link_, frame); });
    if (outcome == LinkOutcome::Accepted) return Succeed();
    lastOutcome_ = outcome;
    window_.showLinkFailure(outcome);
    window_.setInputEnabled(true);
    window_.setLinkFailed(true);
    return outcome;
}

LinkOutcome UnitLink::WriteWord(UnitAddress address, std::int32_t value) {
    return WriteSingleWord(WriteWordBody(address, value));
}

LinkOutcome UnitLink::WriteBlockWord(UnitAddress address, std::int16_t value) {
    const std::int16_t values[] = {value};
    return WriteSingleWord(WriteWordsBody(address, values));
}

std::int16_t UnitLink::ReadWord(UnitAddress address) {
    const Running running(*this);
    const std::string frame = CommandFrame(ReadWordsBody(address, 1));
    std::optional<std::int16_t> value;
    const LinkOutcome outcome = WithRetries(link_.limits, [&] {
        const FrameReply reply = RunFrameTransaction(link_, frame, WordsReplyLength(1));
        if (!reply.answered()) return reply.outcome;
        value = DecodeSignedWordReply(reply.text);
        return value ? LinkOutcome::Accepted : LinkOutcome::Garbled;
    });
    if (outcome != LinkOutcome::Accepted) {
        lastOutcome_ = outcome;
        window_.showLinkFailure(lastOutcome_);
        window_.setLinkFailed(true);
        return 0;
    }
    Succeed();
    return *value;
}

LinkOutcome UnitLink::WriteBlockChunk(UnitAddress address, std::span<const std::int16_t> values) {
    const std::string frame = CommandFrame(WriteWordsBody(address, values));
    // A refused chunk goes again, but a unit that refuses it every time is
    // given up on.
    const LinkOutcome outcome = WithRetries(link_.limits, [&] {
        LinkOutcome answer = LinkOutcome::Refused;
        for (int attempt = 0; attempt <= MaxNakResends && answer == LinkOutcome::Refused; ++attempt)
            answer = RunAcknowledgeTransaction(link_, frame);
        return answer;
    });
    if (outcome == LinkOutcome::Accepted) link_.clock.pause(PauseAfterBlockChunk);
    return outcome;
}

LinkOutcome UnitLink::WriteBlock(UnitAddress address, std::span<const std::int16_t> values,
                                 std::int16_t count) {
    const Running running(*this);
    window_.setStatusText(LoadBusyText);
    const int total = ClampedCount(count, values.size());
    for (int next = 0; next < total;) {
        const int n = std::min(total - next, MaxWordsPerRequest);
        const LinkOutcome outcome = WriteBlockChunk(address, values.subspan(next, n));
        if (outcome != LinkOutcome::Accepted) return FailBlockOperation(outcome);
        link_.events.processPendingEvents();
        next += n;
        address += 2 * n;
    }
    Succeed();
    window_.setInputEnabled(true);
    return LinkOutcome::Accepted;
}

std::string UnitLink::Char_Read(std::int32_t address) {
    const Running running(*this);
    const std::string frame = CommandFrame(ReadTwoBytesBody(address));
    std::optional<std::string> bytes;
    lastOutcome_ = WithRetries(link_.limits, [&] {
        const FrameReply reply = RunFrameTransaction(link_, frame, TwoBytesReplyLength());
        if (!reply.answered()) return reply.outcome;
        // The unit waits for our acknowledge of every complete reply.
        link_.port.write(std::string(1, ACK));
        bytes = DecodeTwoBytesReply(reply.text);
        return bytes ? LinkOutcome::Accepted : LinkOutcome::Garbled;
    });
    return bytes.value_or("%%");
}

}  // namespace unit_link
