#pragma once

#include "switch_control/graphics/drawing_context.h"
#include "switch_control/rendering/switch_look.h"

namespace tumbler::drawing {

// The caption strip and the switch of the chosen shape, drawn into `bounds`.
void DrawSwitch(DrawingContext& context, const Rect& bounds, const SwitchLook& look);

// The whole control: back colour and switch. On screen it goes through an off-screen bitmap of
// the bounds' size and one copy, so no half-drawn switch is ever seen; when the off-screen
// bitmap or context cannot be made nothing is drawn and the old picture stays. A metafile
// takes the same calls directly. Every object made is released before the return.
void PaintSwitch(DrawingContext& target, const Rect& bounds, const SwitchLook& look,
                 bool drawingMetafile);

}  // namespace tumbler::drawing
