#pragma once

#include <string>

#include "switch_control/graphics/drawing_types.h"

namespace tumbler::drawing {

// Everything a paint of the switch depends on, colours already translated to RGB.
struct SwitchLook {
    bool on = false;
    int shape = 0;             // SwitchShape: 0 to 6, any other value draws the toggle lever
    int alignment = 0;         // 1 horizontal, any other value vertical
    int captionAlignment = 0;  // 1 bottom, any other value top
    Rgb fore = 0xC0C0C0;
    Rgb back = 0xC0C0C0;
    Rgb captionColour = 0x000000;
    Rgb led = 0x0000FF;
    double ledDarkPrm = 0.5;
    std::string caption;  // UTF-8
    FontDescription font;
};

enum class ShapeFamily { Rocker, PushButton, Lever };

// SwitchShape values: type1 to type7.
constexpr int kType1 = 0, kType2 = 1, kType3 = 2, kType4 = 3, kType5 = 4, kType6 = 5, kType7 = 6;

constexpr ShapeFamily FamilyOf(int shape) {
    if (shape == kType1 || shape == kType2) return ShapeFamily::Rocker;
    if (shape >= kType4 && shape <= kType7) return ShapeFamily::PushButton;
    return ShapeFamily::Lever;
}

constexpr bool IsHorizontal(const SwitchLook& look) {
    return look.alignment == 1;
}

// The factor of the unlit LED and of an unlit illuminated button: the parameter travels as the
// darkening amount 1 - LedDarkPrm and is applied as 1 minus that amount.
constexpr double UnlitFactor(const SwitchLook& look) {
    return 1.0 - (1.0 - look.ledDarkPrm);
}

}  // namespace tumbler::drawing
