#include "platform/version_line.h"

namespace platform {

std::string VersionLine(std::string_view program) {
    return std::string(program) + " (QM4417) " + std::to_string(QM_VERSION_MAJOR) + "." +
           std::to_string(QM_VERSION_MINOR) + "." + std::to_string(QM_VERSION_PATCH);
}

bool AsksForVersion(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments)
        if (argument == "--version") return true;
    return false;
}

}  // namespace platform
