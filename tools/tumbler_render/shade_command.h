#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace tumbler::render {

// `--shade 0xBBGGRR FACTOR [--capped]`: prints RgbToHls of the colour as "H S L" and the
// ScaleLuminance result as 0xBBGGRR, one a line. Returns the exit status; 2 for bad arguments.
int RunShade(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace tumbler::render
