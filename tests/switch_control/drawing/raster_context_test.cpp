// Pixels of the Qt raster context: coverage, line ends, arcs, text clipping, the paint.
#include <gtest/gtest.h>

#include "switch_control/graphics/raster_context.h"
#include "switch_control/rendering/colour_shading.h"
#include "switch_control/rendering/switch_painting.h"
#include "tests/switch_control/drawing/image_support.h"
#include "tests/switch_control/drawing/recording_support.h"

namespace tumbler::drawing {
namespace {

using testing::Look;
using testing::TestSystemColour;

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kRed = 0x0000FF;

class RasterContextTest : public testing::WhiteImageTest {
  protected:
    RasterContextTest() : WhiteImageTest(40, 30) {}
    // The smallest box around every pixel that is not white.
    Rect Inked() const {
        Rect box{image_.width(), image_.height(), 0, 0};
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                if (At(x, y) == kWhite) continue;
                box = {std::min(box.l, x), std::min(box.t, y), std::max(box.r, x + 1),
                       std::max(box.b, y + 1)};
            }
        }
        return box;
    }
    QtRasterContext& Context() {
        if (!context_) context_ = std::make_unique<QtRasterContext>(image_, TestSystemColour);
        return *context_;
    }
    void Done() { context_.reset(); }  // ends the painter so the image can be read

    std::unique_ptr<QtRasterContext> context_;
};

TEST_F(RasterContextTest, RectangleCoversLeftToRightMinusOne) {
    Context().SelectObject(Context().CreateSolidBrush(kRed));
    Context().Rectangle({2, 3, 12, 9});
    Done();
    EXPECT_EQ(Inked(), (Rect{2, 3, 12, 9}));
    EXPECT_EQ(At(2, 3), kBlack);
    EXPECT_EQ(At(11, 8), kBlack);
    EXPECT_EQ(At(3, 4), kRed);
    EXPECT_EQ(At(10, 7), kRed);
}

TEST_F(RasterContextTest, LinesLeaveOutTheirEndPoint) {
    Context().MoveTo({1, 1});
    Context().LineTo({9, 1});
    Context().MoveTo({20, 10});
    Context().LineTo({12, 14});  // leftwards too
    Done();
    EXPECT_EQ(At(1, 1), kBlack);
    EXPECT_EQ(At(8, 1), kBlack);
    EXPECT_EQ(At(9, 1), kWhite);
    EXPECT_EQ(At(20, 10), kBlack);
    EXPECT_EQ(At(12, 14), kWhite);
}

TEST_F(RasterContextTest, WidePensCoverTheirEndPoint) {
    Context().SelectObject(Context().CreatePen(2, kRed));
    Context().MoveTo({3, 20});
    Context().LineTo({3, 5});  // up the left edge, then along the top as a button's light does
    Context().LineTo({30, 5});
    Done();
    // A 2-pixel pen reaches one pixel left and above its path, and covers the last point.
    EXPECT_EQ(Inked(), (Rect{2, 4, 31, 21}));
    EXPECT_EQ(At(30, 5), kRed);
    EXPECT_EQ(At(29, 4), kRed);
    EXPECT_EQ(At(3, 20), kRed);
}

TEST_F(RasterContextTest, PolylineLeavesOutItsLastPointOnly) {
    const Point points[] = {{2, 2}, {10, 2}, {10, 8}, {2, 8}};
    Context().Polyline(points);
    Done();
    EXPECT_EQ(At(10, 2), kBlack);  // a corner
    EXPECT_EQ(At(10, 8), kBlack);
    EXPECT_EQ(At(3, 8), kBlack);
    EXPECT_EQ(At(2, 8), kWhite);
    EXPECT_EQ(Inked(), (Rect{2, 2, 11, 9}));
}

TEST_F(RasterContextTest, EllipseCoverageAndReversedBox) {
    Context().SelectObject(Context().CreateSolidBrush(kRed));
    Context().Ellipse({21, 11, 1, 1});  // left greater than right: the same box swapped
    Done();
    EXPECT_EQ(Inked(), (Rect{1, 1, 21, 11}));
    EXPECT_EQ(At(11, 6), kRed);
    EXPECT_EQ(At(1, 1), kWhite);  // corners stay outside
}

TEST_F(RasterContextTest, PieRunsCounterclockwiseFromStartToEnd) {
    Context().SelectObject(Context().CreateSolidBrush(kRed));
    // From the right to the left, counterclockwise on screen: the upper half.
    Context().Pie({0, 0, 21, 21}, {21, 10}, {0, 10});
    Done();
    EXPECT_EQ(At(10, 4), kRed);
    EXPECT_EQ(At(10, 16), kWhite);
    EXPECT_EQ(Inked().b, 11);
}

TEST_F(RasterContextTest, ArcWithEqualEndsIsTheWholeEllipse) {
    Context().Arc({0, 0, 21, 21}, {21, 0}, {21, 0});
    Done();
    EXPECT_EQ(Inked(), (Rect{0, 0, 21, 21}));
    EXPECT_EQ(At(10, 0), kBlack);
    EXPECT_EQ(At(10, 20), kBlack);
    EXPECT_EQ(At(10, 10), kWhite);
}

