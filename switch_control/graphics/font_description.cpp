#include "switch_control/graphics/font_description.h"

#include <cmath>

namespace tumbler::drawing {

bool IsUsableFont(const FontDescription& font) {
    return !font.family.empty() && std::isfinite(font.pointSize) && font.pointSize > 0 &&
           font.pointSize <= 2048 && font.weight >= 0 && font.weight <= 1000 && font.charset >= 0 &&
           font.charset <= 255;
}

}  // namespace tumbler::drawing
