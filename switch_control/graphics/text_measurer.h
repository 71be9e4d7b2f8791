#pragma once

#include <string_view>

#include "switch_control/graphics/drawing_types.h"

namespace tumbler::drawing {

// Text metrics of a font, for contexts that do not render pixels themselves.
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual Size Measure(const FontDescription& font, std::string_view text) const = 0;
    virtual int CharacterHeight(const FontDescription& font) const = 0;
};

// Every character one cell of a fixed size, whatever the font: predictable metrics for tests.
class FixedPitchMeasurer : public TextMeasurer {
  public:
    FixedPitchMeasurer(int characterWidth, int characterHeight)
        : width_(characterWidth), height_(characterHeight) {}
    Size Measure(const FontDescription& font, std::string_view text) const override;
    int CharacterHeight(const FontDescription&) const override { return height_; }

  private:
    int width_;
    int height_;
};

}  // namespace tumbler::drawing
