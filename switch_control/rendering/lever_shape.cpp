#include <array>

#include "switch_control/rendering/caption.h"
#include "switch_control/rendering/colour_shading.h"
#include "switch_control/rendering/shape_kit.h"

namespace tumbler::drawing {
namespace {

// The lever's factor for its dim pen is single precision.
constexpr float kDimLever = 0.75f;

// Measures of the toggle lever in its square.
struct LeverFrame {
    int L, T, R, B;
    int cx, cy;
    int a;  // half height of the nut
    int k;  // pivot radius
    int s;  // half width of the lever tip
    int e;  // depth of the rounded tip
};

// One row of the lever table: which way it points, and with what.
struct LeverCase {
    bool bright;  // bright pen and base brush, else dim pen and dark brush
    Point pivotStart, pivotEnd;
    Rect tip;
    Point tipStart, tipEnd;
    std::array<Point, 4> lever;
    // The side lines run from lever[0] to lever[3] and from lever[1] to lever[2].
};

LeverCase LeverFor(const LeverFrame& f, bool horizontal, bool on) {
    const auto [L, T, R, B, cx, cy, a, k, s, e] = f;
    if (!horizontal && !on) {  // points down
        return {true,
                {cx + k, cy},
                {cx - k, cy},
                {cx - s, B - e, cx + s, B},
                {cx - s, cy + a},
                {cx + s, cy + a},
                {{{cx + s, cy + a}, {cx - s, cy + a}, {cx - k, cy}, {cx + k, cy}}}};
    }
    if (!horizontal) {  // points up
        return {false,
                {cx - k, cy},
                {cx + k, cy},
                {cx - s, T, cx + s, T + e},
                {cx + s, cy - a},
                {cx - s, cy - a},
                {{{cx + s, cy - a}, {cx - s, cy - a}, {cx - k, cy}, {cx + k, cy}}}};
    }
    if (!on) {  // points left
        return {false,
                {cx, cy + k},
                {cx, cy - k},
                {L, cy - s, L + e, cy + s},
                {cx - a, cy - s},
                {cx - a, cy + s},
                {{{cx - a, cy - s}, {cx - a, cy + s}, {cx, cy + k}, {cx, cy - k}}}};
    }
    return {true,  // points right
            {cx, cy - k},
            {cx, cy + k},
            {R - e, cy - s, R, cy + s},
            {cx + a, cy + s},
            {cx + a, cy - s},
            {{{cx + a, cy - s}, {cx + a, cy + s}, {cx, cy + k}, {cx, cy - k}}}};
}

}  // namespace

void DrawLever(const ShapeKit& kit) {
    DrawingContext& c = kit.context;
    const auto [L, T, R, B] = CenterSquare(kit.rect);
    const int h = (B - T) / 2;
    const int cx = (L + R) / 2, cy = (T + B) / 2;
    const int a = 8 * h / 10, ro = 5 * h / 10, ri = 3 * h / 10, k = 2 * h / 10, p = a / 2;

    // The hexagonal nut: a lit front and a dark right side.
    const Point P1{cx + p - a, cy - a}, P2{cx + a - p, cy - a}, P3{cx + a, cy},
        P4{cx + a - p, cy + a}, P5{cx + p - a, cy + a}, P6{cx - a, cy};
    DrawPolygon(c, {P1, P2, P5, P6});
    c.SelectObject(kit.dark);
    DrawPolygon(c, {P2, P3, P4, P5});

    // The ring around the lever's hole.
    c.SelectObject(c.GetStockObject(StockObject::BlackBrush));
    c.Ellipse({cx - ro, cy - ro, cx + ro, cy + ro});
    c.SelectObject(c.GetStockObject(StockObject::WhiteBrush));
    c.Ellipse({cx - ri, cy - ri, cx + ri, cy + ri});

    const LeverFrame frame{L, T, R, B, cx, cy, a, k, 3 * (P2.x - P1.x) / 8, 2 * (h - a)};
    const Rect pivot{cx - k, cy - k, cx + k, cy + k};
    const ObjectHandle bright = kit.objects.Pen(1, kit.look.fore);
    const ObjectHandle dim = kit.objects.Pen(1, ScaleLuminance(kit.look.fore, kDimLever));
    const LeverCase lever = LeverFor(frame, IsHorizontal(kit.look), kit.look.on);
    const ObjectHandle leverPen = lever.bright ? bright : dim;

    c.SelectObject(leverPen);
    c.SelectObject(lever.bright ? kit.base : kit.dark);
    c.Pie(pivot, lever.pivotStart, lever.pivotEnd);
    c.SelectObject(kit.blackPen);
    c.Arc(pivot, lever.pivotStart, lever.pivotEnd);
    c.SelectObject(leverPen);
    c.Pie(lever.tip, lever.tipStart, lever.tipEnd);
    c.SelectObject(kit.blackPen);
    c.Arc(lever.tip, lever.tipStart, lever.tipEnd);
    c.SelectObject(leverPen);
    c.Polygon(lever.lever);
    c.SelectObject(kit.blackPen);
    DrawPolyline(c, {lever.lever[0], lever.lever[3]});
    DrawPolyline(c, {lever.lever[1], lever.lever[2]});
}

}  // namespace tumbler::drawing
