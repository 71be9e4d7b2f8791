#include "tools/unit_sim/line_server.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "unit_link/command_frame.h"

namespace unit_sim {

namespace {

constexpr std::size_t ReceivedLogLimit = 8192;

// Bytes outside printable ASCII shown by name or in hex, so a trace line stays one
// readable line.
std::string Printable(std::string_view bytes) {
    static const std::pair<char, const char*> Names[] = {{unit_link::STX, "<STX>"},
                                                         {unit_link::ETX, "<ETX>"},
                                                         {unit_link::ACK, "<ACK>"},
                                                         {unit_link::NAK, "<NAK>"}};
    std::string text;
    for (const char c : bytes) {
        const auto named = std::find_if(std::begin(Names), std::end(Names),
                                        [c](const auto& name) { return name.first == c; });
        if (named != std::end(Names)) {
            text += named->second;
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            text += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<%02X>", static_cast<unsigned char>(c));
            text += hex;
        }
    }
    return text;
}

}  // namespace

LineServer::LineServer(Carrier carrier, std::optional<std::chrono::nanoseconds> byteTime,
                       TraceSink trace)
    : carrier_(carrier),
      byteTime_(byteTime),
      trace_(std::move(trace)),
      wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      unit_(SimClock::now()) {
    if (wake_ < 0) throw std::runtime_error(std::string("eventfd: ") + std::strerror(errno));
}

LineServer::~LineServer() {
    assert(!thread_.joinable() && "the carrier stops serving before it goes");
    close(wake_);
}

void LineServer::startServing() {
    thread_ = std::thread([this] { serve(); });
}

void LineServer::stopServing() {
    if (!thread_.joinable()) return;
    const std::uint64_t one = 1;
    if (write(wake_, &one, sizeof one) < 0) std::perror("kv3907-sim: wake");
    thread_.join();
}

std::string LineServer::control(std::string_view line) {
    return withUnit([&](SimulatedUnit& unit, SimClock::time_point now) {
        return ApplyControl(line, unit, now, carrier_);
    });
}

std::string LineServer::receivedBytes() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::optional<SimClock::time_point> LineServer::lastAnswerByteTime() const {
    std::lock_guard lock(mutex_);
    return lastAnswerByte_;
}

void LineServer::serve() {
    for (;;) {
        timespec timeout{};
        timespec* wait = nullptr;  // no bytes to send: wait for input or the stop
        if (!outgoing_.empty()) {
            const auto left =
                std::max(outgoing_.front().due - SimClock::now(), SimClock::duration::zero());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timeout = {static_cast<time_t>(ns / 1'000'000'000),
                       static_cast<long>(ns % 1'000'000'000)};
            wait = &timeout;
        }
        const int line = lineDescriptor();
        pollfd fds[] = {{wake_, POLLIN, 0}, {carrierDescriptor(), POLLIN, 0}, {line, POLLIN, 0}};
        if (ppoll(fds, line >= 0 ? 3 : 2, wait, nullptr) < 0 && errno != EINTR) {
            std::perror("kv3907-sim: ppoll");
            return;
        }
        if (fds[0].revents & POLLIN) return;
        // The line first, so that a client's end is seen before a connection that follows it.
        if (line >= 0 && (fds[2].revents & (POLLIN | POLLHUP | POLLERR)))
            receive(line, SimClock::now());
        if ((fds[1].revents & POLLIN) && onCarrierInput()) forgetExchange();
        sendDue(SimClock::now());
    }
}

void LineServer::receive(int line, SimClock::time_point now) {
    char buffer[512];
    const ssize_t count = read(line, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (count <= 0) {
        lineEnded();
        forgetExchange();
        return;
    }
    const std::string_view bytes(buffer, static_cast<std::size_t>(count));
    {
        std::lock_guard lock(mutex_);
        received_ += bytes;
        if (received_.size() > ReceivedLogLimit)
            received_.erase(0, received_.size() - ReceivedLogLimit);
    }
    const auto byteTime = byteTime_.value_or(std::chrono::nanoseconds::zero());
    for (const char byte : bytes) {
        // The byte is complete on the line one byte time after the line was free.
        receiveLineFree_ = std::max(now, receiveLineFree_) + byteTime;
        const auto content = assembler_.push(byte);
        if (!content) continue;
        trace("<- ", unit_link::STX + *content + unit_link::ETX);
        Answer answer;
        {
            std::lock_guard lock(mutex_);
            answer = unit_.receive(*content, receiveLineFree_);
        }
        schedule(answer, receiveLineFree_);
    }
}

void LineServer::schedule(const Answer& answer, SimClock::time_point from) {
    const auto byteTime = byteTime_.value_or(std::chrono::nanoseconds::zero());
    auto at = std::max(from, sendLineFree_);
    std::string all;
    const std::size_t before = outgoing_.size();
    std::optional<std::size_t> lastByte;
    for (const AnswerPiece& piece : answer) {
        at += piece.pauseBefore;
        for (const char byte : piece.bytes) {
            at += byteTime;  // the host has the byte once its stop bit is over
            lastByte = outgoing_.size();
            outgoing_.push_back({at, byte});
        }
        all += piece.bytes;
        if (piece.cutAfter != LineCut::None)
            outgoing_.push_back({at, std::nullopt, false, piece.cutAfter});
    }
    if (outgoing_.size() == before) return;
    if (lastByte) outgoing_[*lastByte].endsAnswer = true;
    sendLineFree_ = at;
    trace("-> ", all);
}

void LineServer::sendDue(SimClock::time_point now) {
    std::string due;
    bool endsAnswer = false;
    LineCut cut = LineCut::None;
    while (!outgoing_.empty() && outgoing_.front().due <= now && cut == LineCut::None) {
        const Outgoing& next = outgoing_.front();
        if (next.byte) due += *next.byte;
        endsAnswer = endsAnswer || next.endsAnswer;
        cut = next.cut;
        outgoing_.pop_front();
    }
    if (endsAnswer) {
        // Stamped before the write, so a host that sees the last byte also sees its time.
        std::lock_guard lock(mutex_);
        lastAnswerByte_ = SimClock::now();
    }
    if (!due.empty()) deliver(due);
    if (cut == LineCut::None) return;
    this->cut(cut);
    forgetExchange();
}

void LineServer::forgetExchange() {
    outgoing_.clear();
    assembler_ = FrameAssembler{};
}

void LineServer::note(std::string_view what) const {
    if (trace_) trace_("-- " + std::string(what));
}

void LineServer::trace(std::string_view direction, std::string_view bytes) const {
    if (trace_) trace_(std::string(direction) + Printable(bytes));
}

}  // namespace unit_sim
