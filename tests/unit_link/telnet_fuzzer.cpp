// libFuzzer target for the receive side of the RFC 2217 line's Telnet layer: any bytes from a
// server, however they are cut into reads, give the same data and the same answers; bytes with
// no IAC among them are all data; what goes back is Telnet commands only.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/telnet_com_port.h"

namespace {

using platform::TelnetComPort;

void Require(bool holds) {
    if (!holds) std::abort();
}

struct Run {
    std::string data;
    std::string answer;
    TelnetComPort::Progress progress;
};

// Feeds `stream` in reads of `step` bytes (all at once when 0).
Run Feed(const std::string& stream, std::size_t step) {
    TelnetComPort telnet(platform::LineSettings{9600, 'e', 8, 1});
    telnet.opening();
    Run run{};
    bool ready = false;
    for (std::size_t at = 0; at < stream.size(); at += step == 0 ? stream.size() : step) {
        run.data +=
            telnet.receive(stream.substr(at, step == 0 ? std::string::npos : step), run.answer);
        // Once ready the line stays ready or fails; it never negotiates again.
        if (ready) Require(telnet.progress() != TelnetComPort::Progress::Negotiating);
        ready = ready || telnet.progress() == TelnetComPort::Progress::Ready;
    }
    run.progress = telnet.progress();
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t step = bytes[0] % 8;
    const std::string stream(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    const Run whole = Feed(stream, 0);
    const Run split = Feed(stream, step == 0 ? 1 : step);
    Require(whole.data == split.data);
    Require(whole.answer == split.answer);
    Require(whole.progress == split.progress);
    Require(whole.data.size() <= stream.size());
    if (stream.find('\xFF') == std::string::npos) Require(whole.data == stream);
    if (!whole.answer.empty()) Require(static_cast<std::uint8_t>(whole.answer[0]) == 0xFF);
    return 0;
}
