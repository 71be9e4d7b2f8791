#pragma once

#include "switch_control/graphics/geometry.h"

namespace tumbler::framework {

// A control's bounds are device pixels of the drawing.
using drawing::Point;
using drawing::Rect;

// A size in HIMETRIC (0.01 mm), how a control's extent is stored.
struct Extent {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};

// Screen pixels are taken at 96 per inch.
Extent PixelsToHimetric(int width, int height);
int HimetricToPixels(int himetric);

}  // namespace tumbler::framework
