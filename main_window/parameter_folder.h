#pragma once

#include <string>

#include "platform/program_identity.h"

namespace main_window {

// Makes the "Parameter" folder beside the program, or, for an installed program or when the
// program folder is read-only, in the user's data folder, and returns the one in use.
std::string PrepareParameterFolder(platform::ProgramIdentity& identity);

}  // namespace main_window
