#pragma once

#include <thread>

#include "platform/steady_clock.h"

namespace platform {

class SystemSteadyClock : public SteadyClock {
  public:
    std::chrono::nanoseconds now() const override {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
    void pause(std::chrono::nanoseconds duration) override {
        std::this_thread::sleep_for(duration);
    }
};

}  // namespace platform
