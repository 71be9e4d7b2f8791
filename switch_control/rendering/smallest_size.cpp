#include "switch_control/rendering/smallest_size.h"

#include <algorithm>

#include "switch_control/rendering/caption.h"

namespace tumbler::drawing {
namespace {

// Below this square the shapes' divisions (a sixth, a tenth, the lamp's twentieth) run into
// each other.
constexpr int kSmallestShape = 24;
// A push button's edge lines, two pixels of highlight and two of shadow on each side.
constexpr int kFaceEdge = 4;

}  // namespace

Size SmallestSwitchSize(DrawingContext& context, const SwitchLook& look) {
    const Size caption = MeasureCaption(context, look);
    if (caption.cx == 0) return {kSmallestShape, kSmallestShape};
    if (FamilyOf(look.shape) == ShapeFamily::PushButton) {
        // A round face holds the caption's box inside its ellipse: each side by the square
        // root of two.
        const bool round = look.shape == kType5 || look.shape == kType7;
        const auto across = [round](int extent) {
            return (round ? extent * 141 / 100 : extent) + 2 * kFaceEdge;
        };
        return {std::max(kSmallestShape, across(caption.cx)),
                std::max(kSmallestShape, across(caption.cy))};
    }
    return {std::max(kSmallestShape, caption.cx), caption.cy + kSmallestShape};
}

}  // namespace tumbler::drawing
