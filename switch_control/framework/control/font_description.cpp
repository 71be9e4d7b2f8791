#include "switch_control/framework/control/font_description.h"

namespace tumbler::framework {

FontDescription DefaultStockFont() {
    FontDescription font;
    font.family = "ＭＳ Ｐゴシック";
    font.pointSize = 9.0;
    font.charset = 128;
    return font;
}

}  // namespace tumbler::framework
