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

// Marks an operation as running for its whole scope; nested scopes keep the mark.
class UnitLink::Running {
  public:
    explicit Running(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~Running() { flag_ = previous_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    bool& flag_;
    bool previous_;
};

void UnitLink::FailBlockOperation() {
    window_.showLinkFailure();
    window_.switchMonitorOff();
    window_.setInputEnabled(true);
    window_.setLinkFailed(true);
}

bool UnitLink::ReadBlockChunk(UnitAddress address, std::span<std::int32_t> words) {
    const int n = static_cast<int>(words.size());
    const auto reply = RunFrameTransaction(link_, CommandFrame(ReadWordsBody(address, n)));
    if (!reply) return false;
    // Decode the whole chunk before storing, so a garbled reply stores nothing.
    const auto decoded = DecodeWordsReply(*reply, n);
    if (!decoded) return false;
    std::copy(decoded->begin(), decoded->end(), words.begin());
    return true;
}

void UnitLink::ReadBlock(UnitAddress address, std::span<std::int32_t> words, std::int16_t count) {
    const Running running(running_);
    window_.setInputEnabled(false);
    const int total = ClampedCount(count, words.size());
    for (int next = 0; next < total;) {
        const int n = std::min(total - next, MaxWordsPerRequest);
        // Each chunk fills its own elements: a short reply leaves its tail as it
        // was instead of shifting the next chunk's words onto the wrong addresses.
        if (!ReadBlockChunk(address, words.subspan(next, n))) return FailBlockOperation();
        link_.events.processPendingEvents();
        next += n;
        address += 2 * n;
    }
    window_.setInputEnabled(true);
    window_.setLinkFailed(false);
}

void UnitLink::WriteSingleWord(const std::string& body) {
    const Running running(running_);
    if (RunAcknowledgeTransaction(link_, CommandFrame(body)) == AckOutcome::Accepted) {
        window_.setLinkFailed(false);
        return;
    }
    window_.showLinkFailure();
    window_.setInputEnabled(true);
    window_.setLinkFailed(true);
}

void UnitLink::WriteWord(UnitAddress address, std::int32_t value) {
    WriteSingleWord(WriteWordBody(address, value));
}

void UnitLink::WriteBlockWord(UnitAddress address, std::int16_t value) {
    const std::int16_t values[] = {value};
    WriteSingleWord(WriteWordsBody(address, values));
}

std::int16_t UnitLink::ReadWord(UnitAddress address) {
    const Running running(running_);
    const auto reply = RunFrameTransaction(link_, CommandFrame(ReadWordsBody(address, 1)));
    const auto value = reply ? DecodeSignedWordReply(*reply) : std::nullopt;
    if (!value) {
        window_.showLinkFailure();
        window_.setLinkFailed(true);
        return 0;
    }
    window_.setLinkFailed(false);
    return *value;
}

AckOutcome UnitLink::WriteBlockChunk(UnitAddress address, std::span<const std::int16_t> values) {
    const std::string frame = CommandFrame(WriteWordsBody(address, values));
    // A refused chunk goes again, but a unit that refuses it every time is
    // given up on, as if it had not answered.
    for (int attempt = 0; attempt <= MaxNakResends; ++attempt) {
        const AckOutcome outcome = RunAcknowledgeTransaction(link_, frame);
        if (outcome == AckOutcome::Accepted) {
            link_.clock.pause(PauseAfterBlockChunk);
            return outcome;
        }
        if (outcome == AckOutcome::TimedOut) return outcome;
    }
    return AckOutcome::TimedOut;
}

void UnitLink::WriteBlock(UnitAddress address, std::span<const std::int16_t> values,
                          std::int16_t count) {
    const Running running(running_);
    window_.setStatusText(LoadBusyText);
    const int total = ClampedCount(count, values.size());
    for (int next = 0; next < total;) {
        const int n = std::min(total - next, MaxWordsPerRequest);
        if (WriteBlockChunk(address, values.subspan(next, n)) != AckOutcome::Accepted) {
            return FailBlockOperation();
        }
        link_.events.processPendingEvents();
        next += n;
        address += 2 * n;
    }
    window_.setLinkFailed(false);
    window_.setInputEnabled(true);
}

std::string UnitLink::Char_Read(std::int32_t address) {
    const Running running(running_);
    const auto reply = RunFrameTransaction(link_, CommandFrame(ReadTwoBytesBody(address)));
    if (!reply) return "%%";
    // The unit waits for our acknowledge of every complete reply.
    link_.port.write(std::string(1, ACK));
    return DecodeTwoBytesReply(*reply).value_or("%%");
}

}  // namespace unit_link
