#pragma once

#include <vector>

#include "platform/steady_clock.h"

namespace platform {

// Time moves only when told to (or when a fake waits); pauses are recorded.
class FakeSteadyClock : public SteadyClock {
  public:
    std::chrono::nanoseconds now() const override { return time; }
    void pause(std::chrono::nanoseconds duration) override {
        pauses.push_back(duration);
        time += duration;
    }
    void advance(std::chrono::nanoseconds duration) { time += duration; }

    std::chrono::nanoseconds time{0};
    std::vector<std::chrono::nanoseconds> pauses;
};

}  // namespace platform
