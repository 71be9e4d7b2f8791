#include <iostream>

#include "tools/regctl/regctl_commands.h"

// regctl: registers and unregisters component modules and shows what the
// per-user class registry ($XDG_DATA_HOME/quill-components) holds.
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return regctl::Run(args, tumbler::framework::ClassRegistry(), std::cout, std::cerr);
}
