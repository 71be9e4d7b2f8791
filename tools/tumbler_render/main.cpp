// tumbler-render: the switch control's shading and drawing from the command line.
#include <QGuiApplication>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tumbler_render/shade_command.h"
#include "tools/tumbler_render/switch_options.h"
#include "tools/tumbler_render/switch_render.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--shade") {
        return tumbler::render::RunShade(std::span(args).subspan(1), std::cout, std::cerr);
    }
    const std::vector<std::string> drawing(argv + 1, argv + argc);
    if (tumbler::render::WantsDrawing(drawing)) {
        // Fonts need a GUI application; a command-line tool needs no display for it.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return tumbler::render::RunDrawing(drawing, std::cout, std::cerr);
    }
    std::cerr << "usage: tumbler-render --shade 0xBBGGRR FACTOR [--capped]\n"
                 "       tumbler-render --shape N [--horizontal] [--on] [--caption TEXT]\n"
                 "           [--caption-bottom] [--bounds L,T,R,B] [--fore 0xBBGGRR]\n"
                 "           [--led 0xBBGGRR] [--dark X] (--calls | --png FILE)\n"
                 "       tumbler-render --sheet FILE [--caption TEXT]\n";
    return 2;
}
