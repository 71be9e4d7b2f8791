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
std::uint32_t MonitorPosition(const MonitorBlock& words);

// The captions beside the lamps, in lamp order, as the window shows them.
inline constexpr std::array<const char*, 3> UnitLampCaptions{
    "Save parameter Error", "Save R/D Data Error", "Parameter Data Limit Error"};
inline constexpr std::array<const char*, 5> SensorLampCaptions{
    "Fine Resolver Error", "Mid Resolver Error", "Cose Resolver Error", "Reserve",
    "Sensor Data Error"};

// The lamps as a string of '1' (lit) and '0', in lamp order.
template <std::size_t N>
std::string LampBits(const std::array<bool, N>& lamps) {
    std::string bits;
    for (const bool lit : lamps) bits += lit ? '1' : '0';
    return bits;
}

// The lamps as the word they came in, bit i for lamp i, in hexadecimal with a prefix: "0x0005".
template <std::size_t N>
std::string LampWord(const std::array<bool, N>& lamps) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    unsigned word = 0;
    for (std::size_t i = 0; i < N; ++i) word |= (lamps[i] ? 1u : 0u) << i;
    std::string text = "0x";
    for (int shift = 12; shift >= 0; shift -= 4) text += Digits[(word >> shift) & 0xF];
    return text;
}

// The part of the main window the monitor reads and drives.
class MonitorView {
  public:
    virtual ~MonitorView() = default;
    virtual bool monitorSwitchOn() const = 0;
    virtual void switchMonitorOff() = 0;
    virtual bool linkFailed() const = 0;
    virtual void showMonitorReading(const MonitorReading& reading) = 0;
};

class MonitorListener;

// One tick of Timer1: reads the monitor block while the switch is on, unless a link
// operation (its failure message included) is still under way. `listener`, when given, gets
// every block read and hears of every tick that found the switch off or the read failed.
void MonitorTick(UnitLink& link, MonitorView& view, MonitorListener* listener = nullptr);

}  // namespace unit_link
