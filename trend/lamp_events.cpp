#include "trend/lamp_events.h"

#include "unit_link/position_monitor.h"

namespace trend {

const char* LampCaption(int lamp) {
    const int unitLamps = static_cast<int>(unit_link::UnitLampCaptions.size());
    if (lamp < unitLamps) return unit_link::UnitLampCaptions.at(static_cast<std::size_t>(lamp));
    return unit_link::SensorLampCaptions.at(static_cast<std::size_t>(lamp - unitLamps));
}

int LampEventLog::add(const Sample& sample) {
    const std::uint8_t changed = sample.lamps ^ lamps_;
    lamps_ = sample.lamps;
    int made = 0;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        if ((changed >> lamp & 1) == 0) continue;
        events_.push_back({sample.time, lamp, (sample.lamps >> lamp & 1) != 0});
        ++made;
    }
    added_ += static_cast<std::uint64_t>(made);
    return made;
}

void LampEventLog::dropBefore(Millis time) {
    while (!events_.empty() && events_.front().time < time) {
        events_.pop_front();
        ++dropped_;
    }
}

}  // namespace trend
