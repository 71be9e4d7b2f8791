#pragma once

#include "switch_control/graphics/drawing_context.h"
#include "switch_control/rendering/switch_look.h"

namespace tumbler::drawing {

// The smallest bounds in which the caption of `look` fits whole (in the strip of a rocker or a
// lever, on the face of a push button) and the shape keeps every part of its picture.
Size SmallestSwitchSize(DrawingContext& context, const SwitchLook& look);

}  // namespace tumbler::drawing
