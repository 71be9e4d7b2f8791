#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "unit_link/unit_link.h"

namespace unit_link {

// What one monitor block shows: the 24-bit position in both forms and every lamp.
struct MonitorReading {
    std::string positionHex;  // exactly six upper-case digits
    std::string positionDec;  // plain decimal, no padding
    std::array<bool, 3> unitLamps{};
    std::array<bool, 5> sensorLamps{};

    bool operator==(const MonitorReading&) const = default;
};

using MonitorBlock = std::array<std::int32_t, 4>;

// Word 0 holds position bits 0-15, the low byte of word 1 bits 16-23 (its high byte is
// ignored); words 2 and 3 hold the unit's and the sensor's error bits.
MonitorReading DecodeMonitorBlock(const MonitorBlock& words);

// The part of the main window the monitor reads and drives.
class MonitorView {
  public:
    virtual ~MonitorView() = default;
    virtual bool monitorSwitchOn() const = 0;
    virtual void switchMonitorOff() = 0;
    virtual bool linkFailed() const = 0;
    virtual void showMonitorReading(const MonitorReading& reading) = 0;
};

// One tick of Timer1: reads the monitor block while the switch is on, unless a link
// operation (its failure message included) is still under way.
void MonitorTick(UnitLink& link, MonitorView& view);

}  // namespace unit_link
