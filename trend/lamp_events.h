#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "trend/reading_history.h"

namespace trend {

inline constexpr int LampCount = 8;

// Lamp i's caption as the main window shows it: 0-2 the unit's, 3-7 the sensor's.
const char* LampCaption(int lamp);

// A lamp that went on or off with a reading.
struct LampEvent {
    Millis time = 0;
    int lamp = 0;
    bool on = false;

    bool operator==(const LampEvent&) const = default;
};

// Every change of a lamp between one reading and the next, so that a lamp lit for a single
// reading gives its pair of events. Before the first reading every lamp counts as dark; across
// a gap the reading before the gap is the one compared with.
class LampEventLog {
  public:
    // The events `sample` makes, kept in lamp order; returns how many.
    int add(const Sample& sample);
    // Drops the events before `time` (those of readings the history no longer holds).
    void dropBefore(Millis time);

    const std::deque<LampEvent>& events() const { return events_; }
    // Events ever added and ever dropped, so that a list can follow without a full copy.
    std::uint64_t added() const { return added_; }
    std::uint64_t dropped() const { return dropped_; }

  private:
    std::deque<LampEvent> events_;
    std::uint8_t lamps_ = 0;
    std::uint64_t added_ = 0;
    std::uint64_t dropped_ = 0;
};

}  // namespace trend
