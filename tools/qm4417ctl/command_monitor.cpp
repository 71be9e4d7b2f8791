// monitor [--count N]: reads the monitor block every 100 ms and prints one line a
// reading, "DECIMAL HEX6 U=b0b1b2 S=b0b1b2b3b4" (lamp bits in lamp order), until
// interrupted or N readings.
#include <chrono>
#include <thread>

#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "unit_link/position_monitor.h"
#include "unit_link/unit_commands.h"

namespace qm4417ctl {

namespace {

constexpr std::chrono::milliseconds TickInterval{100};

template <std::size_t N>
std::string Bits(const std::array<bool, N>& lamps) {
    std::string bits;
    for (const bool lit : lamps) bits += lit ? '1' : '0';
    return bits;
}

std::string ReadingLine(const unit_link::MonitorBlock& words) {
    const unit_link::MonitorReading reading = unit_link::DecodeMonitorBlock(words);
    return reading.positionDec + " " + reading.positionHex + " U=" + Bits(reading.unitLamps) +
           " S=" + Bits(reading.sensorLamps);
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
        unit_link::MonitorBlock words{};
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
