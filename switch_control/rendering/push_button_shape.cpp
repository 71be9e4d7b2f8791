#include "switch_control/graphics/system_colour_index.h"
#include "switch_control/rendering/caption.h"
#include "switch_control/rendering/colour_shading.h"
#include "switch_control/rendering/shape_kit.h"

namespace tumbler::drawing {
namespace {

// Edge shades of the illuminated buttons, which take their colours from the face.
constexpr double kLitHighlight = 1.5;
constexpr double kLitShadow = 0.5;

enum class Edge { Highlight, Shadow };

void DrawSquareEdge(DrawingContext& c, const Rect& r, Edge edge, bool on) {
    const auto [L, T, R, B] = r;
    const bool highlight = edge == Edge::Highlight;
    if (highlight && !on) {
        DrawLine(c, {L, T + 1}, {R - 2, T + 1});
        DrawLine(c, {L + 1, T}, {L + 1, B - 2});
    } else if (highlight) {
        DrawLine(c, {R - 2, T + 2}, {R - 2, B - 2});
        DrawLine(c, {L + 2, B - 2}, {R - 1, B - 2});
    } else if (!on) {
        DrawLine(c, {R - 1, T + 1}, {R - 1, B - 1});
        DrawLine(c, {L + 1, B - 1}, {R - 1, B - 1});
        DrawLine(c, {R - 2, T + 2}, {R - 2, B - 2});
        DrawLine(c, {L + 2, B - 2}, {R - 1, B - 2});
    } else {
        DrawLine(c, {L, T}, {R - 1, T});
        DrawLine(c, {L, T}, {L, B - 1});
        DrawLine(c, {L, T + 1}, {R - 2, T + 1});
        DrawLine(c, {L + 1, T}, {L + 1, B - 2});
    }
}

// Off, the shadow lies on the lower right half of both rings; on, on the upper left half.
void DrawRoundShadow(DrawingContext& c, const Rect& r, bool on) {
    const auto [L, T, R, B] = r;
    const Point lowerLeft{L, B}, upperRight{R, T};
    const Point from = on ? upperRight : lowerLeft;
    const Point to = on ? lowerLeft : upperRight;
    c.Arc(r, from, to);
    c.Arc({L + 1, T + 1, R - 1, B - 1}, from, to);
}

}  // namespace

void DrawPushButton(const ShapeKit& kit) {
    DrawingContext& c = kit.context;
    const SwitchLook& look = kit.look;
    const Rect& r = kit.rect;
    const auto [L, T, R, B] = r;
    const bool illuminated = look.shape == kType6 || look.shape == kType7;
    const bool round = look.shape == kType5 || look.shape == kType7;

    const ObjectHandle highlight =
        kit.objects.Pen(2, illuminated ? ScaleLuminance(look.fore, kLitHighlight, true)
                                       : c.GetSysColour(kColorButtonHighlight));
    c.SelectObject(highlight);
    if (illuminated && !look.on) {
        c.SelectObject(kit.objects.Brush(ScaleLuminance(look.fore, UnlitFactor(look))));
    }
    if (round) {
        c.Ellipse(r);
        c.Arc({L + 1, T + 1, R - 1, B - 1}, {R, T}, {R, T});
    } else {
        c.Rectangle(r);
        DrawSquareEdge(c, r, Edge::Highlight, look.on);
    }

    c.SelectObject(kit.blackPen);
    kit.objects.Release(highlight);
    c.SelectObject(kit.objects.Pen(2, illuminated ? ScaleLuminance(look.fore, kLitShadow)
                                                  : c.GetSysColour(kColorButtonShadow)));
    if (round) {
        DrawRoundShadow(c, r, look.on);
    } else {
        DrawSquareEdge(c, r, Edge::Shadow, look.on);
    }

    if (MeasureCaption(c, look).cx != 0) DrawCaption(c, r, look);
}

}  // namespace tumbler::drawing
