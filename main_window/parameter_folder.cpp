#include "main_window/parameter_folder.h"

namespace main_window {

std::string PrepareParameterFolder(platform::ProgramIdentity& identity) {
    const std::string besideProgram = identity.programFolder() + "/Parameter";
    if (!identity.installed() && identity.makeFolder(besideProgram)) return besideProgram;
    const std::string perUser = identity.userDataFolder() + "/Parameter";
    identity.makeFolder(perUser);
    return perUser;
}

}  // namespace main_window
