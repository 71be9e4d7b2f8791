#include "switch_control/graphics/pixel_raster.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <functional>
#include <vector>

namespace tumbler::drawing {
namespace {

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

// The spans of the rows of one ellipse that fall in an image. A shape's fill, its band and the
// fill left around it take the same rows, so the rows are worked out once for a thread and kept
// for the few ellipses last worked on; a row is the mirror of the row as far below the centre as
// it lies above, exactly, so only half of them are worked out.
class EllipseRows {
  public:
    // Rows [first, last) of the ellipse in `box` (normalised) shrunk by `inset`.
    static const EllipseRows& Of(const Rect& box, int inset, int first, int last) {
        constexpr std::size_t kKept = 8;
        thread_local std::array<EllipseRows, kKept> kept;
        thread_local std::size_t next = 0;
        const int width = box.Width() - 2 * inset, height = box.Height() - 2 * inset;
        const Key key{box.l + box.r, box.t + box.b, width, height, first, last};
        // The rows handed out last are never the next replaced: a band holds two at once.
        std::size_t found = 0;
        while (found < kKept && kept[found].key_ != key) ++found;
        if (found == kKept) {
            found = next;
            kept[found].Fill(key, EllipseFrame(box, inset));
        }
        if (found == next) next = (next + 1) % kKept;
        return kept[found];
    }
    std::pair<int, int> operator[](int y) const {
        return spans_[static_cast<std::size_t>(y - key_[4])];
    }

  private:
    using Key = std::array<int, 6>;  // doubled centre, doubled radii, rows first and last
    void Fill(const Key& key, const EllipseFrame& frame) {
        key_ = key;
        const int first = key[4], last = key[5];
        spans_.resize(static_cast<std::size_t>(std::max(last - first, 0)));
        for (int y = first; y < last; ++y) {
            const int mirror = key[1] - 1 - y;
            spans_[static_cast<std::size_t>(y - first)] =
                mirror >= first && mirror < y ? (*this)[mirror] : frame.Row(y);
        }
    }
    Key key_{INT_MIN};
    std::vector<std::pair<int, int>> spans_;
};

// The rows of `box` that fall in the surface's image.
std::pair<int, int> RowsInImage(const PixelSurface& surface, const Rect& box) {
    return {std::max(box.t, -surface.Origin().y),
            std::max(box.t, std::min(box.b, surface.Height() - surface.Origin().y))};
}

// Spans given row by row, gathered as boxes: a span that repeats the one in its place on the
// row above only lengthens that box. Along an ellipse's sides the band keeps its columns for
// several rows, so far fewer boxes are written than rows are drawn. One colour, so order is no
// matter.
class SpanRuns {
  public:
    explicit SpanRuns(std::vector<Rect>& boxes) : boxes_(boxes) {}
    ~SpanRuns() {
        for (const Rect& run : runs_) Put(run);
    }
    SpanRuns(const SpanRuns&) = delete;
    SpanRuns& operator=(const SpanRuns&) = delete;

    static constexpr int kPlaces = 4;
    void Add(int place, int y, int x0, int x1) {
        if (x0 >= x1) return;
        Rect& run = runs_[static_cast<std::size_t>(place)];
        if (run.b == y && run.l == x0 && run.r == x1) {
            run.b = y + 1;
            return;
        }
        Put(run);
        run = {x0, y, x1, y + 1};
    }

  private:
    void Put(const Rect& run) {
        if (run.l < run.r && run.t < run.b) boxes_.push_back(run);
    }
    std::vector<Rect>& boxes_;
    std::array<Rect, kPlaces> runs_{};
};

// What decides the boxes of a shape: its kind, its rows, and its ellipse with its inset or band
// width, its sweep or the part around it; or a polygon's vertices and the part around it.
struct ShapeKey {
    enum class Kind { Fill, Band, Around, Polygon, AroundPolygon };
    ShapeKey(Kind k, int firstRow, int lastRow) : kind(k), first(firstRow), last(lastRow) {}
    Kind kind;
    Rect box;
    int inset = 0;
    Sweep sweep;
    Rect part;
    int first = 0, last = 0;
    std::span<const Point> vertices;
    friend bool operator==(const ShapeKey& a, const ShapeKey& b) {
        return a.kind == b.kind && a.box == b.box && a.inset == b.inset && a.sweep == b.sweep &&
               a.part == b.part && a.first == b.first && a.last == b.last &&
               std::ranges::equal(a.vertices, b.vertices);
    }
};

// The boxes of the shapes last drawn on a thread. A switch draws the same few shapes on every
// change, each in one of two states, so once both states have been drawn a change only writes
// boxes.
class KeptShapes {
  public:
    // The boxes of `key`, kept or else worked out by `gather` into the SpanRuns it is given.
    template <typename Gather>
    static const std::vector<Rect>& Boxes(const ShapeKey& key, const Gather& gather) {
        Store& store = ThisThread();
        for (const Entry& entry : store.entries) {
            if (entry.key == key) return entry.boxes;
        }
        Entry& entry = store.entries[store.next];
        store.next = (store.next + 1) % kKept;
        entry.key.reset();
        entry.boxes.clear();
        {
            SpanRuns runs(entry.boxes);
            gather(runs);
        }
        entry.vertices.assign(key.vertices.begin(), key.vertices.end());
        entry.key = key;
        entry.key->vertices = entry.vertices;
        return entry.boxes;
    }

