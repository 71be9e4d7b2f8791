#pragma once

#include "switch_control/graphics/drawing_context.h"
#include "switch_control/rendering/switch_look.h"

namespace tumbler {
class CTumblerCtrl;
}

namespace tumbler::drawing {

// The control's properties as one paint uses them, its colours translated to RGB now.
SwitchLook LookOf(const CTumblerCtrl& control);

// The framework's system colour table, as drawing contexts read it.
Rgb FrameworkSystemColour(int index);

}  // namespace tumbler::drawing
