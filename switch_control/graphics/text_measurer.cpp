#include "switch_control/graphics/text_measurer.h"

namespace tumbler::drawing {

Size FixedPitchMeasurer::Measure(const FontDescription& font, std::string_view text) const {
    int characters = 0;
    for (char c : text) {
        // Count UTF-8 lead bytes only, so a Japanese caption is as wide as its characters.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    return {characters * width_, CharacterHeight(font)};
}

}  // namespace tumbler::drawing