  private:
    static constexpr std::size_t kKept = 32;  // both states of a lever with room to spare
    struct Entry {
        std::optional<ShapeKey> key;
        std::vector<Point> vertices;  // what the key's vertices point to
        std::vector<Rect> boxes;
    };
    struct Store {
        std::array<Entry, kKept> entries;
        std::size_t next = 0;  // the entry replaced next
    };
    // One store for every kind of shape: not in the template, which has a copy for each caller.
    static Store& ThisThread();
};

KeptShapes::Store& KeptShapes::ThisThread() {
    thread_local Store store;
    return store;
}

// Writes the boxes of `key` in `colour`, working them out with `gather` unless they are kept.
template <typename Gather>
void DrawKept(PixelSurface& surface, const ShapeKey& key, Rgb colour, const Gather& gather) {
    for (const Rect& box : KeptShapes::Boxes(key, gather)) surface.Box(box, colour);
}

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
    if (w <= 0 || h <= 0) return;
    uchar* to = bits_ + dy * stride_ + dx * qsizetype(sizeof(QRgb));
    const uchar* from = source.bits_ + sy * source.stride_ + sx * qsizetype(sizeof(QRgb));
    // A bitmap drawn in place is copied onto itself: nothing to do.
    if (to == from && stride_ == source.stride_) return;
    // Rows of one image moved down are moved last first, so none is read after it is written.
    const bool backwards = std::greater<>()(to, from);
    for (int i = 0; i < h; ++i) {
        const int row = backwards ? h - 1 - i : i;
        std::memmove(to + row * stride_, from + row * source.stride_,
                     static_cast<std::size_t>(w) * sizeof(QRgb));
    }
}

namespace {

// Bresenham's steps along a line, its end left out: `put` at each pixel, then `step` to the next,
// told whether it moves along x, along y or both. Every step moves along the longer axis.
template <typename Put, typename Step>
void LineSteps(int dx, int dy, const Put& put, const Step& step) {
    int error = dx - dy;
    for (int left = std::max(dx, dy); left > 0; --left) {
        put();
        const int twice = 2 * error;
        const bool alongX = twice > -dy, alongY = twice < dx;
        if (alongX) error -= dy;
        if (alongY) error += dx;
        step(alongX, alongY);
    }
}

// A thin line, pixel by pixel with its own clipping: no call per pixel. A line whose ends both
// lie in the image lies in it all along, and is stepped through the pixels with no test.
void ThinLine(PixelSurface& surface, Point from, Point to, Rgb colour) {
    const QRgb pixel = PixelSurface::ToPixel(colour);
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int x = from.x + surface.Origin().x, y = from.y + surface.Origin().y;
    if (surface.Holds(x, y) &&
        surface.Holds(to.x + surface.Origin().x, to.y + surface.Origin().y)) {
        QRgb* at = surface.Row(y) + x;
        const qsizetype down = sy * surface.StrideInPixels();
        LineSteps(
            dx, dy, [&] { *at = pixel; },
            [&](bool alongX, bool alongY) { at += (alongX ? sx : 0) + (alongY ? down : 0); });
        return;
    }
    LineSteps(
        dx, dy,
        [&] {
            if (surface.Holds(x, y)) surface.Row(y)[x] = pixel;
        },
        [&](bool alongX, bool alongY) { x += alongX ? sx : 0, y += alongY ? sy : 0; });
}

}  // namespace

void Line(PixelSurface& surface, Point from, Point to, int width, Rgb colour) {
    // Straight lines are one box: every step's pixel or square, and for a wide pen the end's.
    const bool straight = from.x == to.x || from.y == to.y;
    if (width <= 1 && straight) {
        if (from == to) return;
        const Rect run = from.y == to.y
                             ? (from.x < to.x ? Rect{from.x, from.y, to.x, from.y + 1}
                                              : Rect{to.x + 1, from.y, from.x + 1, from.y + 1})
                             : (from.y < to.y ? Rect{from.x, from.y, from.x + 1, to.y}
                                              : Rect{from.x, to.y + 1, from.x + 1, from.y + 1});
        surface.Box(run, colour);
        return;
    }
    if (width <= 1) {
        ThinLine(surface, from, to, colour);
        return;
    }
    const int before = width / 2;
    if (straight) {
        surface.Box(
            {std::min(from.x, to.x) - before, std::min(from.y, to.y) - before,
             std::max(from.x, to.x) - before + width, std::max(from.y, to.y) - before + width},
            colour);
        return;
    }
    auto put = [&](Point p) {
        surface.Box({p.x - before, p.y - before, p.x - before + width, p.y - before + width},
                    colour);
    };
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    Point p = from;
    LineSteps(
        std::abs(to.x - from.x), std::abs(to.y - from.y), [&] { put(p); },
        [&](bool alongX, bool alongY) { p.x += alongX ? sx : 0, p.y += alongY ? sy : 0; });
    // Wide pens are drawn as filled outlines with caps, so unlike a thin line they cover the end.
    put(to);
}

namespace {

std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {  // d > 0
    const std::int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// Where an edge crosses the rows it spans (its upper end's row up to, not including, its lower
// end's, so a vertex on a row counts once): the first pixel at or right of the crossing, the
// ceiling of x = P.x + (y - P.y) (Q.x - P.x) / (Q.y - P.y) with P the upper end, stepped row by
// row in integers, exactly.
class EdgeWalk {
  public:
    EdgeWalk(Point a, Point b, int firstRow) {
        const Point& p = a.y < b.y ? a : b;
        const Point& q = a.y < b.y ? b : a;
        top_ = p.y;
        bottom_ = q.y;
        x_ = p.x;
        dy_ = q.y - p.y;
        const std::int64_t dx = static_cast<std::int64_t>(q.x) - p.x;
        stepQ_ = FloorDiv(dx, dy_);
        stepR_ = dx - stepQ_ * dy_;
        // From the first row drawn on: (row - top) < dy keeps the quotient within dx.
        const auto rows = static_cast<__int128>(std::max(firstRow, top_)) - top_;
        const __int128 n = rows * dx;
        __int128 whole = n / dy_;
        if (n % dy_ != 0 && n < 0) --whole;
        q_ = static_cast<std::int64_t>(whole);
        r_ = static_cast<std::int64_t>(n - whole * dy_);
    }
    bool Crosses(int y) const { return y >= top_ && y < bottom_; }
    std::int64_t Pixel() const { return x_ + q_ + (r_ > 0 ? 1 : 0); }
    void Step() {
        q_ += stepQ_;
        r_ += stepR_;
        if (r_ >= dy_) {
            r_ -= dy_;
            ++q_;
        }
    }

  private:
    int top_ = 0, bottom_ = 0;
    std::int64_t x_ = 0, dy_ = 1, stepQ_ = 0, stepR_ = 0, q_ = 0, r_ = 0;
};

int Clamped(std::int64_t x) {
    return static_cast<int>(std::clamp<std::int64_t>(x, INT_MIN, INT_MAX));
}

}  // namespace

namespace {

// The rows from `top` to `bottom` of a polygon, each handed to `row` with its crossings sorted:
// the pixels from each odd crossing up to the next lie inside.
template <typename Row>
void PolygonRows(std::span<const Point> points, int top, int bottom, const Row& row) {
    std::vector<EdgeWalk> edges;
    edges.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % points.size()];
        if (a.y != b.y) edges.emplace_back(a, b, top);  // level edges cross no row
    }
    std::vector<std::int64_t> crossings;
    crossings.reserve(edges.size());
    for (int y = top; y <= bottom; ++y) {
        crossings.clear();
        for (EdgeWalk& edge : edges) {
            if (!edge.Crosses(y)) continue;
            crossings.push_back(edge.Pixel());
            edge.Step();
        }
        std::sort(crossings.begin(), crossings.end());
        row(y, std::span<const std::int64_t>(crossings));
    }
}

// The first and last rows of a polygon.
std::pair<int, int> RowsOf(std::span<const Point> points) {
    const auto [high, low] = std::ranges::minmax(points, {}, &Point::y);
    return {high.y, low.y};
}

int Place(std::size_t span) {
    return std::min(static_cast<int>(span), SpanRuns::kPlaces - 1);
}

}  // namespace

