#pragma once

#include <cstdint>

#include "switch_control/graphics/colour.h"
#include "switch_control/graphics/font_description.h"
#include "switch_control/graphics/geometry.h"

namespace tumbler::drawing {

// Handle of a pen, brush or bitmap; valid in the context that made it and in the contexts
// made compatible with that one. 0 is no object (and the result of a failed creation).
using ObjectHandle = std::uint32_t;
constexpr ObjectHandle kNoObject = 0;

enum class StockObject { BlackPen, BlackBrush, WhiteBrush };

}  // namespace tumbler::drawing
