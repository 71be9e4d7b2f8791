#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What --version prints, as GNU programs do: "qm4417ctl (QM4417) 1.0.0".
std::string VersionLine(std::string_view program);

// True when the arguments (without the program's name) ask for the version, anywhere.
bool AsksForVersion(const std::vector<std::string>& arguments);

}  // namespace platform