TEST_F(RasterContextTest, TextStaysInsideItsClip) {
    Context().SelectFont({"Liberation Sans", 20.0});
    Context().SetTextColour(kRed);
    Context().SetTransparentBackground();
    Context().SetTextAlignCentreTop();
    Context().DrawTextClipped({20, 0}, {0, 0, 40, 8}, "WWW");
    Done();
    const Rect inked = Inked();
    EXPECT_LT(inked.l, inked.r);  // something was written
    EXPECT_LE(inked.b, 8);
    EXPECT_LT(inked.l, 20);  // centred on x = 20
    EXPECT_GT(inked.r, 20);
}

TEST_F(RasterContextTest, FailedBitmapLeavesThePreviousPicture) {
    EXPECT_EQ(Context().CreateCompatibleBitmap(0, 10), kNoObject);
    PaintSwitch(Context(), {5, 5, 5, 25}, Look(kType1), false);  // zero wide
    Done();
    EXPECT_EQ(Inked().r, 0);  // nothing inked
}

TEST_F(RasterContextTest, InPlaceBitmapIsThatPartOfTheTarget) {
    Context().DrawOffScreenInPlace({5, 4, 25, 14});
    const ObjectHandle other = Context().CreateCompatibleBitmap(20, 11);  // not its size
    const ObjectHandle inPlace = Context().CreateCompatibleBitmap(20, 10);
    const ObjectHandle red = Context().CreateSolidBrush(kRed);
    auto memory = Context().CreateCompatibleContext();
    memory->SelectObject(other);
    memory->FillRect({0, 0, 20, 11}, red);
    EXPECT_EQ(Inked().r, 0) << "a bitmap of another size is a bitmap of its own";
    memory->SelectObject(inPlace);
    memory->SetViewportOrigin({-5, -4});  // drawn in the target's coordinates, as a paint does
    memory->SelectObject(red);
    memory->Rectangle({5, 4, 25, 14});
    EXPECT_EQ(Inked(), (Rect{5, 4, 25, 14})) << "drawn, not yet copied";
    Context().CopyFrom(*memory, {5, 4, 25, 14}, {5, 4});  // onto itself
    EXPECT_EQ(Inked(), (Rect{5, 4, 25, 14}));
    Context().CopyFrom(*memory, {0, 18, 20, 28}, {5, 4});  // and elsewhere, as any bitmap
    Done();
    EXPECT_EQ(At(0, 18), kBlack);
    EXPECT_EQ(At(1, 19), kRed);
    EXPECT_EQ(At(19, 27), kBlack);
    EXPECT_EQ(At(20, 27), kWhite);
}

// An off-screen bitmap's back fill is written late, and only where it shows: the pixels must be
// those of a fill written first, under text, lines and curves, around boxes, after a second fill.
TEST_F(RasterContextTest, OffScreenFillShowsAsIfWrittenFirst) {
    // Each call in a place of its own, so that each must write the fill under it.
    const auto draw = [](DrawingContext& dc) {
        const ObjectHandle red = dc.CreateSolidBrush(kRed);
        dc.FillRect({0, 0, 40, 30}, dc.CreateSolidBrush(0x336699));
        dc.SetTransparentBackground();
        dc.DrawTextClipped({1, 0}, {0, 0, 16, 12}, "Wg");
        dc.SelectObject(red);
        dc.Ellipse({18, 0, 30, 10});
        const Point triangle[] = {{32, 1}, {39, 1}, {35, 9}};
        dc.Polygon(triangle);
        dc.Rectangle({0, 14, 12, 28});  // over the fill only: none of it is written there
        const Point zigzag[] = {{14, 14}, {18, 20}, {22, 14}};
        dc.Polyline(zigzag);
        dc.FillRect({26, 12, 32, 18}, red);  // a second fill is drawn as it comes
        dc.SelectObject(dc.CreatePen(3, 0x00FF00));
        dc.Arc({14, 22, 30, 30}, {30, 26}, {14, 26});
        dc.MoveTo({34, 14});
        dc.LineTo({38, 28});
    };
    draw(Context());
    Done();
    const QImage direct = image_;

    image_.fill(Qt::white);
    const ObjectHandle bitmap = Context().CreateCompatibleBitmap(40, 30);
    auto memory = Context().CreateCompatibleContext();
    const ObjectHandle placeholder = memory->SelectObject(bitmap);
    draw(*memory);
    memory->SelectObject(placeholder);  // the bitmap is complete once let go of
    auto reader = Context().CreateCompatibleContext();
    reader->SelectObject(bitmap);
    Context().CopyFrom(*reader, {0, 0, 40, 30}, {0, 0});
    reader.reset();
    memory.reset();
    Done();
    EXPECT_EQ(image_, direct);
}

