#include "unit_link/position_monitor.h"

#include <cstdio>

#include "unit_link/unit_commands.h"

namespace unit_link {

MonitorReading DecodeMonitorBlock(const MonitorBlock& words) {
    const std::uint32_t position = (static_cast<std::uint32_t>(words[0]) & 0xFFFF) |
                                   (static_cast<std::uint32_t>(words[1]) & 0xFF) << 16;
    char hex[7];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(position));
    MonitorReading reading{hex, std::to_string(position)};
    for (std::size_t i = 0; i < reading.unitLamps.size(); ++i)
        reading.unitLamps[i] = (words[2] >> i & 1) != 0;
    for (std::size_t i = 0; i < reading.sensorLamps.size(); ++i)
        reading.sensorLamps[i] = (words[3] >> i & 1) != 0;
    return reading;
}

void MonitorTick(UnitLink& link, MonitorView& view) {
    if (link.operationRunning() || !view.monitorSwitchOn()) return;
    MonitorBlock words{};
    link.ReadBlock(MonitorBlockAddress, words, static_cast<std::int16_t>(words.size()));
    if (view.linkFailed()) {
        // The failed read has shown its message once; the displays keep the last reading.
        view.switchMonitorOff();
        return;
    }
    view.showMonitorReading(DecodeMonitorBlock(words));
}

}  // namespace unit_link
