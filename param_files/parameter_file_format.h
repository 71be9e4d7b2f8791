#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "unit_parameters/unit_parameters.h"

namespace param_files {

// A record read from a file, or the sentence saying why there is none
// ("Line 4 is not a number: \"abc\".").
struct RecordRead {
    std::optional<unit_parameters::UnitParameters> record;
    std::string reason;
};

// Seven lines, one signed decimal value each, every line ending in CR LF.
std::string FormatParameterFile(const unit_parameters::UnitParameters& record);

// Reads the first seven line-separated items. Fails on a file that starts with a byte-order
// mark, ends before the seventh item, or has an item that is not a plain signed decimal
// integer of 32 bits. Whatever follows the seventh item is ignored.
RecordRead ParseParameterFile(std::string_view text);

}  // namespace param_files
