#pragma once

#include <initializer_list>

#include "switch_control/graphics/drawing_context.h"
#include "switch_control/graphics/paint_objects.h"
#include "switch_control/rendering/switch_look.h"

namespace tumbler::drawing {

// What every shape draws with: the rectangle in use, the base brush (solid fore colour, selected
// on entry with the stock black pen), the dark brush (the fore colour at 3/4 luminance), and
// the paint's objects for the pens and brushes a shape makes itself.
struct ShapeKit {
    DrawingContext& context;
    PaintObjects& objects;
    const SwitchLook& look;
    Rect rect;
    ObjectHandle base;
    ObjectHandle dark;
    ObjectHandle blackPen;
};

void DrawRocker(const ShapeKit& kit);
void DrawPushButton(const ShapeKit& kit);
void DrawLever(const ShapeKit& kit);

inline void DrawPolygon(DrawingContext& context, std::initializer_list<Point> points) {
    context.Polygon({points.begin(), points.size()});
}

inline void DrawPolyline(DrawingContext& context, std::initializer_list<Point> points) {
    context.Polyline({points.begin(), points.size()});
}

inline void DrawLine(DrawingContext& context, Point from, Point to) {
    context.MoveTo(from);
    context.LineTo(to);
}

}  // namespace tumbler::drawing
