#pragma once

#include <chrono>
#include <cstdint>
#include <map>

namespace unit_sim {

using SimClock = std::chrono::steady_clock;

// The simulated unit's memory: 16-bit words at even 24-bit byte addresses. Most
// words just hold what was written (0 until then); the monitor block is computed
// from the moving position and the error bits, and the store word checks the
// parameter words when 1 is written to it.
class UnitMemory {
  public:
    static constexpr std::uint32_t ParameterBase = 0xFFEF2E;
    static constexpr int ParameterCount = 7;
    static constexpr std::uint32_t StoreWord = 0xFFEF66;
    static constexpr std::uint32_t MonitorBlock = 0xFFEF5C;
    static constexpr int MonitorWords = 4;
    static constexpr std::uint16_t DataLimitErrorBit = 0x0004;  // word 2, bit 2

    explicit UnitMemory(SimClock::time_point now);

    std::uint16_t read(std::uint32_t address, SimClock::time_point now) const;
    void write(std::uint32_t address, std::uint16_t value);

    // Position in counts, 24 bits, moving at `countsPerSecond` (may be negative).
    void setPosition(std::uint32_t position, SimClock::time_point now);
    void setSpeed(double countsPerSecond, SimClock::time_point now);
    std::uint32_t position(SimClock::time_point now) const;
    double speed() const { return speed_; }

    // Word 2 and word 3 of the monitor block as set by the operator of the
    // simulator; the unit's own limit error is added to word 2.
    void setUnitErrors(std::uint16_t bits) { unitErrors_ = bits; }
    void setSensorErrors(std::uint16_t bits) { sensorErrors_ = bits; }
    std::uint16_t unitErrors() const;
    std::uint16_t sensorErrors() const { return sensorErrors_; }

  private:
    void storeParameters();

    std::map<std::uint32_t, std::uint16_t> words_;
    std::uint32_t basePosition_ = 0;
    SimClock::time_point baseTime_;
    double speed_ = 0.0;
    std::uint16_t unitErrors_ = 0;
    std::uint16_t sensorErrors_ = 0;
    bool limitError_ = false;
};

// Whether the seven parameter words (Code, Dir, StrobeCycle, PhaseCount,
// SensorType, PresetDataHigh, PresetDataLow) all lie in the unit's ranges.
bool ParametersInRange(const std::uint16_t (&words)[UnitMemory::ParameterCount]);

}  // namespace unit_sim
