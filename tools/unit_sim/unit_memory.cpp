#include "tools/unit_sim/unit_memory.h"

#include <cmath>

namespace unit_sim {

namespace {

constexpr std::uint32_t PositionModulus = 1u << 24;
constexpr std::uint32_t AddressMask = 0xFFFFFF;

// The unit's factory parameters: PB, CCW, 2 ms, 1000 phases, semi-absolute, preset 0.
constexpr std::uint16_t FactoryParameters[UnitMemory::ParameterCount] = {0, 0, 2, 1000, 1, 0, 0};

}  // namespace

bool ParametersInRange(const std::uint16_t (&words)[UnitMemory::ParameterCount]) {
    const auto [code, dir, strobe, phases, sensor, presetHigh, presetLow] = words;
    (void)presetLow;  // every 16-bit value is a valid low half
    return code <= 1 && dir <= 1 && (strobe == 2 || strobe == 5 || strobe == 10) &&
           phases <= 2000 && sensor >= 1 && sensor <= 3 && presetHigh <= 0xFF;
}

UnitMemory::UnitMemory(SimClock::time_point now) : baseTime_(now) {
    for (int i = 0; i < ParameterCount; ++i) words_[ParameterBase + 2 * i] = FactoryParameters[i];
}

std::uint16_t UnitMemory::read(std::uint32_t address, SimClock::time_point now) const {
    address &= AddressMask;
    switch (address) {
        case MonitorBlock:
            return position(now) & 0xFFFF;
        case MonitorBlock + 2:
            return position(now) >> 16;
        case MonitorBlock + 4:
            return unitErrors();
        case MonitorBlock + 6:
            return sensorErrors_;
        default:
            break;
    }
    const auto found = words_.find(address);
    return found == words_.end() ? 0 : found->second;
}

void UnitMemory::write(std::uint32_t address, std::uint16_t value) {
    address &= AddressMask;
    if (address >= MonitorBlock && address < MonitorBlock + 2 * MonitorWords) return;  // read-only
    if (address == StoreWord) {
        // A command word: 1 stores the parameters; it reads back 0 once done.
        if (value == 1) storeParameters();
        return;
    }
    words_[address] = value;
}

void UnitMemory::storeParameters() {
    std::uint16_t parameters[ParameterCount];
    for (int i = 0; i < ParameterCount; ++i) parameters[i] = words_[ParameterBase + 2 * i];
    limitError_ = !ParametersInRange(parameters);
}

std::uint16_t UnitMemory::unitErrors() const {
    return unitErrors_ | (limitError_ ? DataLimitErrorBit : 0);
}

std::uint32_t UnitMemory::position(SimClock::time_point now) const {
    const double seconds = std::chrono::duration<double>(now - baseTime_).count();
    const auto moved = static_cast<long long>(std::floor(speed_ * seconds));
    const long long raw = static_cast<long long>(basePosition_) + moved;
    const long long wrapped = ((raw % PositionModulus) + PositionModulus) % PositionModulus;
    return static_cast<std::uint32_t>(wrapped);
}

void UnitMemory::setPosition(std::uint32_t position, SimClock::time_point now) {
    basePosition_ = position % PositionModulus;
    baseTime_ = now;
}

void UnitMemory::setSpeed(double countsPerSecond, SimClock::time_point now) {
    setPosition(position(now), now);
    speed_ = countsPerSecond;
}

}  // namespace unit_sim
