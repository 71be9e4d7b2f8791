#pragma once

#include <chrono>

#include "unit_link/position_monitor.h"

namespace unit_link {

// Whoever follows the monitor's readings beyond the main window's displays. The monitor hands
// it every block it read and says when the run of readings broke off.
class MonitorListener {
  public:
    virtual ~MonitorListener() = default;
    // The block as read, and the time it arrived.
    virtual void readingTaken(const MonitorBlock& words,
                              std::chrono::system_clock::time_point arrived) = 0;
    // The next reading does not follow on from the last one: a read failed, or the switch is
    // off. Said on every tick that takes no reading for those reasons.
    virtual void readingsInterrupted() = 0;
};

}  // namespace unit_link
