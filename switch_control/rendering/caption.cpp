#include "switch_control/rendering/caption.h"

namespace tumbler::drawing {

Size MeasureCaption(DrawingContext& context, const SwitchLook& look) {
    const FontDescription previous = context.SelectFont(look.font);
    const Size size = context.MeasureText(look.caption);
    context.SelectFont(previous);
    return size;
}

void DrawCaption(DrawingContext& context, const Rect& rect, const SwitchLook& look) {
    const FontDescription previous = context.SelectFont(look.font);
    const int h = context.CharacterHeight();
    context.SetTextColour(look.captionColour);
    context.SetTransparentBackground();
    context.SetTextAlignCentreTop();
    context.DrawTextClipped({(rect.l + rect.r) / 2, (rect.t + rect.b - h) / 2}, rect, look.caption);
    context.SelectFont(previous);
}

Rect CenterSquare(const Rect& rect) {
    Rect square = rect;
    const int w = rect.Width();
    const int h = rect.Height();
    if (w > h) {
        square.l = rect.l + (w - h) / 2;
        square.r = square.l + h;
    } else {
        square.t = rect.t + (h - w) / 2;
        square.b = square.t + w;
    }
    return square;
}

}  // namespace tumbler::drawing
