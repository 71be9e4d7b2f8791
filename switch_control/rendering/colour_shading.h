#pragma once

#include <cstdint>

#include "switch_control/graphics/colour.h"

namespace tumbler {

using drawing::Rgb;
// Hue, saturation and luminance 0..240, packed hue << 16 | saturation << 8 | luminance.
using HlsColor = std::uint32_t;

constexpr int HueOf(HlsColor hls) {
    return static_cast<int>((hls >> 16) & 0xFF);
}
constexpr int SaturationOf(HlsColor hls) {
    return static_cast<int>((hls >> 8) & 0xFF);
}
constexpr int LuminanceOf(HlsColor hls) {
    return static_cast<int>(hls & 0xFF);
}
constexpr HlsColor MakeHls(int hue, int saturation, int luminance) {
    return static_cast<HlsColor>(hue & 0xFF) << 16 | static_cast<HlsColor>(saturation & 0xFF) << 8 |
           static_cast<HlsColor>(luminance & 0xFF);
}

HlsColor RgbToHls(Rgb rgb);
Rgb HlsToRgb(HlsColor hls);
// Channel intensity 0.0..1.0 for a hue angle in radians.
double HueToChannel(double angle, double m1, double m2);
// The colour with its luminance multiplied by `factor` (truncated); `capped` limits it to 240.
// Any factor, even one outside 0..1, leaves hue and saturation unchanged.
Rgb ScaleLuminance(Rgb rgb, double factor, bool capped = false);

}  // namespace tumbler
