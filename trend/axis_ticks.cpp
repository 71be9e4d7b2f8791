#include "trend/axis_ticks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

namespace trend {

namespace {

constexpr Millis Second = 1000;
constexpr Millis Minute = 60 * Second;
constexpr Millis Hour = 60 * Minute;
constexpr Millis Day = 24 * Hour;

// The multiple of `step` at or above `value`, for negative values too.
std::int64_t CeilToStep(std::int64_t value, std::int64_t step) {
    std::int64_t multiple = value / step * step;
    if (multiple < value) multiple += step;
    return multiple;
}

std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
    const std::int64_t rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

}  // namespace

std::int64_t RoundCountStep(std::int64_t range, int length, int minSpacing) {
    if (range <= 0 || length <= 0) return 1;
    const int ticksThatFit = std::max(1, length / std::max(1, minSpacing));
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            const std::int64_t step = factor * power;
            if (range / step <= ticksThatFit) return step;
        }
    }
}

std::vector<AxisTick> CountTicks(std::int64_t low, std::int64_t high, int length, int minSpacing) {
    std::vector<AxisTick> ticks;
    if (high < low) return ticks;
    const std::int64_t step = RoundCountStep(high - low, length, minSpacing);
    for (std::int64_t value = CeilToStep(low, step); value <= high; value += step)
        ticks.push_back({value, std::to_string(value)});
    return ticks;
}

Millis RoundTimeStep(Millis span, int length, int minSpacing) {
    static constexpr std::array<Millis, 16> Steps{
        100,         200,         500,         Second, 2 * Second, 5 * Second,
        10 * Second, 15 * Second, 30 * Second, Minute, 2 * Minute, 5 * Minute,
        10 * Minute, 15 * Minute, 30 * Minute, Hour};
    if (span <= 0 || length <= 0) return Steps.back();
    for (const Millis step : Steps) {
        // Pixels between two ticks of this step.
        if (step * length >= static_cast<Millis>(minSpacing) * span) return step;
    }
    return Steps.back();
}

std::string ClockText(Millis time, Millis utcOffset) {
    const Millis ofDay = FloorMod(time + utcOffset, Day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(ofDay / Hour),
                  static_cast<int>(ofDay / Minute % 60), static_cast<int>(ofDay / Second % 60),
                  static_cast<int>(ofDay % Second));
    return text;
}

std::vector<AxisTick> TimeTicks(Millis from, Millis to, int length, int minSpacing,
                                Millis utcOffset) {
    std::vector<AxisTick> ticks;
    if (to <= from) return ticks;
    const Millis step = RoundTimeStep(to - from, length, minSpacing);
    // "HH:MM" (5 characters), "HH:MM:SS" (8), "HH:MM:SS.m" (10) of "HH:MM:SS.mmm".
    const std::size_t shown = step >= Minute ? 5 : step >= Second ? 8 : 10;
    // Round on the local clock: the multiples of the step since local midnight.
    for (Millis local = CeilToStep(from + utcOffset, step); local <= to + utcOffset;
         local += step) {
        const Millis time = local - utcOffset;
        ticks.push_back({time, ClockText(time, utcOffset).substr(0, shown)});
    }
    return ticks;
}

Millis LocalUtcOffset(Millis time) {
    const std::time_t seconds = static_cast<std::time_t>(time / Second);
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return 0;
    return static_cast<Millis>(local.tm_gmtoff) * Second;
}

}  // namespace trend
