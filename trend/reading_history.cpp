#include "trend/reading_history.h"

#include <algorithm>
#include <stdexcept>

namespace trend {

std::int64_t UnwrappedStep(std::uint32_t previous, std::uint32_t next) {
    std::int64_t step = std::int64_t{next} - std::int64_t{previous};
    if (step > CountRange / 2) step -= CountRange;
    if (step < -CountRange / 2) step += CountRange;
    return step;
}

std::uint32_t Sample::position() const {
    const std::int64_t wrapped = unwrapped % CountRange;
    return static_cast<std::uint32_t>(wrapped < 0 ? wrapped + CountRange : wrapped);
}

unit_link::MonitorBlock Sample::block() const {
    const std::uint32_t count = position();
    return {static_cast<std::int32_t>(count & 0xFFFF), static_cast<std::int32_t>(count >> 16),
            unitWord, sensorWord};
}

std::uint8_t LampByte(const unit_link::MonitorReading& reading) {
    std::uint8_t lamps = 0;
    int bit = 0;
    for (const bool lit : reading.unitLamps) lamps |= static_cast<std::uint8_t>(lit << bit++);
    for (const bool lit : reading.sensorLamps) lamps |= static_cast<std::uint8_t>(lit << bit++);
    return lamps;
}

ReadingHistory::ReadingHistory(std::size_t capacity) : ring_(capacity) {
    if (capacity == 0) throw std::invalid_argument("a reading history holds at least one reading");
}

const Sample& ReadingHistory::add(const unit_link::MonitorBlock& words, Millis arrived) {
    const unit_link::MonitorReading reading = unit_link::DecodeMonitorBlock(words);
    const std::uint32_t position = unit_link::MonitorPosition(words);
    Sample sample;
    sample.unitWord = static_cast<std::uint16_t>(words[2]);
    sample.sensorWord = static_cast<std::uint16_t>(words[3]);
    sample.lamps = LampByte(reading);
    sample.startsRun = interrupted_ || empty();
    if (empty()) {
        sample.time = arrived;
        sample.unwrapped = position;
    } else {
        const Sample& last = newest();
        sample.time = std::max(arrived, last.time);
        sample.unwrapped = last.unwrapped + UnwrappedStep(last.position(), position);
    }
    interrupted_ = false;
    ++added_;
    if (size_ < ring_.size()) {
        ++size_;
    } else {
        first_ = (first_ + 1) % ring_.size();
    }
    Sample& slot = ring_[(first_ + size_ - 1) % ring_.size()];
    slot = sample;
    return slot;
}

std::size_t ReadingHistory::firstAtOrAfter(Millis time) const {
    std::size_t low = 0;
    std::size_t high = size_;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if ((*this)[middle].time < time)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::size_t ReadingHistory::nearest(Millis time) const {
    const std::size_t after = firstAtOrAfter(time);
    if (after == size_) return size_ - 1;
    if (after == 0) return 0;
    return time - (*this)[after - 1].time <= (*this)[after].time - time ? after - 1 : after;
}

}  // namespace trend
