#pragma once

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cwchar>
#include <limits>
#include <optional>
#include <span>

#include "switch_control/graphics/drawing_types.h"

namespace tumbler::drawing {

// Writes spans and pixels straight into a 32-bit image, logical coordinates shifted by the
// viewport origin and clipped to the image: the exact coverage of the drawing model, and far
// cheaper than QPainter's curve flattening for the few shapes a switch is made of.
class PixelSurface {
  public:
    PixelSurface() = default;
    PixelSurface(QImage& image, Point origin);
    // A normalised box, clipped once and filled row by row. Inline: bands and outlines are
    // drawn as many short boxes.
    void Box(const Rect& box, Rgb colour) {
        const int l = std::max(box.l + origin_.x, 0);
        const int r = std::min(box.r + origin_.x, width_);
        const int t = std::max(box.t + origin_.y, 0);
        const int b = std::min(box.b + origin_.y, height_);
        if (l >= r || t >= b) return;
        const QRgb pixel = ToPixel(colour);
        const int count = r - l;
        // Columns and short runs (outlines, borders) are stored directly; longer rows go to
        // wmemset, the C library's tuned fill of 32-bit units (a plain loop is not vectorised at
        // this build's optimisation level).
        constexpr int kShortRun = 8;
        if (count <= kShortRun) {
            QRgb* at = Row(t) + l;
            const qsizetype stride = StrideInPixels();
            for (int y = t; y < b; ++y, at += stride) {
                for (int x = 0; x < count; ++x) at[x] = pixel;
            }
            return;
        }
        static_assert(sizeof(wchar_t) == sizeof(QRgb));
        for (int y = t; y < b; ++y) {
            std::wmemset(reinterpret_cast<wchar_t*>(Row(y)) + l, static_cast<wchar_t>(pixel),
                         static_cast<std::size_t>(count));
        }
    }
    // Replaces the pixels of `destination` with the source's from `sourceOrigin` on, both in
    // their own logical coordinates; what falls outside either image is left alone.
    void CopyFrom(const PixelSurface& source, const Rect& destination, Point sourceOrigin);

    // The image's own pixels, for a loop that clips by itself: device coordinates and values.
    bool Holds(int deviceX, int deviceY) const {
        return deviceX >= 0 && deviceX < width_ && deviceY >= 0 && deviceY < height_;
    }
    QRgb* Row(int deviceY) const { return reinterpret_cast<QRgb*>(bits_ + deviceY * stride_); }
    qsizetype StrideInPixels() const { return stride_ / static_cast<qsizetype>(sizeof(QRgb)); }
    Point Origin() const { return origin_; }
    int Height() const { return height_; }
    static QRgb ToPixel(Rgb c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

  private:
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    Point origin_;
};

// A line from `from` to `to`, stepping along the longer axis; a thin pen leaves `to` out, a wider
// pen puts a square of its width on every step and on `to`, reaching width / 2 left and above.
void Line(PixelSurface& surface, Point from, Point to, int width, Rgb colour);

// Polygons, ellipses and their parts below are worked out as boxes, and each thread keeps the
// boxes of the last few it drew: drawn again, such a shape only writes them.

// The pixels whose centres lie inside the polygon through the vertices' pixel centres,
// alternate filling.
void FillPolygon(PixelSurface& surface, std::span<const Point> points, Rgb colour);

// The pixels of `part` outside the polygon's fill: what the fill leaves of what lay under it.
void FillAroundPolygon(PixelSurface& surface, const Rect& part, std::span<const Point> points,
                       Rgb colour);

// A part of an ellipse counterclockwise on screen from the ray towards one point to the ray
// towards another, measured on the ellipse of a box; equal rays give the whole ellipse.
class Sweep {
  public:
    Sweep() = default;  // the whole ellipse
    Sweep(const Rect& box, Point start, Point end);
    // Whether a direction (x right, y up, in units of the ellipse's radii) lies in the sweep:
    // for a sweep of more than half a turn, after the start or before the end; else both.
    bool Contains(double x, double y) const;
    bool AfterStart(double x, double y) const;
    bool BeforeEnd(double x, double y) const;
    // Where a row at height y (in radii, up) crosses the start's or the end's ray, as x in
    // radii, and whether the pixels left of it pass that ray's test; nothing where the ray runs
    // so nearly along the row that the crossing is not worth working out.
    struct Cut {
        double x;
        bool leftPasses;
    };
    std::optional<Cut> StartCut(double y) const {  // sx y - sy x
        return CutOf(sx_ * y, -sy_, startInverse_);
    }
    std::optional<Cut> EndCut(double y) const { return CutOf(-ex_ * y, ey_, endInverse_); }
    bool Whole() const { return whole_; }
    bool Wide() const { return wide_; }
    // The ends of the sweep on the ellipse of the box, as pixels.
    Point StartPixel(const Rect& box) const;
    Point EndPixel(const Rect& box) const;
    // Sweeps that take the same pixels.
    friend bool operator==(const Sweep&, const Sweep&) = default;

  private:
    // The side test c0 + c1 x >= 0 along a row, `inverse` being 1 / c1 (rows are many, rays
    // two), or 0 for a ray nearer level than kLevelRay, which is left to the test. A level
    // ray's test is c0 >= 0 all along it.
    static constexpr double kLevelRay = 1e-6;
    static std::optional<Cut> CutOf(double c0, double c1, double inverse) {
        if (c1 == 0) return Cut{std::numeric_limits<double>::infinity(), c0 >= 0};
        if (inverse == 0) return std::nullopt;  // nearer level than kLevelRay
        return Cut{-c0 * inverse, c1 < 0};
    }
    static double Inverse(double c1) { return std::abs(c1) < kLevelRay ? 0 : 1 / c1; }
    bool whole_ = true;
    bool wide_ = false;  // more than half a turn
    double sx_ = 1, sy_ = 0, ex_ = 1, ey_ = 0;
    double startInverse_ = 0, endInverse_ = 0;
};

// The ellipse inscribed in `box` (pixels l .. r - 1, t .. b - 1) shrunk by `inset` pixels on
// every side, every pixel whose centre lies inside and in the sweep.
void FillEllipse(PixelSurface& surface, const Rect& box, int inset, const Sweep& sweep, Rgb colour);

// The band of `width` pixels inside the ellipse's edge, in the sweep.
void EllipseBand(PixelSurface& surface, const Rect& box, int width, const Sweep& sweep, Rgb colour);

// The pixels of `part` outside the ellipse inscribed in `box`: what a whole ellipse (its fill
// and its band together) leaves of what lay under it.
void FillAroundEllipse(PixelSurface& surface, const Rect& part, const Rect& box, Rgb colour);

// A box as the model takes it: left and right (top and bottom) in either order.
Rect Normalised(const Rect& box);

}  // namespace tumbler::drawing
