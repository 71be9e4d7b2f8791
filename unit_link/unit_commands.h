#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "unit_link/command_frame.h"

namespace unit_link {

// Fixed areas of the unit's memory.
inline constexpr UnitAddress ParameterBaseAddress = 0xFFEF2E;   // 7 words
inline constexpr UnitAddress ParameterStoreAddress = 0xFFEF66;  // 1 word, write 1 to store
inline constexpr UnitAddress MonitorBlockAddress = 0xFFEF5C;    // 4 words

// The unit takes at most this many words in one "4" or "5" request.
inline constexpr int MaxWordsPerRequest = 16;

// Request bodies of the unit's commands (without STX, checksum and ETX).
std::string ReadWordsBody(UnitAddress address, int count);                              // "4"
std::string WriteWordBody(UnitAddress address, std::int32_t value);                     // "2"
std::string WriteWordsBody(UnitAddress address, std::span<const std::int16_t> values);  // "5"
std::string ReadTwoBytesBody(std::int32_t address);                                     // "1"

}  // namespace unit_link
