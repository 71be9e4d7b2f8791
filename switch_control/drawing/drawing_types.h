#pragma once

#include <cstdint>

#include "switch_control/framework/font_description.h"
#include "switch_control/framework/geometry.h"
#include "switch_control/framework/system_colors.h"

namespace tumbler::drawing {

// An RGB colour as the drawing context takes it: 0x00BBGGRR, red in the low byte.
using Rgb = framework::ColorRef;

constexpr Rgb MakeRgb(int red, int green, int blue) {
    return static_cast<Rgb>(red & 0xFF) | static_cast<Rgb>(green & 0xFF) << 8 |
           static_cast<Rgb>(blue & 0xFF) << 16;
}
constexpr int RedOf(Rgb c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Rgb c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Rgb c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Device pixels, x to the right, y downwards; a shape drawn in a Rect covers x from l to r - 1
// and y from t to b - 1.
using Point = framework::Point;
using Rect = framework::Rect;
// A font is selected by value; its owner (the control's stock font) keeps it.
using FontDescription = framework::FontDescription;

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Handle of a pen, brush or bitmap; valid in the context that made it and in the contexts
// made compatible with that one. 0 is no object (and the result of a failed creation).
using ObjectHandle = std::uint32_t;
constexpr ObjectHandle kNoObject = 0;

enum class StockObject { BlackPen, BlackBrush, WhiteBrush };

}  // namespace tumbler::drawing
