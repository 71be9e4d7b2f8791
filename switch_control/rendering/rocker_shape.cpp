#include "switch_control/rendering/colour_shading.h"
#include "switch_control/rendering/shape_kit.h"

namespace tumbler::drawing {
namespace {

void DrawLed(const ShapeKit& kit) {
    DrawingContext& c = kit.context;
    const auto [L, T, R, B] = kit.rect;
    const int W = R - L, H = B - T;
    const ObjectHandle lit = kit.objects.Brush(kit.look.led);
    const ObjectHandle unlit =
        kit.objects.Brush(ScaleLuminance(kit.look.led, UnlitFactor(kit.look)));
    c.SelectObject(kit.look.on ? lit : unlit);
    if (IsHorizontal(kit.look)) {
        const int x = R - W / 5 - W / 40 + (kit.look.on ? W / 10 : 0);
        const int y = (T + B) / 2 - H / 10;
        c.Rectangle({x, y, x + W / 20, y + H / 5});
    } else {
        const int w = W / 5;
        const int y = T + H / 5 - H / 40 - (kit.look.on ? H / 10 : 0);
        const int x = (L + R) / 2 - w / 2;
        c.Rectangle({x, y, x + w, y + H / 20});
    }
}

// The upper half is the dark face; off, the top edge catches the light.
void DrawVerticalBody(const ShapeKit& kit) {
    DrawingContext& c = kit.context;
    const auto [L, T, R, B] = kit.rect;
    const int dx = (R - L) / 6, dy = (B - T) / 10, M = (T + B) / 2;
    c.Rectangle({L, M, R, B});
    c.SelectObject(kit.dark);
    c.Rectangle({L, T, R, M});
    if (!kit.look.on) {
        DrawPolygon(c, {{R, T}, {R - dx, T + dy}, {R, M}});
        c.SelectObject(kit.base);
        DrawPolygon(c, {{L, T}, {L + dx, T + dy}, {L, M}});
        DrawPolygon(c, {{L, T}, {R, T}, {R - dx, T + dy}, {L + dx, T + dy}});
    } else {
        DrawPolygon(c, {{L + dx, B - dy}, {R - dx, B - dy}, {R, B}, {L, B}});
        DrawPolygon(c, {{R, M}, {R - dx, B - dy}, {R, B}});
        c.SelectObject(kit.base);
        DrawPolygon(c, {{L, M}, {L + dx, B - dy}, {L, B}});
    }
}

// The right half is the dark face.
void DrawHorizontalBody(const ShapeKit& kit) {
    DrawingContext& c = kit.context;
    const auto [L, T, R, B] = kit.rect;
    const int dx = (R - L) / 10, dy = (B - T) / 6, M = (L + R) / 2;
    c.Rectangle({L, T, M, B});
    c.SelectObject(kit.dark);
    c.Rectangle({M, T, R, B});
    if (!kit.look.on) {
        DrawPolygon(c, {{R, T}, {R - dx, T + dy}, {R - dx, B - dy}, {R, B}});
        DrawPolygon(c, {{R - dx, B - dy}, {R, B}, {M, B}});
        c.SelectObject(kit.base);
        DrawPolygon(c, {{M, T}, {R, T}, {R - dx, T + dy}});
    } else {
        DrawPolygon(c, {{L + dx, B - dy}, {M, B}, {L, B}});
        c.SelectObject(kit.base);
        DrawPolygon(c, {{L, T}, {M, T}, {L + dx, T + dy}});
        DrawPolygon(c, {{L, T}, {L + dx, T + dy}, {L + dx, B - dy}, {L, B}});
    }
}

}  // namespace

void DrawRocker(const ShapeKit& kit) {
    if (IsHorizontal(kit.look)) {
        DrawHorizontalBody(kit);
    } else {
        DrawVerticalBody(kit);
    }
    if (kit.look.shape == kType2) DrawLed(kit);
    const auto [L, T, R, B] = kit.rect;
    DrawPolyline(kit.context, {{L, T}, {R, T}, {R, B}, {L, B}});
}

}  // namespace tumbler::drawing
