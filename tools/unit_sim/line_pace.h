#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace unit_sim {

// How long one byte takes on a line given as "9600,e,8,1" (platform::ByteTime).
// Nothing when the text is not a line the serial port takes.
std::optional<std::chrono::nanoseconds> ByteTime(std::string_view lineSettings);

}  // namespace unit_sim
