#include "switch_control/framework/font_description.h"

#include <cmath>

namespace tumbler::framework {

bool IsUsableFont(const FontDescription& font) {
    return !font.family.empty() && std::isfinite(font.pointSize) && font.pointSize > 0 &&
           font.pointSize <= 2048 && font.weight >= 0 && font.weight <= 1000 && font.charset >= 0 &&
           font.charset <= 255;
}

FontDescription DefaultStockFont() {
    FontDescription font;
    font.family = "ＭＳ Ｐゴシック";
    font.pointSize = 9.0;
    font.charset = 128;
    return font;
}

}  // namespace tumbler::framework
