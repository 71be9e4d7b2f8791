#include "switch_control/framework/control/control_border.h"

#include "switch_control/framework/control/control_base.h"
#include "switch_control/graphics/drawing_context.h"

namespace tumbler::framework {
namespace {

Rect Deflated(const Rect& r, int by) {
    return {r.l + by, r.t + by, r.r - by, r.b - by};
}

void Fill(drawing::DrawingContext& dc, const Rect& r, Rgb colour) {
    if (r.l >= r.r || r.t >= r.b) return;
    const drawing::ObjectHandle brush = dc.CreateSolidBrush(colour);
    dc.FillRect(r, brush);
    dc.DeleteObject(brush);
}

// One ring of an edge: the top and left sides in one colour, the bottom and right (corners
// included) in the other.
void Ring(drawing::DrawingContext& dc, const Rect& r, Rgb topLeft, Rgb bottomRight) {
    Fill(dc, {r.l, r.t, r.r - 1, r.t + 1}, topLeft);
    Fill(dc, {r.l, r.t, r.l + 1, r.b - 1}, topLeft);
    Fill(dc, {r.l, r.b - 1, r.r, r.b}, bottomRight);
    Fill(dc, {r.r - 1, r.t, r.r, r.b}, bottomRight);
}

}  // namespace

int BorderWidth(std::int16_t borderStyle, std::int16_t appearance) {
    if (borderStyle != 1) return 0;
    return appearance == 1 ? 2 : 1;
}

Rect ClientBounds(const ControlBase& control) {
    return Deflated(control.Bounds(),
                    BorderWidth(control.GetBorderStyle(), control.GetAppearance()));
}

Rect DrawControlBorder(drawing::DrawingContext& dc, const Rect& window, std::int16_t borderStyle,
                       std::int16_t appearance) {
    switch (BorderWidth(borderStyle, appearance)) {
        case 1: {
            const Rgb frame = dc.GetSysColour(kColorWindowFrame);
            Ring(dc, window, frame, frame);
            return Deflated(window, 1);
        }
        case 2:
            // Sunken: the outer ring shadowed above and lit below, the inner ring darker.
            Ring(dc, window, dc.GetSysColour(kColorButtonShadow),
                 dc.GetSysColour(kColorButtonHighlight));
            Ring(dc, Deflated(window, 1), dc.GetSysColour(kColor3dDarkShadow),
                 dc.GetSysColour(kColor3dLight));
            return Deflated(window, 2);
        default:
            return window;
    }
}

void PaintControlWindow(ControlBase& control, drawing::DrawingContext& dc) {
    const Rect client =
        DrawControlBorder(dc, control.Bounds(), control.GetBorderStyle(), control.GetAppearance());
    if (client.l < client.r && client.t < client.b) control.PaintControl(dc, client);
}

}  // namespace tumbler::framework
