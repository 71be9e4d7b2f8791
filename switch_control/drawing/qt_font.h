#pragma once

#include <QFont>

#include "switch_control/drawing/drawing_types.h"
#include "switch_control/drawing/text_measurer.h"

namespace tumbler::drawing {

// The Qt font for a font description, sized for 96 dots per inch as the control's screen is.
QFont ToQFont(const FontSpec& font);

// Text metrics as the Qt raster context draws them; needs a QGuiApplication.
class QtTextMeasurer : public TextMeasurer {
  public:
    Size Measure(const FontSpec& font, std::string_view text) const override;
    int CharacterHeight(const FontSpec& font) const override;
};

}  // namespace tumbler::drawing
