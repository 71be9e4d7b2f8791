#pragma once

namespace tumbler::drawing {

// Device pixels, x to the right, y downwards.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A box of device pixels: x from l to r - 1 and y from t to b - 1 belong to it.
struct Rect {
    int l = 0;
    int t = 0;
    int r = 0;
    int b = 0;
    int Width() const { return r - l; }
    int Height() const { return b - t; }
    bool Contains(Point p) const { return p.x >= l && p.x < r && p.y >= t && p.y < b; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

}  // namespace tumbler::drawing
