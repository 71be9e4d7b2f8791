#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "switch_control/framework/module/class_registry.h"

namespace regctl {

// One run of the tool: `args` without the program name. Output goes to `out`,
// complaints to `err`; the result is the exit status (0 on success).
int Run(const std::vector<std::string>& args, const tumbler::framework::ClassRegistry& registry,
        std::ostream& out, std::ostream& err);

}  // namespace regctl