// Every shape and state drawn through its off-screen bitmap, with its caption, shows the same
// pixels inside its bounds as the same calls made straight on the target (which may ink the
// outline's right and bottom ends beyond the bounds; the bitmap leaves them out).
TEST_F(RasterContextTest, PaintThroughItsBitmapMatchesThePaintDrawnStraight) {
    const Rect bounds{2, 1, 39, 29};
    const QRect inside(bounds.l, bounds.t, bounds.Width(), bounds.Height());
    for (int shape = kType1; shape <= kType7; ++shape) {
        for (const bool on : {false, true}) {
            for (const int caption : {-1, 0, 1}) {  // none, top, bottom
                SwitchLook look = Look(shape, on, shape % 2 == 1);
                look.back = 0x2080E0;
                look.captionAlignment = caption;
                if (caption >= 0) look.caption = "ON";
                image_.fill(Qt::white);
                PaintSwitch(Context(), bounds, look, true);
                Done();
                const QImage straight = image_.copy(inside);
                image_.fill(Qt::white);
                PaintSwitch(Context(), bounds, look, false);
                Done();
                EXPECT_EQ(image_.copy(inside), straight)
                    << "shape " << shape << " on " << on << " caption " << caption;
            }
        }
    }
}

TEST_F(RasterContextTest, PaintDrawnInPlaceMatchesOneThroughItsOwnBitmap) {
    for (int shape : {kType1, kType2, kType3, kType4, kType7}) {
        for (const Rect bounds : {Rect{0, 0, 40, 30}, Rect{3, 2, 38, 29}, Rect{1, 1, 2, 30}}) {
            image_.fill(Qt::white);
            PaintSwitch(Context(), bounds, Look(shape, true, shape == kType3), false);
            Done();
            const QImage separate = image_;
            image_.fill(Qt::white);
            Context().DrawOffScreenInPlace(bounds);
            PaintSwitch(Context(), bounds, Look(shape, true, shape == kType3), false);
            Done();
            EXPECT_EQ(image_, separate) << "shape " << shape << " left " << bounds.l;
            EXPECT_LT(Inked().l, Inked().r) << "the switch was drawn";
        }
    }
}

TEST_F(RasterContextTest, PaintTouchesOnlyItsBoundsAndShadesTheFaces) {
    image_.fill(QColor(0x11, 0x22, 0x33));
    PaintSwitch(Context(), {10, 6, 34, 26}, Look(kType1), false);
    Done();
    const Rgb untouched = 0x332211;
    EXPECT_EQ(At(9, 10), untouched);
    EXPECT_EQ(At(34, 10), untouched);
    EXPECT_EQ(At(20, 5), untouched);
    EXPECT_EQ(At(20, 26), untouched);
    EXPECT_EQ(At(10, 6), kBlack);     // outline corner
    EXPECT_EQ(At(22, 20), 0xC0C0C0);  // lower face in the fore colour
    EXPECT_EQ(At(22, 13), 0x8F8F8F);  // upper face dark
    EXPECT_EQ(At(33, 20), kBlack);    // the face's outline at r - 1
}

TEST_F(RasterContextTest, SquarePushButtonsShadeTheirLowerRightCornerWhenOff) {
    for (int shape : {kType4, kType6}) {
        image_.fill(Qt::white);
        PaintSwitch(Context(), {0, 0, 40, 30}, Look(shape), false);
        Done();
        EXPECT_NE(At(39, 29), kWhite) << "shape " << shape;  // the shadow's wide pen ends there
        EXPECT_EQ(At(39, 29), At(38, 28)) << "shape " << shape;
    }
}

TEST_F(RasterContextTest, RoundPushButtonsShadeTheLowerRightHalfWhenOffAndTheUpperLeftWhenOn) {
    constexpr Rgb kBack = 0x332211;  // apart from every shade the buttons use
    const Rgb fore = Look(kType5).fore;
    struct Case {
        int shape;
        Rgb light;
        Rgb shadow;
    };
    for (const Case& c :
         {Case{kType5, 0xFFFFFF, 0x808080},
          Case{kType7, ScaleLuminance(fore, 1.5, true), ScaleLuminance(fore, 0.5)}}) {
        for (bool on : {false, true}) {
            SwitchLook look = Look(c.shape, on);
            look.back = kBack;
            PaintSwitch(Context(), {0, 0, 40, 30}, look, false);
            Done();
            const Rgb lowerRight = on ? c.light : c.shadow;
            const Rgb upperLeft = on ? c.shadow : c.light;
            const std::string what = "shape " + std::to_string(c.shape) + (on ? " on" : " off");
            // The rings are two pixels deep; each half runs from (L, B) to (R, T).
            EXPECT_EQ(At(20, 28), lowerRight) << what;  // bottom
            EXPECT_EQ(At(38, 15), lowerRight) << what;  // right
            EXPECT_EQ(At(32, 26), lowerRight) << what;  // lower right, inner ring
            EXPECT_EQ(At(20, 1), upperLeft) << what;    // top
            EXPECT_EQ(At(1, 15), upperLeft) << what;    // left
            EXPECT_EQ(At(7, 3), upperLeft) << what;     // upper left, inner ring
            EXPECT_EQ(At(0, 0), kBack) << what;         // the corners stay outside
            EXPECT_EQ(At(39, 29), kBack) << what;
        }
    }
}

}  // namespace
}  // namespace tumbler::drawing
