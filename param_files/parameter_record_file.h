#pragma once

#include <optional>
#include <string>

#include "unit_parameters/unit_parameters.h"

namespace param_files {

// The seven 32-bit decimal items a parameter file holds, as written, without the panel's
// limits. Nothing when the file cannot be read or is not seven such items.
std::optional<unit_parameters::UnitParameters> ReadParameterWords(const std::string& path);

// The record a parameter file holds, by the window's read rules: seven items, each a
// 32-bit decimal number, making a record the parameter panel can show. Nothing when the
// file cannot be read or breaks a rule.
std::optional<unit_parameters::UnitParameters> ReadParameterRecord(const std::string& path);

// Replaces the file at `path` with the record's seven lines, all or nothing.
bool WriteParameterRecord(const std::string& path, const unit_parameters::UnitParameters& record);

}  // namespace param_files
