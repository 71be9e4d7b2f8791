#pragma once

#include "switch_control/graphics/font_description.h"

namespace tumbler::framework {

// The stock font is the drawing's font value.
using drawing::FontDescription;
using drawing::IsUsableFont;

// The framework's font when the container offers none: 9 point MS PGothic, Shift-JIS.
FontDescription DefaultStockFont();

}  // namespace tumbler::framework
