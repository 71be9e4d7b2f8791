#pragma once

#include <string>
#include <vector>

#include "switch_control/graphics/drawing_call.h"

namespace tumbler::drawing {

// Whether a call draws or changes the pen or brush it draws with (what a reader of a picture
// wants to see), as opposed to object bookkeeping and text settings.
bool IsPictureCall(const DrawingCall& call);

// One line, integers without blanks, colours as 0xBBGGRR: "Rectangle(0,45,120,90)",
// "Pen(1,0x000000)", "Brush(0x7F0000)", "DrawText(70,20,\"ON\")".
std::string FormatCall(const DrawingCall& call);

// The picture calls of a recording, one formatted line each, in order.
std::vector<std::string> FormatPicture(const std::vector<DrawingCall>& calls);

}  // namespace tumbler::drawing
