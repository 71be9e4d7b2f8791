#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"
#include "unit_parameters/unit_parameters.h"

namespace qm4417ctl {

// How `load` and `verify` take a file: through the window's panel and its Load checks,
// or, with --raw, its seven words as they stand.
enum class LoadForm { Checked, Raw };

// The record that `load FILE.par` sends. Checked, every field must lie inside the parameter
// table and the record then goes through the window's panel and its Load checks; raw, every
// field must be a 16-bit word. Nothing, with each reason on `boxes`, when the file cannot be
// read or a field is refused.
std::optional<unit_parameters::UnitParameters> RecordToLoad(const std::string& path, LoadForm form,
                                                            platform::MessageBoxes& boxes);

// "load FILE.par", "load --raw FILE.par": the form and the file; throws UsageError otherwise.
struct LoadArguments {
    LoadForm form = LoadForm::Checked;
    std::string path;
};
LoadArguments ParseLoadArguments(const std::vector<std::string>& arguments,
                                 const std::string& command);

}  // namespace qm4417ctl
