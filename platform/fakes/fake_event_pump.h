#pragma once

#include <functional>

#include "platform/event_pump.h"

namespace platform {

// Counts the passes; `onProcess` stands for handlers that run in one.
class FakeEventPump : public EventPump {
  public:
    void processPendingEvents() override {
        ++passes;
        if (onProcess) onProcess();
    }

    int passes = 0;
    std::function<void()> onProcess;
};

}  // namespace platform
