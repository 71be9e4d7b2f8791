// tumbler-render: the switch control's shading and drawing from the command line.
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/tumbler_render/shade_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--shade") {
        return tumbler::render::RunShade(std::span(args).subspan(1), std::cout, std::cerr);
    }
    std::cerr << "usage: tumbler-render --shade 0xBBGGRR FACTOR [--capped]\n";
    return 2;
}
