// The raster's whole-row and whole-line fills against a pixel-by-pixel drawing of the same
// model: every step's pixel (or pen square) put one at a time and clipped one at a time. Odd
// image widths, shapes running off every edge and shifted viewport origins are where a row or
// line at once could differ.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "switch_control/graphics/pixel_raster.h"

namespace tumbler::drawing {
namespace {

constexpr int kWidth = 37;  // odd, so no row is a whole number of vector registers
constexpr int kHeight = 23;
constexpr Rgb kInk = 0x3366CC;
const Point kOrigins[] = {{0, 0}, {-5, 3}, {4, -7}};

// One pixel in logical coordinates, dropped when it falls outside the image.
void Put(QImage& image, Point origin, int x, int y) {
    x += origin.x;
    y += origin.y;
    if (x >= 0 && x < image.width() && y >= 0 && y < image.height()) {
        image.setPixel(x, y, PixelSurface::ToPixel(kInk));
    }
}

void ReferenceBox(QImage& image, Point origin, const Rect& box) {
    for (int y = box.t; y < box.b; ++y) {
        for (int x = box.l; x < box.r; ++x) Put(image, origin, x, y);
    }
}

void ReferenceLine(QImage& image, Point origin, Point from, Point to, int width) {
    const int before = width / 2;
    auto put = [&](Point p) {
        if (width <= 1) {
            Put(image, origin, p.x, p.y);
        } else {
            ReferenceBox(image, origin,
                         {p.x - before, p.y - before, p.x - before + width, p.y - before + width});
        }
    };
    const int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    int error = dx - dy;
    for (Point p = from; p != to;) {
        put(p);
        const int twice = 2 * error;
        if (twice > -dy) error -= dy, p.x += sx;
        if (twice < dx) error += dx, p.y += sy;
    }
    if (width > 1) put(to);
}

// A pixel is inside when an odd number of edge crossings of its row lie at or left of its
// column; a crossing counts on the rows from its edge's upper end to just above its lower end.
void ReferencePolygon(QImage& image, Point origin, const std::vector<Point>& points) {
    for (int y = -40; y < 60; ++y) {
        std::vector<double> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            if ((a.y <= y) == (b.y <= y)) continue;
            crossings.push_back(a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        for (int x = -40; x < 60; ++x) {
            int left = 0;
            for (double c : crossings) left += std::ceil(c) <= x ? 1 : 0;
            if (left % 2 == 1) Put(image, origin, x, y);
        }
    }
}

QImage Blank() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

std::string Name(Point p) {
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

std::string BoxName(const Rect& box) {
    return Name({box.l, box.t}) + "-" + Name({box.r, box.b});
}

std::string CornersName(const std::vector<Point>& points) {
    std::string corners;
    for (Point p : points) corners += Name(p);
    return corners;
}

// A polygon of `fewest` to 6 corners, each up to `margin` pixels beyond the image.
std::vector<Point> RandomPolygon(std::mt19937& random, int fewest, int margin) {
    std::uniform_int_distribution<int> x(-margin, kWidth + margin), y(-margin, kHeight + margin),
        corners(fewest, 6);
    std::vector<Point> points(static_cast<std::size_t>(corners(random)));
    for (Point& p : points) p = {x(random), y(random)};
    return points;
}

// The first device pixel where the two drawings differ, or nothing.
std::string Difference(const QImage& fast, const QImage& slow) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (fast.pixel(x, y) != slow.pixel(x, y)) {
                return "pixel " + Name({x, y}) +
                       (fast.pixel(x, y) == qRgb(255, 255, 255) ? " left out" : " drawn too");
            }
        }
    }
    return {};
}

int Inked(const QImage& image) {
    int count = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) count += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return count;
}

