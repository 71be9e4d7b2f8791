#include "switch_control/framework/control/geometry.h"

#include <cstdint>

namespace tumbler::framework {

namespace {

constexpr std::int64_t kHimetricPerInch = 2540;
constexpr std::int64_t kPixelsPerInch = 96;

// Rounded to the nearest unit, halves away from zero.
int ScaleRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t scaled = value * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / denominator
                                        : (scaled - half) / denominator);
}

}  // namespace

Extent PixelsToHimetric(int width, int height) {
    return {ScaleRounded(width, kHimetricPerInch, kPixelsPerInch),
            ScaleRounded(height, kHimetricPerInch, kPixelsPerInch)};
}

int HimetricToPixels(int himetric) {
    return ScaleRounded(himetric, kPixelsPerInch, kHimetricPerInch);
}

}  // namespace tumbler::framework
