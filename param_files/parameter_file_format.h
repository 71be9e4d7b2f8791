#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "unit_parameters/unit_parameters.h"

namespace param_files {

// Seven lines, one signed decimal value each, every line ending in CR LF.
std::string FormatParameterFile(const unit_parameters::UnitParameters& record);

// Reads the first seven line-separated items. Fails on a file that ends before the
// seventh item, an item that is not a plain signed decimal integer, or a value
// outside 32 bits. Whatever follows the seventh item is ignored.
std::optional<unit_parameters::UnitParameters> ParseParameterFile(std::string_view text);

}  // namespace param_files
