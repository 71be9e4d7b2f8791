#pragma once

namespace platform {

// Lets the program handle its pending events (clicks, keys, timer ticks,
// repaints) once, then returns.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

}  // namespace platform
