#pragma once

#include "switch_control/graphics/drawing_context.h"
#include "switch_control/rendering/switch_look.h"

namespace tumbler::drawing {

// Width and height of the caption in the caption font.
Size MeasureCaption(DrawingContext& context, const SwitchLook& look);

// The caption centred in `rect`, clipped to it, transparent, in the caption colour. Leaves the
// text colour, background mode and alignment as it set them.
void DrawCaption(DrawingContext& context, const Rect& rect, const SwitchLook& look);

// The largest square centred in `rect` along its longer side.
Rect CenterSquare(const Rect& rect);

}  // namespace tumbler::drawing
