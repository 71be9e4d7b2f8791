// monitor [--csv] [--count N]: reads the monitor block every 100 ms and prints one line
// a reading, "DECIMAL HEX6 U=b0b1b2 S=b0b1b2b3b4" (lamp bits in lamp order), or with
// --csv a header and rows "TIME,DECIMAL,HEX6,0xUUUU,0xSSSS" (unit_link/monitor_csv.h),
// until interrupted or N readings.
#include <chrono>
#include <thread>

#include "tools/qm4417ctl/commands.h"
#include "tools/qm4417ctl/ctl_arguments.h"
#include "unit_link/monitor_csv.h"
#include "unit_link/unit_commands.h"

namespace qm4417ctl {

namespace {

constexpr std::chrono::milliseconds TickInterval{100};

std::string ReadingLine(const unit_link::MonitorReading& reading) {
    return reading.positionDec + " " + reading.positionHex +
           " U=" + unit_link::LampBits(reading.unitLamps) +
           " S=" + unit_link::LampBits(reading.sensorLamps);
}

struct MonitorOptions {
    bool csv = false;
    int count = 0;  // 0: until interrupted
};

MonitorOptions ParseMonitorOptions(const std::vector<std::string>& arguments) {
    constexpr const char* Usage = "monitor [--csv] [--count N]";
    MonitorOptions options;
    bool counted = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--csv" && !options.csv) {
            options.csv = true;
        } else if (arguments[i] == "--count" && !counted) {
            if (i + 1 == arguments.size())
                throw UsageError(std::string("missing argument; usage: ") + Usage);
            options.count = ParseCount(arguments[++i], 1, 1'000'000'000, "count");
            counted = true;
        } else {
            throw UsageError("unexpected argument '" + arguments[i] + "'; usage: " + Usage);
        }
    }
    return options;
}

}  // namespace

int RunMonitor(CtlContext& context) {
    const MonitorOptions options = ParseMonitorOptions(context.arguments);
    const int count = options.count;
    unit_link::UnitLink* link = context.link.open();
    if (!link) return LinkFailure;
    if (options.csv) context.out << unit_link::MonitorCsvHeader << std::endl;

    using Clock = std::chrono::steady_clock;
    auto nextTick = Clock::now();
    for (int done = 0; (count == 0 || done < count) && !context.interrupted; ++done) {
        unit_link::MonitorBlock words{};
        link->ReadBlock(unit_link::MonitorBlockAddress, words, 4);
        if (context.link.linkFailed()) return LinkFailure;
        // The time the reading arrived.
        const auto arrived = std::chrono::system_clock::now();
        const unit_link::MonitorReading reading = unit_link::DecodeMonitorBlock(words);
        context.out << (options.csv ? unit_link::MonitorCsvRow(reading, arrived)
                                    : ReadingLine(reading))
                    << std::endl;
        // Nobody reads the rows any more.
        if (!context.out) return LinkFailure;
        // Ticks that fell inside a slow read are skipped, as the window's timer does.
        const auto now = Clock::now();
        do nextTick += TickInterval;
        while (nextTick <= now);
        if (count == 0 || done + 1 < count) std::this_thread::sleep_until(nextTick);
    }
    return Success;
}

}  // namespace qm4417ctl
