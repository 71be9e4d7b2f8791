#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "unit_link/position_monitor.h"

namespace trend {

// Milliseconds since 1970-01-01 UTC: when a reading arrived.
using Millis = std::int64_t;

// The 24-bit count's range; a step of more than half of it between two readings is a wrap.
inline constexpr std::int64_t CountRange = std::int64_t{1} << 24;

// The step from `previous` to `next` with a wrap taken the short way: FFFFFE to 000001 is +3,
// 000001 to FFFFFE is -3. A step of exactly half the range is no wrap.
std::int64_t UnwrappedStep(std::uint32_t previous, std::uint32_t next);

// One reading as the history keeps it.
struct Sample {
    Millis time = 0;
    // The count continued across wraps, from the first reading's position on.
    std::int64_t unwrapped = 0;
    std::uint16_t unitWord = 0;    // word 2 as read
    std::uint16_t sensorWord = 0;  // word 3 as read
    std::uint8_t lamps = 0;        // lamp i lit: bit i (0-2 unit, 3-7 sensor)
    bool startsRun = false;        // a gap lies between it and the reading before

    std::uint32_t position() const;
    // The block this reading came from, as far as the monitor reads it.
    unit_link::MonitorBlock block() const;
};

// The lamps of a decoded reading as one byte, bit i for lamp i.
std::uint8_t LampByte(const unit_link::MonitorReading& reading);

// The last `capacity` readings, oldest first, in arrival order (an hour at 10 a second).
class ReadingHistory {
  public:
    static constexpr std::size_t HourOfReadings = 36'000;

    explicit ReadingHistory(std::size_t capacity = HourOfReadings);

    // Keeps a reading; the oldest drops once the history is full. A time before the last
    // one (the wall clock set back) is kept as the last time, so the order holds.
    const Sample& add(const unit_link::MonitorBlock& words, Millis arrived);
    // The next reading does not join the last one.
    void interrupt() { interrupted_ = true; }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t capacity() const { return ring_.size(); }
    // Reading `i`, 0 the oldest.
    const Sample& operator[](std::size_t i) const { return ring_[(first_ + i) % ring_.size()]; }
    const Sample& newest() const { return (*this)[size_ - 1]; }
    // The first reading at or after `time` (size() when none).
    std::size_t firstAtOrAfter(Millis time) const;
    // The reading nearest to `time`; the history must not be empty.
    std::size_t nearest(Millis time) const;
    // Readings ever added, dropped ones included.
    std::uint64_t added() const { return added_; }

  private:
    std::vector<Sample> ring_;
    std::size_t first_ = 0;
    std::size_t size_ = 0;
    std::uint64_t added_ = 0;
    bool interrupted_ = true;
};

}  // namespace trend