TEST(PixelSpans, LinesOfEveryDirectionAndPenMatchThePixelByPixelDrawing) {
    // End points on, inside and beyond every edge.
    std::vector<Point> ends;
    for (int x : {-3, 0, 5, 18, 36, 37, 40}) {
        for (int y : {-2, 0, 7, 22, 23, 26}) ends.push_back({x, y});
    }
    int differing = 0;
    for (Point origin : kOrigins) {
        for (int width : {1, 2, 3}) {
            for (Point from : ends) {
                for (Point to : ends) {
                    QImage fast = Blank(), slow = Blank();
                    PixelSurface surface(fast, origin);
                    Line(surface, from, to, width, kInk);
                    ReferenceLine(slow, origin, from, to, width);
                    const std::string difference = Difference(fast, slow);
                    if (difference.empty()) continue;
                    if (++differing <= 5) {
                        ADD_FAILURE() << Name(from) << " to " << Name(to) << " width " << width
                                      << " origin " << Name(origin) << ": " << difference;
                    }
                }
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(PixelSpans, BoxesAndRowsClipAtEveryEdge) {
    std::mt19937 random(17);
    std::uniform_int_distribution<int> x(-10, kWidth + 10), y(-10, kHeight + 10);
    for (Point origin : kOrigins) {
        for (int i = 0; i < 400; ++i) {
            const int l = x(random), t = y(random);
            const Rect box{l, t, l + x(random) / 2, t + y(random) / 2};  // some empty or inverted
            QImage fast = Blank(), slow = Blank();
            PixelSurface surface(fast, origin);
            surface.Box(box, kInk);
            // An inverted row draws nothing.
            surface.Box({std::max(box.l, box.r), box.t - 1, std::min(box.l, box.r), box.t}, kInk);
            surface.Box({box.l, box.b, box.r, box.b + 1}, kInk);
            ReferenceBox(slow, origin, box);
            ReferenceBox(slow, origin, {box.l, box.b, box.r, box.b + 1});
            ASSERT_EQ(Difference(fast, slow), "")
                << "box " << BoxName(box) << " origin " << Name(origin);
        }
    }
}

TEST(PixelSpans, PolygonsRunningOffTheImageMatchThePixelCentreRule) {
    std::mt19937 random(29);
    for (Point origin : kOrigins) {
        for (int i = 0; i < 600; ++i) {
            const std::vector<Point> points = RandomPolygon(random, 3, 12);
            QImage fast = Blank(), slow = Blank();
            PixelSurface surface(fast, origin);
            FillPolygon(surface, points, kInk);
            ReferencePolygon(slow, origin, points);
            ASSERT_EQ(Difference(fast, slow), "")
                << CornersName(points) << " origin " << Name(origin);
        }
    }
}

TEST(PixelSpans, SteepAndShallowPolygonEdgesLandOnTheSamePixelsAsTheirSlope) {
    // Edges whose crossings fall exactly on pixel boundaries and just beside them.
    const std::vector<std::vector<Point>> shapes = {
        {{0, 0}, {36, 0}, {30, 22}, {6, 22}},     // the rocker's face at this size
        {{30, 4}, {24, 7}, {30, 15}},             // its dark side
        {{0, 22}, {36, 0}, {36, 22}},             // a slope of 36 over 22
        {{5, -30}, {6, 50}, {-4, 10}},            // nearly vertical, beyond top and bottom
        {{-20, 5}, {60, 6}, {60, 17}, {-20, 16}}  // nearly level, beyond both sides
    };
    for (Point origin : kOrigins) {
        for (const auto& points : shapes) {
            QImage fast = Blank(), slow = Blank();
            PixelSurface surface(fast, origin);
            FillPolygon(surface, points, kInk);
            ReferencePolygon(slow, origin, points);
            EXPECT_EQ(Difference(fast, slow), "") << Name(points[0]) << " origin " << Name(origin);
            EXPECT_GT(Inked(fast), 0) << Name(points[0]) << " origin " << Name(origin);
        }
    }
}

// A pie's or arc's pixels are the whole shape's pixels whose centres lie in the sweep, looked
// at one by one; rows are cut where each ray crosses them, or taken whole away from it.
TEST(PixelSpans, SweptEllipsesKeepThePixelsInTheSweep) {
    std::mt19937 random(41);
    std::uniform_int_distribution<int> x(-8, kWidth + 8), y(-8, kHeight + 8), pen(0, 3);
    for (Point origin : kOrigins) {
        for (int i = 0; i < 300; ++i) {
            const Rect box = Normalised({x(random), y(random), x(random), y(random)});
            Point start{x(random), y(random)}, end{x(random), y(random)};
            // Rays along a row (as a lever's pivot has) and along a column, every few cases.
            if (i % 4 == 1) start.y = end.y = (box.t + box.b) / 2;
            if (i % 4 == 2) start.x = (box.l + box.r) / 2;
            const Sweep sweep(box, start, end);
            const int width = pen(random);
            QImage fast = Blank(), whole = Blank();
            PixelSurface surface(fast, origin), wholeSurface(whole, origin);
            if (width == 0) {
                FillEllipse(surface, box, 1, sweep, kInk);
                FillEllipse(wholeSurface, box, 1, Sweep(), kInk);
            } else {
                EllipseBand(surface, box, width, sweep, kInk);
                EllipseBand(wholeSurface, box, width, Sweep(), kInk);
            }
            const double cx = (box.l + box.r) / 2.0, cy = (box.t + box.b) / 2.0;
            const double a = box.Width() / 2.0, b = box.Height() / 2.0;
            QImage slow = Blank();
            for (int py = 0; py < kHeight; ++py) {
                for (int px = 0; px < kWidth; ++px) {
                    if (whole.pixel(px, py) == qRgb(255, 255, 255)) continue;
                    const int lx = px - origin.x, ly = py - origin.y;
                    if (sweep.Contains((lx + 0.5 - cx) / a, -(ly + 0.5 - cy) / b)) {
                        Put(slow, origin, lx, ly);
                    }
                }
            }
            ASSERT_EQ(Difference(fast, slow), "")
                << "box " << BoxName(box) << " from " << Name(start) << " to " << Name(end)
                << " pen " << width << " origin " << Name(origin);
        }
    }
}

// Where a pixel's centre lies against the ellipse of a box shrunk by `inset`, in exact integers
// (doubled coordinates): below zero inside, above outside, zero on the edge.
long long EllipseSide(const Rect& box, int inset, int x, int y) {
    const long long A = box.Width() - 2 * inset, B = box.Height() - 2 * inset;
    const long long X = 2 * x + 1 - (box.l + box.r), Y = 2 * y + 1 - (box.t + box.b);
    return X * X * B * B + Y * Y * A * A - A * A * B * B;
}

// Whole ellipses, drawn one after another at every clipping: every pixel whose centre lies
// clearly inside is drawn and every one clearly outside is not. Rows are worked out once and
// kept, and a row below the centre is taken from the one above it, so a kept row used for
// another ellipse or another part of the image would show here.
TEST(PixelSpans, WholeEllipsesHoldThePixelCentresInside) {
    std::mt19937 random(53);
    std::uniform_int_distribution<int> x(-12, kWidth + 12), y(-12, kHeight + 12);
    for (int i = 0; i < 300; ++i) {
        const Rect box = Normalised({x(random), y(random), x(random), y(random)});
        // The same box at every inset, and at the first again: each its own rows.
        for (const int inset : {0, 2, 1, 3, 0}) {
            const Point origin =
                kOrigins[static_cast<std::size_t>(i + inset) % std::size(kOrigins)];
            QImage image = Blank();
            PixelSurface surface(image, origin);
            FillEllipse(surface, box, inset, Sweep(), kInk);
            if (box.Width() <= 2 * inset || box.Height() <= 2 * inset) {
                EXPECT_EQ(Inked(image), 0);
                continue;
            }
            const long long scale = 4LL * box.Width() * box.Height();  // well under a pixel's step
            for (int py = 0; py < kHeight; ++py) {
                for (int px = 0; px < kWidth; ++px) {
                    const long long side = EllipseSide(box, inset, px - origin.x, py - origin.y);
                    if (std::abs(side) < scale) continue;  // on or beside the edge: rounding's call
                    ASSERT_EQ(image.pixel(px, py) != qRgb(255, 255, 255), side < 0)
                        << "box " << BoxName(box) << " inset " << inset << " origin "
                        << Name(origin) << " pixel " << Name({px, py});
                }
            }
        }
    }
}

// Whether what a shape leaves of a part of the image and the shape itself cover that part once,
// with nothing outside it: the first device pixel where not, or nothing.
std::string CoverOnce(const QImage& around, const QImage& shape, Point origin, const Rect& part) {
    QImage partOnly = Blank();
    ReferenceBox(partOnly, origin, part);
    for (int py = 0; py < kHeight; ++py) {
        for (int px = 0; px < kWidth; ++px) {
            const bool inPart = partOnly.pixel(px, py) != qRgb(255, 255, 255);
            const bool left = around.pixel(px, py) != qRgb(255, 255, 255);
            const bool drawn = shape.pixel(px, py) != qRgb(255, 255, 255);
            if (left != (inPart && !drawn)) {
                return "pixel " + Name({px, py}) + (left ? " left in" : " left out");
            }
        }
    }
    return {};
}

// An ellipse (its fill and band) and what it leaves of a part.
TEST(PixelSpans, AroundAnEllipseAndTheEllipseCoverThePartOnce) {
    std::mt19937 random(59);
    std::uniform_int_distribution<int> x(-10, kWidth + 10), y(-10, kHeight + 10), pen(1, 3);
    for (Point origin : kOrigins) {
        for (int i = 0; i < 200; ++i) {
            const Rect box = Normalised({x(random), y(random), x(random), y(random)});
            const Rect part = Normalised({x(random), y(random), x(random), y(random)});
            const int width = pen(random);
            QImage around = Blank(), ellipse = Blank();
            PixelSurface aroundSurface(around, origin), ellipseSurface(ellipse, origin);
            FillAroundEllipse(aroundSurface, part, box, kInk);
            FillEllipse(ellipseSurface, box, width, Sweep(), kInk);
            EllipseBand(ellipseSurface, box, width, Sweep(), kInk);
            ASSERT_EQ(CoverOnce(around, ellipse, origin, part), "")
                << "box " << BoxName(box) << " part " << BoxName(part) << " pen " << width
                << " origin " << Name(origin);
        }
    }
}

// A polygon's fill, crossing itself or not, and what it leaves of a part.
TEST(PixelSpans, AroundAPolygonAndThePolygonCoverThePartOnce) {
    std::mt19937 random(61);
    std::uniform_int_distribution<int> x(-10, kWidth + 10), y(-10, kHeight + 10);
    for (Point origin : kOrigins) {
        for (int i = 0; i < 300; ++i) {
            const std::vector<Point> points = RandomPolygon(random, 2, 10);
            const Rect part = Normalised({x(random), y(random), x(random), y(random)});
            QImage around = Blank(), polygon = Blank();
            PixelSurface aroundSurface(around, origin), polygonSurface(polygon, origin);
            FillAroundPolygon(aroundSurface, part, points, kInk);
            FillPolygon(polygonSurface, points, kInk);
            ASSERT_EQ(CoverOnce(around, polygon, origin, part), "")
                << CornersName(points) << " part " << BoxName(part) << " origin " << Name(origin);
        }
    }
}

// A thread keeps the boxes of the shapes it last drew. Shapes that differ from the one before in
// one thing alone that decides their pixels (kind, box, inset or width, sweep, the rows in the
// image, the part around, a corner), drawn in turn, again, and again after more shapes than are
// kept, each come out as that shape first drawn on a thread of its own.
TEST(PixelSpans, KeptShapesServeOnlyTheSameShape) {
    const Rect box{3, -4, 30, 19};
    const Sweep sweep(box, {0, 0}, {kWidth, kHeight}), other(box, {kWidth, 0}, {0, kHeight});
    const Rect image{0, 0, kWidth, kHeight};
    const std::vector<Point> triangle{{2, 2}, {30, 5}, {10, 20}};
    const std::vector<Point> moved{{2, 2}, {30, 6}, {10, 20}};
    const std::vector<Point> quad{{2, 2}, {30, 5}, {20, 12}, {10, 20}};
    std::vector<Point> corners;  // one caller's vertices, changed between drawings
    struct Case {
        const char* name;
        Point origin;
        std::function<void(PixelSurface&)> draw;
    };
    const std::vector<Case> cases = {
        {"fill", {0, 0}, [&](PixelSurface& s) { FillEllipse(s, box, 0, Sweep(), kInk); }},
        {"more rows above",
         {0, 2},
         [&](PixelSurface& s) { FillEllipse(s, box, 0, Sweep(), kInk); }},
        {"fewer below", {0, 5}, [&](PixelSurface& s) { FillEllipse(s, box, 0, Sweep(), kInk); }},
        {"more below", {0, 4}, [&](PixelSurface& s) { FillEllipse(s, box, 0, Sweep(), kInk); }},
        {"inset", {0, 4}, [&](PixelSurface& s) { FillEllipse(s, box, 2, Sweep(), kInk); }},
        {"band", {0, 4}, [&](PixelSurface& s) { EllipseBand(s, box, 2, Sweep(), kInk); }},
        {"width", {0, 4}, [&](PixelSurface& s) { EllipseBand(s, box, 1, Sweep(), kInk); }},
        {"box",
         {0, 4},
         [&](PixelSurface& s) {
             EllipseBand(s, {4, -4, 30, 19}, 1, Sweep(), kInk);
         }},
        {"sweep", {0, 0}, [&](PixelSurface& s) { EllipseBand(s, box, 2, sweep, kInk); }},
        {"other sweep", {0, 0}, [&](PixelSurface& s) { EllipseBand(s, box, 2, other, kInk); }},
        {"around", {0, 0}, [&](PixelSurface& s) { FillAroundEllipse(s, image, box, kInk); }},
        {"part",
         {0, 0},
         [&](PixelSurface& s) {
             FillAroundEllipse(s, {0, 0, 20, 23}, box, kInk);
         }},
        {"polygon", {0, 0}, [&](PixelSurface& s) { FillPolygon(s, corners = triangle, kInk); }},
        {"corner", {0, 0}, [&](PixelSurface& s) { FillPolygon(s, corners = moved, kInk); }},
        {"corners", {0, 0}, [&](PixelSurface& s) { FillPolygon(s, corners = quad, kInk); }},
        {"around corners",
         {0, 0},
         [&](PixelSurface& s) {
             FillAroundPolygon(s, {0, 0, 20, 23}, corners = quad, kInk);
         }},
    };
    const auto drawn = [](const Case& c) {
        QImage image = Blank();
        PixelSurface surface(image, c.origin);
        c.draw(surface);
        return image;
    };
    std::vector<QImage> first;
    for (const Case& c : cases) std::thread([&] { first.push_back(drawn(c)); }).join();
    for (std::size_t i = 1; i < cases.size(); ++i) {
        ASSERT_NE(first[i], first[i - 1]) << cases[i].name << " draws as the case before it";
    }
    const auto drawAll = [&](const char* when) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            EXPECT_EQ(Difference(drawn(cases[i]), first[i]), "") << cases[i].name << " " << when;
        }
    };
    drawAll("drawn in turn");
    drawAll("drawn again");
    for (int i = 0; i < 40; ++i) {
        QImage other = Blank();
        PixelSurface surface(other, {0, 0});
        FillEllipse(surface, {0, 0, 4 + i, 9}, 0, Sweep(), kInk);
    }
    drawAll("drawn after others");
}

}  // namespace
}  // namespace tumbler::drawing
