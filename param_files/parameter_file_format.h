#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace param_files {

using ParameterValues = std::array<std::int32_t, 7>;

// Seven lines, one signed decimal value each, every line ending in CR LF.
std::string FormatParameterFile(const ParameterValues& values);

// Reads the first seven line-separated items. Fails on a file that ends before the
// seventh item, an item that is not a plain signed decimal integer, or a value
// outside 32 bits. Whatever follows the seventh item is ignored.
std::optional<ParameterValues> ParseParameterFile(std::string_view text);

}  // namespace param_files
