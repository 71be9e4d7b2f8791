#pragma once

#include <memory>
#include <string>
#include <vector>

#include "switch_control/framework/control/system_colors.h"
#include "switch_control/graphics/call_format.h"
#include "switch_control/graphics/recording_context.h"
#include "switch_control/rendering/switch_look.h"

namespace tumbler::drawing::testing {

// Distinct system colours, so a test sees which index a shape asked for.
inline Rgb TestSystemColour(int index) {
    switch (index) {
        case framework::kColorButtonFace:
            return 0xC0C0C0;
        case framework::kColorButtonShadow:
            return 0x808080;
        case framework::kColorButtonHighlight:
            return 0xFFFFFF;
        default:
            return 0x123456;
    }
}

// A recording context whose text is 6 pixels a character and 12 high.
inline std::unique_ptr<RecordingContext> MakeRecorder(RecordingContext::Options options = {}) {
    return std::make_unique<RecordingContext>(std::make_shared<FixedPitchMeasurer>(6, 12),
                                              TestSystemColour, options);
}

inline SwitchLook Look(int shape, bool on = false, bool horizontal = false) {
    SwitchLook look;
    look.shape = shape;
    look.on = on;
    look.alignment = horizontal ? 1 : 0;
    return look;
}

}  // namespace tumbler::drawing::testing
