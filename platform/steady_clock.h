#pragma once

#include <chrono>

namespace platform {

// A clock that runs steadily (no jumps at midnight or when the wall clock is set),
// and a plain pause that lets nothing else run.
class SteadyClock {
  public:
    virtual ~SteadyClock() = default;
    virtual std::chrono::nanoseconds now() const = 0;
    virtual void pause(std::chrono::nanoseconds duration) = 0;
};

}  // namespace platform
