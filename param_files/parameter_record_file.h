#pragma once

#include <string>

#include "param_files/parameter_file_format.h"

namespace param_files {

// The seven 32-bit decimal items a parameter file holds, as written, without the panel's
// limits; or why the file cannot be read or is not seven such items.
RecordRead ReadParameterWords(const std::string& path);

// The record a parameter file holds, by the window's read rules: seven items, each a
// 32-bit decimal number, making a record the parameter panel can show; or why not.
RecordRead ReadParameterRecord(const std::string& path);

// Replaces the file at `path` with the record's seven lines, all or nothing. Returns why
// it could not; empty when the file was written.
std::string WriteParameterRecord(const std::string& path,
                                 const unit_parameters::UnitParameters& record);

}  // namespace param_files