void FillPolygon(PixelSurface& surface, std::span<const Point> points, Rgb colour) {
    if (points.size() < 3) return;
    auto [top, bottom] = RowsOf(points);
    // Rows outside the image would draw nothing.
    top = std::max(top, -surface.Origin().y);
    bottom = std::min(bottom, surface.Height() - 1 - surface.Origin().y);
    ShapeKey key(ShapeKey::Kind::Polygon, top, bottom);
    key.vertices = points;
    DrawKept(surface, key, colour, [&](SpanRuns& runs) {
        PolygonRows(points, top, bottom, [&](int y, std::span<const std::int64_t> crossings) {
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                runs.Add(Place(i / 2), y, Clamped(crossings[i]), Clamped(crossings[i + 1]));
            }
        });
    });
}

void FillAroundPolygon(PixelSurface& surface, const Rect& part, std::span<const Point> points,
                       Rgb colour) {
    const Rect p = Normalised(part);
    auto [top, bottom] = points.size() < 3 ? std::pair{p.b, p.b - 1} : RowsOf(points);
    top = std::clamp(top, p.t, p.b);
    bottom = std::clamp(bottom, top - 1, p.b - 1);
    ShapeKey key(ShapeKey::Kind::AroundPolygon, top, bottom);
    key.part = p;
    key.vertices = points;
    DrawKept(surface, key, colour, [&](SpanRuns& runs) {
        // The gaps of a row between the polygon's spans, and either side of them, in the part.
        const auto gaps = [&](int y, std::span<const std::int64_t> crossings) {
            int from = p.l;
            std::size_t gap = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2, ++gap) {
                runs.Add(Place(gap), y, from, std::min(p.r, Clamped(crossings[i])));
                from = std::max(from, Clamped(crossings[i + 1]));
            }
            runs.Add(Place(gap), y, from, p.r);
        };
        for (int y = p.t; y < top; ++y) gaps(y, {});
        PolygonRows(points, top, bottom, gaps);
        for (int y = bottom + 1; y < p.b; ++y) gaps(y, {});
    });
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
    startInverse_ = Inverse(-sy_);
    endInverse_ = Inverse(ey_);
}

