// monitor [--count N]: reads the monitor block every 100 ms and prints one line a
// reading, "DECIMAL HEX6 U=b0b1b2 S=b0b1b2b3b4" (lamp bits in lamp order), until
// interrupted or N readings.
#include <chrono>
#include <cstdio>
#include <thread>

#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "unit_link/unit_commands.h"

namespace qm4417ctl {

namespace {

constexpr std::chrono::milliseconds TickInterval{100};

std::string Bits(std::int32_t word, int count) {
    std::string bits;
    for (int i = 0; i < count; ++i) bits += (word >> i & 1) ? '1' : '0';
    return bits;
}

std::string ReadingLine(const std::int32_t (&words)[4]) {
    const std::uint32_t position = static_cast<std::uint32_t>(words[0]) +
                                   (static_cast<std::uint32_t>(words[1]) & 0xFF) * 65536;
    char text[40];
    std::snprintf(text, sizeof text, "%u %06X ", position, position);
    return text + ("U=" + Bits(words[2], 3)) + " S=" + Bits(words[3], 5);
}

}  // namespace

int RunMonitor(CtlContext& context) {
    const auto& arguments = context.arguments;
    int count = 0;  // 0: until interrupted
    if (!arguments.empty()) {
        if (arguments[0] != "--count")
            throw UsageError("unexpected argument '" + arguments[0] + "'");
        ExpectArgumentCount(arguments, 2, "monitor [--count N]");
        count = ParseCount(arguments[1], 1, 1'000'000'000, "count");
    }
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;

    using Clock = std::chrono::steady_clock;
    auto nextTick = Clock::now();
    for (int reading = 0; (count == 0 || reading < count) && !context.interrupted; ++reading) {
        std::int32_t words[4] = {};
        link->ReadBlock(unit_link::MonitorBlockAddress, words, 4);
        if (context.link.linkFailed()) return LinkFailure;
        context.out << ReadingLine(words) << std::endl;
        // Ticks that fell inside a slow read are skipped, as the window's timer does.
        const auto now = Clock::now();
        do nextTick += TickInterval;
        while (nextTick <= now);
        if (count == 0 || reading + 1 < count) std::this_thread::sleep_until(nextTick);
    }
    return Success;
}

}  // namespace qm4417ctl
