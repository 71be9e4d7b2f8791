#include "unit_link/position_monitor.h"

#include <cstdio>

#include "unit_link/monitor_listener.h"
#include "unit_link/unit_commands.h"

namespace unit_link {

std::uint32_t MonitorPosition(const MonitorBlock& words) {
    return (static_cast<std::uint32_t>(words[0]) & 0xFFFF) |
           (static_cast<std::uint32_t>(words[1]) & 0xFF) << 16;
}

MonitorReading DecodeMonitorBlock(const MonitorBlock& words) {
    const std::uint32_t position = MonitorPosition(words);
    char hex[7];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(position));
    MonitorReading reading{hex, std::to_string(position)};
    for (std::size_t i = 0; i < reading.unitLamps.size(); ++i)
        reading.unitLamps[i] = (words[2] >> i & 1) != 0;
    for (std::size_t i = 0; i < reading.sensorLamps.size(); ++i)
        reading.sensorLamps[i] = (words[3] >> i & 1) != 0;
    return reading;
}

void MonitorTick(UnitLink& link, MonitorView& view, MonitorListener* listener) {
    if (link.operationRunning()) return;
    if (!view.monitorSwitchOn()) {
        if (listener) listener->readingsInterrupted();
        return;
    }
    MonitorBlock words{};
    link.ReadBlock(MonitorBlockAddress, words, static_cast<std::int16_t>(words.size()));
    if (view.linkFailed()) {
        // The failed read has shown its message once; the displays keep the last reading.
        view.switchMonitorOff();
        if (listener) listener->readingsInterrupted();
        return;
    }
    const auto arrived = std::chrono::system_clock::now();
    view.showMonitorReading(DecodeMonitorBlock(words));
    if (listener) listener->readingTaken(words, arrived);
}

}  // namespace unit_link
