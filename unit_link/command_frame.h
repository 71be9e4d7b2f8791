#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace unit_link {

// Control characters with fixed roles on the line.
inline constexpr char STX = 0x02;
inline constexpr char ETX = 0x03;
inline constexpr char ACK = 0x06;
inline constexpr char NAK = 0x15;

// A byte address in the unit's memory; only its low 24 bits go on the line.
using UnitAddress = std::int32_t;

// Plain arithmetic sum of the body's character codes as 4 upper-case hex digits.
std::string FrameChecksum(std::string_view body);

// One request on the line: STX, body, FrameChecksum(body), ETX.
std::string CommandFrame(std::string_view body);

// Field encodings inside request bodies; every hex digit sent is upper case.
std::string EncodeUnitAddress(UnitAddress address);       // exactly 6 digits
std::string EncodeCharReadAddress(std::int32_t address);  // no leading zeros
std::string EncodeWordCount(int count);                   // no leading zeros: 1..F, 10
std::string EncodeWordValue(std::int32_t value);          // low 16 bits, exactly 4 digits

}  // namespace unit_link
