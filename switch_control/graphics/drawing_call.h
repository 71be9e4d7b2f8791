#pragma once

#include <string>
#include <vector>

#include "switch_control/graphics/drawing_types.h"

namespace tumbler::drawing {

// One call made on a recording context, with its arguments flattened into integers.
enum class CallKind {
    CreatePen,               // width, colour
    CreateSolidBrush,        // colour
    CreateCompatibleBitmap,  // width, height
    CreateCompatibleContext,
    ReleaseContext,
    SelectPen,     // width, colour
    SelectBrush,   // colour
    SelectBitmap,  // width, height
    DeleteObject,
    FillRect,  // l, t, r, b, brush colour
    Rectangle,
    Ellipse,
    Polygon,   // x1, y1, x2, y2, ...
    Polyline,  // x1, y1, x2, y2, ...
    Pie,       // l, t, r, b, xs, ys, xe, ye
    Arc,       // l, t, r, b, xs, ys, xe, ye
    MoveTo,
    LineTo,
    SelectFont,  // text = family; point size x 100, weight
    SetTextColour,
    SetTransparentBackground,
    SetTextAlignCentreTop,
    DrawText,  // x, y, clip l, t, r, b; text
    SetViewportOrigin,
    CopyFrom,  // destination l, t, r, b, source x, y, source context
};

struct DrawingCall {
    CallKind kind;
    int context = 0;  // 0 the recording context itself, then its compatible contexts
    ObjectHandle object = kNoObject;  // the object created, selected or deleted
    std::vector<int> args;
    std::string text;
    friend bool operator==(const DrawingCall&, const DrawingCall&) = default;
};

}  // namespace tumbler::drawing
