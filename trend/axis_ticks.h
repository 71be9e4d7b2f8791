#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "trend/reading_history.h"

namespace trend {

// A labelled mark on an axis.
struct AxisTick {
    std::int64_t value = 0;  // a count, or a time in milliseconds since 1970 UTC
    std::string label;

    bool operator==(const AxisTick&) const = default;
};

// The smallest step of 1, 2 or 5 times a power of ten that keeps ticks over `range` at least
// `minSpacing` of `length` pixels apart.
std::int64_t RoundCountStep(std::int64_t range, int length, int minSpacing);

// Ticks at the multiples of the round step inside low..high, labelled in plain decimal.
std::vector<AxisTick> CountTicks(std::int64_t low, std::int64_t high, int length, int minSpacing);

// The smallest of 100 ms, 200 ms, 500 ms, 1 s, 2 s, 5 s, 10 s, 15 s, 30 s, 1 min, 2 min,
// 5 min, 10 min, 15 min, 30 min and 1 h that keeps ticks `minSpacing` pixels apart.
Millis RoundTimeStep(Millis span, int length, int minSpacing);

// Ticks on the round steps of the wall clock where the operator is (`utcOffset` ms ahead of
// UTC), from..to: "14:05" for steps of minutes, "14:05:30" for seconds, "14:05:30.5" below.
std::vector<AxisTick> TimeTicks(Millis from, Millis to, int length, int minSpacing,
                                Millis utcOffset);

// Local wall-clock time of `time`, "HH:MM:SS.mmm".
std::string ClockText(Millis time, Millis utcOffset);

// How far the local wall clock is ahead of UTC at `time`, by the system's time zone.
Millis LocalUtcOffset(Millis time);

}  // namespace trend