bool Sweep::AfterStart(double x, double y) const {
    return Cross(sx_, sy_, x, y) >= 0;
}

bool Sweep::BeforeEnd(double x, double y) const {
    return Cross(x, y, ex_, ey_) >= 0;
}

bool Sweep::Contains(double x, double y) const {
    if (whole_) return true;
    return wide_ ? (AfterStart(x, y) || BeforeEnd(x, y)) : (AfterStart(x, y) && BeforeEnd(x, y));
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
// Where a row crosses a ray, as a pixel column, and whether the pixels left of it pass the ray's
// test.
struct Crossing {
    double column;
    bool leftPasses;
};

// What a row needs of the sweep, worked out once for all its spans: where it crosses each ray.
// `perRadius` is 1 / b: the height found with it is near enough for the crossings, which are
// trusted only a whole column away; the tests take the exact one.
struct SweptRow {
    SweptRow(const EllipseFrame& unit, double perRadius, const Sweep& sweep, int y) {
        if (sweep.Whole()) return;
        const double height = (unit.cy - (y + 0.5)) * perRadius;
        const auto crossing = [&](std::optional<Sweep::Cut> cut) -> std::optional<Crossing> {
            if (!cut) return std::nullopt;
            return Crossing{unit.cx - 0.5 + unit.a * cut->x, cut->leftPasses};
        };
        start = crossing(sweep.StartCut(height));
        end = crossing(sweep.EndCut(height));
    }
    std::optional<Crossing> start, end;
};

// The pixels of [x0, x1) that pass `test`, for a test that changes its answer at most once
// along the row (a side of a ray through the centre): a prefix or a suffix of the row, found
// by halving with the same sums as a pixel-by-pixel look would make. Pixels a whole column or
// more to one side of the ray's crossing all pass or all fail, as that look would find: they
// need no test.
template <typename Test>
std::pair<int, int> Passing(int x0, int x1, const std::optional<Crossing>& crossing,
                            const Test& test) {
    if (crossing) {
        const bool all = crossing->leftPasses;
        if (x1 < crossing->column) return all ? std::pair{x0, x1} : std::pair{x1, x1};
        if (x0 > crossing->column + 1) return all ? std::pair{x1, x1} : std::pair{x0, x1};
    }
    const bool first = test(x0);
    int same = x0, other = x1;  // test(same) == first; other: the first known to differ
    if (test(x1 - 1) != first) {
        other = x1 - 1;
        while (other - same > 1) {
            const int mid = same + (other - same) / 2;
            (test(mid) == first ? same : other) = mid;
        }
    }
    return first ? std::pair{x0, other} : std::pair{other, x1};
}

// Spans of row y from x0 to x1 whose pixels lie in the sweep, in places `place` and the next.
void SweptSpans(SpanRuns& runs, int place, const EllipseFrame& unit, const Sweep& sweep,
                const SweptRow& row, int y, int x0, int x1) {
    if (x0 >= x1) return;
    if (sweep.Whole()) {
        runs.Add(place, y, x0, x1);
        return;
    }
    const auto ux = [&](int x) { return (x + 0.5 - unit.cx) / unit.a; };
    const auto uy = [&] { return -(y + 0.5 - unit.cy) / unit.b; };
    const auto [a0, a1] =
        Passing(x0, x1, row.start, [&](int x) { return sweep.AfterStart(ux(x), uy()); });
    const auto [b0, b1] =
        Passing(x0, x1, row.end, [&](int x) { return sweep.BeforeEnd(ux(x), uy()); });
    if (sweep.Wide()) {  // either side will do: the pixels both hold are drawn twice, alike
        runs.Add(place, y, a0, a1);
        runs.Add(place + 1, y, b0, b1);
    } else {
        runs.Add(place, y, std::max(a0, b0), std::min(a1, b1));
    }
}
}  // namespace

