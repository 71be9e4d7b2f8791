#pragma once

#include <cstdint>
#include <string>

namespace tumbler::drawing {

// An RGB colour as the drawing context takes it: 0x00BBGGRR, red in the low byte.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(int red, int green, int blue) {
    return static_cast<Rgb>(red & 0xFF) | static_cast<Rgb>(green & 0xFF) << 8 |
           static_cast<Rgb>(blue & 0xFF) << 16;
}
constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

// Device pixels, x to the right, y downwards.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A shape drawn in a Rect covers x from l to r - 1 and y from t to b - 1.
struct Rect {
    int l = 0;
    int t = 0;
    int r = 0;
    int b = 0;
    int Width() const { return r - l; }
    int Height() const { return b - t; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A font as the caption uses it; selected by value, it is owned by whoever describes it.
struct FontSpec {
    std::string family;
    double pointSize = 8.0;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Handle of a pen, brush or bitmap; valid in the context that made it and in the contexts
// made compatible with that one. 0 is no object (and the result of a failed creation).
using ObjectHandle = std::uint32_t;
constexpr ObjectHandle kNoObject = 0;

enum class StockObject { BlackPen, BlackBrush, WhiteBrush };

// System colour indices the drawing uses.
constexpr int kColourButtonFace = 15;
constexpr int kColourButtonShadow = 16;
constexpr int kColourButtonHighlight = 20;

}  // namespace tumbler::drawing
