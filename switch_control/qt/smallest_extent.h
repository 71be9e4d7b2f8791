#pragma once

#include <QSize>
#include <cstdint>
#include <optional>
#include <string>

#include "switch_control/framework/control/font_description.h"

namespace tumbler {
class CTumblerCtrl;
}

namespace tumbler::qt {

// The smallest size of the control's window, border included, at which its caption fits and
// its shape is drawn whole: a host's minimum size.
QSize SmallestExtent(const CTumblerCtrl& control);

// SmallestExtent kept between changes of what it depends on (caption, font, shape, border), so
// that a host may ask after every change of the control without measuring the caption again.
class KeptSmallestExtent {
  public:
    // Measures again when the control's caption, font, shape or border changed; true when the
    // extent changed.
    bool Update(const CTumblerCtrl& control);
    QSize Get() const { return extent_; }

  private:
    struct Inputs {
        std::string caption;
        framework::FontDescription font;
        std::int32_t shape = 0;
        std::int16_t borderStyle = 0;
        std::int16_t appearance = 0;
        bool operator==(const Inputs&) const = default;
    };

    std::optional<Inputs> measured_;
    QSize extent_;
};

}  // namespace tumbler::qt
