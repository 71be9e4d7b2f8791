#include "switch_control/graphics/pixel_raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <vector>

namespace tumbler::drawing {
namespace {

QRgb ToQRgb(Rgb c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// Centre and radii of the ellipse in a box, in pixel-centre coordinates.
struct EllipseFrame {
    double cx, cy, a, b;
    explicit EllipseFrame(const Rect& box, int inset = 0)
        : cx((box.l + box.r) / 2.0),
          cy((box.t + box.b) / 2.0),
          a(box.Width() / 2.0 - inset),
          b(box.Height() / 2.0 - inset) {}
    bool Empty() const { return a <= 0 || b <= 0; }
    // The pixels of row y whose centres lie inside, as [x0, x1); empty when x0 >= x1.
    std::pair<int, int> Row(int y) const {
        const double dy = (y + 0.5 - cy) / b;
        if (Empty() || dy <= -1.0 || dy >= 1.0) return {0, 0};
        const double half = a * std::sqrt(1.0 - dy * dy);
        return {static_cast<int>(std::ceil(cx - half - 0.5)),
                static_cast<int>(std::floor(cx + half - 0.5)) + 1};
    }
};

double Cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

}  // namespace

Rect Normalised(const Rect& box) {
    return {std::min(box.l, box.r), std::min(box.t, box.b), std::max(box.l, box.r),
            std::max(box.t, box.b)};
}

PixelSurface::PixelSurface(QImage& image, Point origin)
    : bits_(image.bits()),
      stride_(image.bytesPerLine()),
      width_(image.width()),
      height_(image.height()),
      origin_(origin) {}

void PixelSurface::Span(int y, int x0, int x1, Rgb colour) {
    y += origin_.y;
    if (bits_ == nullptr || y < 0 || y >= height_) return;
    x0 = std::max(x0 + origin_.x, 0);
    x1 = std::min(x1 + origin_.x, width_);
    if (x0 >= x1) return;
    // wmemset is the C library's tuned fill of 32-bit units.
    static_assert(sizeof(wchar_t) == sizeof(QRgb));
    auto* line = reinterpret_cast<wchar_t*>(bits_ + y * stride_);
    std::wmemset(line + x0, static_cast<wchar_t>(ToQRgb(colour)),
                 static_cast<std::size_t>(x1 - x0));
}

void PixelSurface::Box(const Rect& box, Rgb colour) {
    for (int y = box.t; y < box.b; ++y) Span(y, box.l, box.r, colour);
}

void PixelSurface::CopyFrom(const PixelSurface& source, const Rect& destination,
                            Point sourceOrigin) {
    if (bits_ == nullptr || source.bits_ == nullptr) return;
    // Device coordinates of both, then the part that lies inside both images.
    int dx = destination.l + origin_.x, dy = destination.t + origin_.y;
    int sx = sourceOrigin.x + source.origin_.x, sy = sourceOrigin.y + source.origin_.y;
    int w = destination.Width(), h = destination.Height();
    const int skipX = std::max({0, -dx, -sx});
    const int skipY = std::max({0, -dy, -sy});
    dx += skipX, sx += skipX, w -= skipX;
    dy += skipY, sy += skipY, h -= skipY;
    w = std::min({w, width_ - dx, source.width_ - sx});
    h = std::min({h, height_ - dy, source.height_ - sy});
    for (int row = 0; row < h; ++row) {
        std::memcpy(bits_ + (dy + row) * stride_ + dx * sizeof(QRgb),
                    source.bits_ + (sy + row) * source.stride_ + sx * sizeof(QRgb),
                    static_cast<std::size_t>(std::max(w, 0)) * sizeof(QRgb));
    }
}

void Line(PixelSurface& surface, Point from, Point to, int width, Rgb colour) {
    const int before = width / 2;
    auto put = [&](Point p) {
        if (width <= 1) {
            surface.Pixel(p.x, p.y, colour);
        } else {
            surface.Box({p.x - before, p.y - before, p.x - before + width, p.y - before + width},
                        colour);
        }
    };
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx - dy;
    for (Point p = from; p != to;) {
        put(p);
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            p.x += sx;
        }
        if (twice < dx) {
            error += dx;
            p.y += sy;
        }
    }
    // Wide pens are drawn as filled outlines with caps, so unlike a thin line they cover the end.
    if (width > 1) put(to);
}

void FillPolygon(PixelSurface& surface, std::span<const Point> points, Rgb colour) {
    if (points.size() < 3) return;
    int top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<double> crossings;
    for (int y = top; y <= bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            // Half-open in y, so a vertex on the row counts once.
            if ((a.y <= y) == (b.y <= y)) continue;
            crossings.push_back(a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            surface.Span(y, static_cast<int>(std::ceil(crossings[i])),
                         static_cast<int>(std::ceil(crossings[i + 1])), colour);
        }
    }
}

Sweep::Sweep(const Rect& box, Point start, Point end) : whole_(false) {
    const EllipseFrame f(Normalised(box));
    const double a = std::max(f.a, 0.5), b = std::max(f.b, 0.5);
    // Rays in the ellipse's own units, y up, made unit length.
    auto unit = [&](Point p, double& x, double& y) {
        x = (p.x - f.cx) / a;
        y = -(p.y - f.cy) / b;
        const double length = std::hypot(x, y);
        if (length > 0) {
            x /= length;
            y /= length;
        } else {
            x = 1;
            y = 0;
        }
    };
    unit(start, sx_, sy_);
    unit(end, ex_, ey_);
    const double cross = Cross(sx_, sy_, ex_, ey_);
    const double dot = sx_ * ex_ + sy_ * ey_;
    whole_ = std::abs(cross) < 1e-12 && dot > 0;  // the same ray
    wide_ = cross < 0 || (std::abs(cross) < 1e-12 && dot < 0);
}

bool Sweep::Contains(double x, double y) const {
    if (whole_) return true;
    const bool afterStart = Cross(sx_, sy_, x, y) >= 0;
    const bool beforeEnd = Cross(x, y, ex_, ey_) >= 0;
    return wide_ ? (afterStart || beforeEnd) : (afterStart && beforeEnd);
}

namespace {
Point OnEdge(const Rect& box, double ux, double uy) {
    const EllipseFrame f(Normalised(box));
    const double a = f.a - 0.5, b = f.b - 0.5;  // through the centres of the edge pixels
    return {static_cast<int>(std::lround(f.cx + a * ux - 0.5)),
            static_cast<int>(std::lround(f.cy - b * uy - 0.5))};
}
}  // namespace

Point Sweep::StartPixel(const Rect& box) const {
    return OnEdge(box, sx_, sy_);
}
Point Sweep::EndPixel(const Rect& box) const {
    return OnEdge(box, ex_, ey_);
}

namespace {
// Spans of row y from x0 to x1 whose pixels lie in the sweep.
void SweptSpans(PixelSurface& surface, const EllipseFrame& unit, const Sweep& sweep, int y, int x0,
                int x1, Rgb colour) {
    if (sweep.Whole()) {
        surface.Span(y, x0, x1, colour);
        return;
    }
    const double uy = -(y + 0.5 - unit.cy) / unit.b;
    int run = x0;
    for (int x = x0; x < x1; ++x) {
        if (sweep.Contains((x + 0.5 - unit.cx) / unit.a, uy)) continue;
        surface.Span(y, run, x, colour);
        run = x + 1;
    }
    surface.Span(y, run, x1, colour);
}
}  // namespace

void FillEllipse(PixelSurface& surface, const Rect& box, int inset, const Sweep& sweep,
                 Rgb colour) {
    const Rect n = Normalised(box);
    const EllipseFrame f(n, inset);
    const EllipseFrame unit(n);
    for (int y = n.t; y < n.b; ++y) {
        auto [x0, x1] = f.Row(y);
        if (x0 < x1) SweptSpans(surface, unit, sweep, y, x0, x1, colour);
    }
}

void EllipseBand(PixelSurface& surface, const Rect& box, int width, const Sweep& sweep,
                 Rgb colour) {
    const Rect n = Normalised(box);
    const EllipseFrame outer(n);
    const EllipseFrame inner(n, std::max(width, 1));
    for (int y = n.t; y < n.b; ++y) {
        auto [o0, o1] = outer.Row(y);
        if (o0 >= o1) continue;
        auto [i0, i1] = inner.Row(y);
        if (i0 >= i1) i0 = i1 = o1;  // nothing inside on this row: the band is the whole row
        SweptSpans(surface, outer, sweep, y, o0, i0, colour);
        SweptSpans(surface, outer, sweep, y, i1, o1, colour);
    }
}

}  // namespace tumbler::drawing
