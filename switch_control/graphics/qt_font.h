#pragma once

#include <QFont>

#include "switch_control/graphics/drawing_types.h"
#include "switch_control/graphics/text_measurer.h"

namespace tumbler::drawing {

// The Qt font for a font description, sized for 96 dots per inch as the control's screen is;
// `scale` enlarges it for a screen of more device pixels per logical pixel.
QFont ToQFont(const FontDescription& font, double scale = 1.0);

// Text metrics as the Qt raster context draws them; needs a QGuiApplication.
class QtTextMeasurer : public TextMeasurer {
  public:
    Size Measure(const FontDescription& font, std::string_view text) const override;
    int CharacterHeight(const FontDescription& font) const override;
};

}  // namespace tumbler::drawing
