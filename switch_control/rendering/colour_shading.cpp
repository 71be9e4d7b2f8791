#include "switch_control/rendering/colour_shading.h"

#include <algorithm>
#include <cmath>

namespace tumbler {

namespace {

// Angles are radians; these are the exact constants the switch's shades were tuned with.
constexpr double kFullTurn = 6.28318;
constexpr double kSixthTurn = 1.0471966666666666;
constexpr double kThirdTurn = 2.094393333333333;
constexpr double kHalfTurn = 3.14159;
constexpr double kTwoThirdsTurn = 4.188786666666666;
constexpr double kInverseSixthTurn = 0.9549304651466297;
constexpr double kRadiansPerHueUnit = 0.026179916666666664;
constexpr double kHueUnitsPerRadian = 38.19721860586519;
constexpr double kOne255th = 0.00392156862745098;
constexpr double kOne240th = 0.004166666666666667;
constexpr int kHlsMax = 240;

int Truncate(double value) {
    return static_cast<int>(value);
}

int ChannelByte(double intensity) {
    return Truncate(intensity * 255);
}

}  // namespace

HlsColor RgbToHls(Rgb rgb) {
    const double r = drawing::RedOf(rgb) * kOne255th;
    const double g = drawing::GreenOf(rgb) * kOne255th;
    const double b = drawing::BlueOf(rgb) * kOne255th;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double l = (max + min) * 0.5;
    double angle = 0;
    double s = 0;
    if (max != min) {
        const double d = max - min;
        s = l <= 0.5 ? d / (max + min) : d / (2 - max - min);
        const double rc = (max - r) / d;
        const double gc = (max - g) / d;
        const double bc = (max - b) / d;
        if (r == max) {
            angle = bc - gc;
        } else if (g == max) {
            angle = 2 + rc - bc;
        } else {
            angle = 4 + gc - rc;
        }
        angle *= kSixthTurn;
        if (angle < 0) angle += kFullTurn;
    }
    return MakeHls(Truncate(angle * kHueUnitsPerRadian), Truncate(s * kHlsMax),
                   Truncate(l * kHlsMax));
}

double HueToChannel(double x, double m1, double m2) {
    if (x < 0) {
        x += kFullTurn;
    } else if (x > kFullTurn) {
        x -= kFullTurn;
    }
    if (x < kSixthTurn) return m1 + (m2 - m1) * x * kInverseSixthTurn;
    if (x < kHalfTurn) return m2;
    if (x < kTwoThirdsTurn) return m1 + (m2 - m1) * (kTwoThirdsTurn - x) * kInverseSixthTurn;
    return m1;
}

Rgb HlsToRgb(HlsColor hls) {
    const int hue = std::min(HueOf(hls), kHlsMax);
    const int saturation = std::min(SaturationOf(hls), kHlsMax);
    const int luminance = std::min(LuminanceOf(hls), kHlsMax);
    const double h = hue * kRadiansPerHueUnit;
    const double s = saturation * kOne240th;
    const double l = luminance * kOne240th;
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    double red = l;
    double green = l;
    double blue = l;
    if (s != 0) {
        red = HueToChannel(h + kThirdTurn, m1, m2);
        green = HueToChannel(h, m1, m2);
        blue = HueToChannel(h - kThirdTurn, m1, m2);
    }
    return drawing::MakeRgb(ChannelByte(red), ChannelByte(green), ChannelByte(blue));
}

Rgb ScaleLuminance(Rgb rgb, double factor, bool capped) {
    const HlsColor hls = RgbToHls(rgb);
    double scaled = std::trunc(LuminanceOf(hls) * factor);
    if (capped && scaled > kHlsMax) scaled = kHlsMax;
    // A factor outside 0..1 (or NaN) must neither overflow the conversion nor spill into the
    // saturation byte; HlsToRgb reads everything above 240 as 240, so this is the same colour
    // as clamping to 0..240.
    if (!(scaled > 0)) scaled = 0;
    if (scaled > 0xFF) scaled = 0xFF;
    return HlsToRgb((hls & 0xFFFF00u) | static_cast<HlsColor>(scaled));
}

}  // namespace tumbler
