#include "tools/unit_sim/simulated_unit.h"

#include "unit_link/command_frame.h"

namespace unit_sim {

namespace {

using unit_link::EncodeUnitAddress;
using unit_link::EncodeWordValue;

// Reply to "4": a 12-character header (positions 2 to 13) echoing the address and
// the count, the words from position 14 on, and a closing group that starts with ";".
std::string WordsReply(const UnitRequest& request, const UnitMemory& memory,
                       SimClock::time_point now) {
    std::string body =
        "4" + EncodeUnitAddress(request.address) + ";" + EncodeWordValue(request.count);
    for (int i = 0; i < request.count; ++i)
        body += EncodeWordValue(memory.read(request.address + 2 * i, now));
    return ReplyFrame(body + ";");
}

// Reply to "1": a 9-character header (positions 2 to 10), then the byte at the
// address and the next one as two hex digits each (positions 11 to 14). Words are
// stored high byte first.
std::string TwoBytesReply(const UnitRequest& request, const UnitMemory& memory,
                          SimClock::time_point now) {
    const auto byteAt = [&](std::uint32_t address) {
        const std::uint16_t word = memory.read(address & ~1u, now);
        return address % 2 == 0 ? word >> 8 : word & 0xFF;
    };
    const int bytes = byteAt(request.address) << 8 | byteAt(request.address + 1);
    return ReplyFrame("1" + EncodeUnitAddress(request.address) + ";;" + EncodeWordValue(bytes) +
                      ";");
}

}  // namespace

std::string ReplyFrame(std::string_view body) {
    return unit_link::STX + std::string(body) + unit_link::FrameChecksum(body) + unit_link::ETX;
}

Answer SimulatedUnit::receive(std::string_view content, SimClock::time_point now) {
    const Fault fault = faults_.take();
    if (fault.kind == Fault::Kind::Silence) return {};
    ++requestCount_;
    if (fault.kind == Fault::Kind::Nak) return {{{}, std::string(1, unit_link::NAK)}};

    const auto request = ParseUnitRequest(content);
    const std::string reply = request ? carryOut(*request, now) : std::string(1, unit_link::NAK);
    const std::chrono::milliseconds amount{fault.amount};
    switch (fault.kind) {
        case Fault::Kind::Drop:
            return {};
        case Fault::Kind::Delay:
            return {{amount, reply}};
        case Fault::Kind::Noise:
            return {{{}, noise(fault.amount) + reply}};
        case Fault::Kind::Reset:
            return {{{}, reply.substr(0, reply.size() / 2), LineCut::Reset}};
        case Fault::Kind::HalfClose:
            return {{{}, reply.substr(0, reply.size() / 2), LineCut::HalfClose}};
        case Fault::Kind::Split: {
            const std::size_t half = reply.size() / 2;
            if (half == 0) return {{{}, reply}};
            return {{{}, reply.substr(0, half)}, {amount, reply.substr(half)}};
        }
        default:
            return {{{}, reply}};
    }
}

std::string SimulatedUnit::carryOut(const UnitRequest& request, SimClock::time_point now) {
    switch (request.command) {
        case UnitRequest::Command::ReadWords:
            return WordsReply(request, memory_, now);
        case UnitRequest::Command::ReadTwoBytes:
            return TwoBytesReply(request, memory_, now);
        case UnitRequest::Command::WriteWord:
        case UnitRequest::Command::WriteWords:
            for (std::size_t i = 0; i < request.values.size(); ++i)
                memory_.write(request.address + 2 * static_cast<std::uint32_t>(i),
                              request.values[i]);
            return std::string(1, unit_link::ACK);
    }
    return std::string(1, unit_link::NAK);
}

// Printable characters other than the control characters of the protocol, so the
// noise shifts the answer without ending it.
std::string SimulatedUnit::noise(int count) {
    static constexpr std::string_view Alphabet = "0123456789ABCDEF;,xyz!?#";
    std::uniform_int_distribution<std::size_t> pick(0, Alphabet.size() - 1);
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += Alphabet[pick(noiseSource_)];
    return bytes;
}

}  // namespace unit_sim
