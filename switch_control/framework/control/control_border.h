#pragma once

// The container's paint of a control: the framework draws the border that the stock
// BorderStyle and Appearance ask for around the control's window and gives the control the
// bounds inside it. A container paints with PaintControlWindow; a metafile gets the control's
// own picture only (ControlBase::DrawToMetafile with ClientBounds).

#include <cstdint>

#include "switch_control/framework/control/geometry.h"

namespace tumbler::drawing {
class DrawingContext;
}

namespace tumbler::framework {

class ControlBase;

// BorderStyle 1 draws a border: with Appearance 1 a sunken 3-D edge two pixels wide, with any
// other Appearance a one-pixel frame in the window frame colour. BorderStyle 0 draws none.
int BorderWidth(std::int16_t borderStyle, std::int16_t appearance);

// The bounds the control paints in: its window (Bounds()) less the border.
Rect ClientBounds(const ControlBase& control);

// Draws the border inside `window` and returns the rectangle it leaves.
Rect DrawControlBorder(drawing::DrawingContext& dc, const Rect& window, std::int16_t borderStyle,
                       std::int16_t appearance);

// The border, then PaintControl in the client bounds; nothing when the border leaves no room.
void PaintControlWindow(ControlBase& control, drawing::DrawingContext& dc);

}  // namespace tumbler::framework
