#include <iostream>

#include "tools/regctl/regctl_commands.h"

// regctl: registers and unregisters component modules in the per-user class registry
// ($XDG_DATA_HOME/quill-components) and shows what it and the system's registries hold.
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return regctl::Run(args, tumbler::framework::ClassRegistry(), std::cout, std::cerr);
}
