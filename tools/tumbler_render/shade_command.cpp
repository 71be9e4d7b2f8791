#include "tools/tumbler_render/shade_command.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "switch_control/rendering/colour_shading.h"

namespace tumbler::render {

namespace {

std::optional<Rgb> ParseColour(std::string_view text) {
    if (text.size() > 2 && (text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X")) {
        text.remove_prefix(2);
    }
    Rgb colour = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), colour, 16);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        colour > 0xFFFFFF) {
        return std::nullopt;
    }
    return colour;
}

std::optional<double> ParseFactor(std::string_view text) {
    double factor = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), factor);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return factor;
}

}  // namespace

int RunShade(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const bool capped = args.size() == 3 && args[2] == "--capped";
    const auto colour = args.size() >= 2 ? ParseColour(args[0]) : std::nullopt;
    const auto factor = args.size() >= 2 ? ParseFactor(args[1]) : std::nullopt;
    if (!colour || !factor || (args.size() == 3 && !capped) || args.size() > 3) {
        err << "usage: tumbler-render --shade 0xBBGGRR FACTOR [--capped]\n";
        return 2;
    }
    const HlsColor hls = RgbToHls(*colour);
    char shaded[16];
    std::snprintf(shaded, sizeof shaded, "0x%06X", ScaleLuminance(*colour, *factor, capped));
    out << HueOf(hls) << ' ' << SaturationOf(hls) << ' ' << LuminanceOf(hls) << '\n'
        << shaded << '\n';
    return 0;
}

}  // namespace tumbler::render
