#pragma once

namespace tumbler::drawing {

// The system colour indices in use, as DrawingContext::GetSysColour and the framework's system
// colour table take them.
inline namespace system_colour_index {
constexpr int kColorWindow = 5;
constexpr int kColorWindowFrame = 6;
constexpr int kColorWindowText = 8;
constexpr int kColorButtonFace = 15;
constexpr int kColorButtonShadow = 16;
constexpr int kColorButtonHighlight = 20;
constexpr int kColor3dDarkShadow = 21;
constexpr int kColor3dLight = 22;
}  // namespace system_colour_index

}  // namespace tumbler::drawing
