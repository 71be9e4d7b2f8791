// libFuzzer target for reading replies by position: any bytes, as the whole
// answer to a read, must decode to values that really stand at their positions,
// or to nothing, and the block read must then store exactly that.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/fakes/fake_event_pump.h"
#include "platform/fakes/fake_serial_port.h"
#include "unit_link/fakes/fake_link_window.h"
#include "unit_link/reply_decoding.h"
#include "unit_link/unit_commands.h"
#include "unit_link/unit_link.h"

namespace {

using namespace unit_link;

void Require(bool holds) {
    if (!holds) std::abort();
}

bool HexDigitsAt(const std::string& reply, std::size_t index, std::size_t width) {
    if (index + width > reply.size()) return false;
    for (std::size_t i = index; i < index + width; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(reply[i]))) return false;
    return true;
}

std::uint32_t HexValue(const std::string& reply, std::size_t index, std::size_t width) {
    return static_cast<std::uint32_t>(std::stoul(reply.substr(index, width), nullptr, 16));
}

// Positions count from the first STX; bytes before it are noise.
std::string FromStx(const std::string& received) {
    const auto start = received.find(STX);
    return start == std::string::npos ? std::string() : received.substr(start);
}

void CheckWords(const std::string& received, int count) {
    const auto words = DecodeWordsReply(received, count);
    if (!words) return;
    const std::string reply = FromStx(received);
    Require(!reply.empty());
    Require(words->size() <= static_cast<std::size_t>(count));
    for (std::size_t j = 0; j < words->size(); ++j) {
        Require(HexDigitsAt(reply, 13 + 4 * j, 4));
        Require((*words)[j] == HexValue(reply, 13 + 4 * j, 4));
    }
    const std::size_t end = 13 + 4 * words->size();
    Require(words->size() == static_cast<std::size_t>(count) || reply.at(end) == ';');
}

void CheckTwoBytes(const std::string& received) {
    const auto text = DecodeTwoBytesReply(received);
    const std::string reply = FromStx(received);
    Require(text.has_value() == (HexDigitsAt(reply, 10, 4)));
    if (!text) return;
    Require(static_cast<unsigned char>((*text)[0]) == HexValue(reply, 10, 2));
    Require(static_cast<unsigned char>((*text)[1]) == HexValue(reply, 12, 2));
}

// The whole block read on a fake port that delivers the bytes as the answer.
void CheckReadBlock(const std::string& reply, int count) {
    platform::FakeSteadyClock clock;
    platform::FakeSerialPort port(clock);
    platform::FakeEventPump events;
    FakeLinkWindow window;
    UnitLink link({port, clock, events}, window);
    port.onWrite = [&](const std::string&) {
        port.arriveAfter(std::chrono::milliseconds(5), reply);
    };
    std::vector<std::int32_t> words(16, -1);
    link.ReadBlock(MonitorBlockAddress, words, static_cast<std::int16_t>(count));
    const bool complete = !reply.empty() && reply.back() == ETX;
    const auto decoded = complete ? DecodeWordsReply(reply, count) : std::nullopt;
    Require(window.linkFailed == !decoded);
    for (std::size_t j = 0; j < words.size(); ++j) {
        const bool stored = decoded && j < decoded->size();
        Require(words[j] == (stored ? static_cast<std::int32_t>((*decoded)[j]) : -1));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int count = 1 + data[0] % 16;
    const std::string reply(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckWords(reply, count);
    CheckTwoBytes(reply);
    CheckReadBlock(reply, count);
    return 0;
}