void FillEllipse(PixelSurface& surface, const Rect& box, int inset, const Sweep& sweep,
                 Rgb colour) {
    const Rect n = Normalised(box);
    const auto [first, last] = RowsInImage(surface, n);
    ShapeKey key(ShapeKey::Kind::Fill, first, last);
    key.box = n, key.inset = inset, key.sweep = sweep;
    DrawKept(surface, key, colour, [&](SpanRuns& runs) {
        const EllipseFrame unit(n);
        const double perRadius = unit.b > 0 ? 1 / unit.b : 0;
        const EllipseRows& rows = EllipseRows::Of(n, inset, first, last);
        for (int y = first; y < last; ++y) {
            auto [x0, x1] = rows[y];
            if (x0 < x1) {
                SweptSpans(runs, 0, unit, sweep, SweptRow(unit, perRadius, sweep, y), y, x0, x1);
            }
        }
    });
}

void EllipseBand(PixelSurface& surface, const Rect& box, int width, const Sweep& sweep,
                 Rgb colour) {
    const Rect n = Normalised(box);
    const auto [first, last] = RowsInImage(surface, n);
    ShapeKey key(ShapeKey::Kind::Band, first, last);
    key.box = n, key.inset = width, key.sweep = sweep;
    DrawKept(surface, key, colour, [&](SpanRuns& runs) {
        const EllipseFrame outer(n);
        const double perRadius = outer.b > 0 ? 1 / outer.b : 0;
        const EllipseRows& outerRows = EllipseRows::Of(n, 0, first, last);
        const EllipseRows& innerRows = EllipseRows::Of(n, std::max(width, 1), first, last);
        for (int y = first; y < last; ++y) {
            auto [o0, o1] = outerRows[y];
            if (o0 >= o1) continue;
            auto [i0, i1] = innerRows[y];
            if (i0 >= i1) i0 = i1 = o1;  // nothing inside on this row: the band is the whole row
            const SweptRow row(outer, perRadius, sweep, y);
            SweptSpans(runs, 0, outer, sweep, row, y, o0, i0);
            SweptSpans(runs, 2, outer, sweep, row, y, i1, o1);
        }
    });
}

void FillAroundEllipse(PixelSurface& surface, const Rect& part, const Rect& box, Rgb colour) {
    const Rect n = Normalised(box);
    const Rect p = Normalised(part);
    const auto [first, last] = RowsInImage(surface, n);
    ShapeKey key(ShapeKey::Kind::Around, first, last);
    key.box = n, key.part = p;
    DrawKept(surface, key, colour, [&](SpanRuns& runs) {
        const EllipseRows& rows = EllipseRows::Of(n, 0, first, last);
        for (int y = p.t; y < p.b; ++y) {
            const auto [x0, x1] = y >= first && y < last ? rows[y] : std::pair{0, 0};
            if (x0 >= x1) {
                runs.Add(0, y, p.l, p.r);
                continue;
            }
            runs.Add(0, y, p.l, std::min(p.r, x0));
            runs.Add(1, y, std::max(p.l, x1), p.r);
        }
    });
}

}  // namespace tumbler::drawing
