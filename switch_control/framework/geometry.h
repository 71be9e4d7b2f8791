#pragma once

namespace tumbler::framework {

// Device pixels, x to the right, y downwards.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A control's bounds: x from l to r - 1 and y from t to b - 1 belong to it.
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

// A size in HIMETRIC (0.01 mm), how a control's extent is stored.
struct Extent {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};

// Screen pixels are taken at 96 per inch.
Extent PixelsToHimetric(int width, int height);
int HimetricToPixels(int himetric);

}  // namespace tumbler::framework
