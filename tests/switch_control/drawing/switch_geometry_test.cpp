// The shapes' drawing calls, call by call, against the recording context.
#include <gtest/gtest.h>

#include "switch_control/rendering/caption.h"
#include "switch_control/rendering/switch_painting.h"
#include "tests/switch_control/drawing/recording_support.h"

namespace tumbler::drawing {
namespace {

using testing::Look;
using testing::MakeRecorder;
using Lines = std::vector<std::string>;

Lines Picture(const SwitchLook& look, const Rect& bounds) {
    auto recorder = MakeRecorder();
    DrawSwitch(*recorder, bounds, look);
    EXPECT_EQ(recorder->LiveObjects(), 0);
    EXPECT_TRUE(recorder->Faults().empty());
    return FormatPicture(recorder->Calls());
}

// The calls after the common opening (black pen, base brush) and before the closing restore.
Lines ShapeCalls(const SwitchLook& look, const Rect& bounds) {
    Lines all = Picture(look, bounds);
    EXPECT_GE(all.size(), 4u);
    EXPECT_EQ(all.front(), "Pen(1,0x000000)");
    EXPECT_EQ(all[1], "Brush(0xC0C0C0)");
    EXPECT_EQ(all[all.size() - 2], "Pen(1,0x000000)");
    EXPECT_EQ(all.back(), "Brush(0xFFFFFF)");
    return Lines(all.begin() + 2, all.end() - 2);
}

TEST(RockerGeometry, Type1VerticalOffAt120x90) {
    EXPECT_EQ(ShapeCalls(Look(kType1), {0, 0, 120, 90}),
              (Lines{"Rectangle(0,45,120,90)", "Brush(0x8F8F8F)", "Rectangle(0,0,120,45)",
                     "Polygon(120,0,100,9,120,45)", "Brush(0xC0C0C0)", "Polygon(0,0,20,9,0,45)",
                     "Polygon(0,0,120,0,100,9,20,9)", "Polyline(0,0,120,0,120,90,0,90)"}));
}

TEST(RockerGeometry, Type1VerticalOnLightsTheLowerEdge) {
    EXPECT_EQ(
        ShapeCalls(Look(kType1, true), {0, 0, 120, 90}),
        (Lines{"Rectangle(0,45,120,90)", "Brush(0x8F8F8F)", "Rectangle(0,0,120,45)",
               "Polygon(20,81,100,81,120,90,0,90)", "Polygon(120,45,100,81,120,90)",
               "Brush(0xC0C0C0)", "Polygon(0,45,20,81,0,90)", "Polyline(0,0,120,0,120,90,0,90)"}));
}

TEST(RockerGeometry, HorizontalBothStates) {
    EXPECT_EQ(ShapeCalls(Look(kType1, false, true), {0, 0, 120, 90}),
              (Lines{"Rectangle(0,0,60,90)", "Brush(0x8F8F8F)", "Rectangle(60,0,120,90)",
                     "Polygon(120,0,108,15,108,75,120,90)", "Polygon(108,75,120,90,60,90)",
                     "Brush(0xC0C0C0)", "Polygon(60,0,120,0,108,15)",
                     "Polyline(0,0,120,0,120,90,0,90)"}));
    EXPECT_EQ(ShapeCalls(Look(kType1, true, true), {0, 0, 120, 90}),
              (Lines{"Rectangle(0,0,60,90)", "Brush(0x8F8F8F)", "Rectangle(60,0,120,90)",
                     "Polygon(12,75,60,90,0,90)", "Brush(0xC0C0C0)", "Polygon(0,0,60,0,12,15)",
                     "Polygon(0,0,12,15,12,75,0,90)", "Polyline(0,0,120,0,120,90,0,90)"}));
}

TEST(RockerGeometry, Type2LedUnlitAndLit) {
    Lines off = ShapeCalls(Look(kType2), {0, 0, 120, 90});
    ASSERT_EQ(off.size(), 10u);
    EXPECT_EQ(off[7], "Brush(0x00007F)");  // the default red at half luminance
    EXPECT_EQ(off[8], "Rectangle(48,16,72,20)");
    EXPECT_EQ(off[9], "Polyline(0,0,120,0,120,90,0,90)");

    Lines on = ShapeCalls(Look(kType2, true, true), {0, 0, 120, 90});
    ASSERT_EQ(on.size(), 10u);
    EXPECT_EQ(on[7], "Brush(0x0000FF)");
    EXPECT_EQ(on[8], "Rectangle(105,36,111,54)");
}

TEST(RockerGeometry, LedDarkParameterSetsTheUnlitShade) {
    SwitchLook look = Look(kType2);
    look.ledDarkPrm = 0.75;
    Lines off = ShapeCalls(look, {0, 0, 120, 90});
    EXPECT_EQ(off[7], "Brush(0x0000BF)");
    // On, the LED is higher by a tenth of the height.
    look.on = true;
    EXPECT_EQ(ShapeCalls(look, {0, 0, 120, 90})[8], "Rectangle(48,7,72,11)");
}

TEST(CaptionStrip, TopStripMovesTheBodyDown) {
    SwitchLook look = Look(kType1, false, true);
    look.caption = "POWER";
    look.captionColour = 0x00FF00;
    auto recorder = MakeRecorder();
    DrawSwitch(*recorder, {10, 20, 130, 110}, look);
    Lines all = FormatPicture(recorder->Calls());
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(all[0], "DrawText(70,20,\"POWER\")");
    EXPECT_EQ(all[3], "Rectangle(10,32,70,110)");  // the body divides at x = 70
    EXPECT_EQ(all[5], "Rectangle(70,32,130,110)");

    const auto& calls = recorder->Calls();
    auto text = std::find_if(calls.begin(), calls.end(),
                             [](const DrawingCall& c) { return c.kind == CallKind::DrawText; });
    ASSERT_NE(text, calls.end());
    EXPECT_EQ(text->args, (std::vector<int>{70, 20, 10, 20, 130, 32}));  // clipped to the strip
    auto colour = std::find_if(calls.begin(), calls.end(), [](const DrawingCall& c) {
        return c.kind == CallKind::SetTextColour;
    });
    ASSERT_NE(colour, calls.end());
    EXPECT_EQ(colour->args, std::vector<int>{0x00FF00});
}

TEST(CaptionStrip, BottomStripAndEmptyCaption) {
    SwitchLook look = Look(kType1);
    look.caption = "OFF";
    look.captionAlignment = 1;
    Lines bottom = Picture(look, {0, 0, 120, 90});
    EXPECT_EQ(bottom[0], "DrawText(60,78,\"OFF\")");
    EXPECT_EQ(bottom[3], "Rectangle(0,39,120,78)");  // middle of 0..78

    look.caption.clear();
    Lines none = Picture(look, {0, 0, 120, 90});
    EXPECT_EQ(none[2], "Rectangle(0,45,120,90)");
    EXPECT_EQ(std::count_if(none.begin(), none.end(),
                            [](const std::string& l) { return l.starts_with("DrawText"); }),
              0);
}

TEST(CaptionStrip, CaptionTallerThanTheBoundsDrawsOnlyTheCaption) {
    SwitchLook look = Look(kType3);
    look.caption = "A";
    EXPECT_EQ(Picture(look, {0, 0, 40, 10}), Lines{"DrawText(20,0,\"A\")"});
    EXPECT_EQ(Picture(look, {0, 0, 40, 12}), Lines{"DrawText(20,0,\"A\")"});  // T == B
}

TEST(LeverGeometry, Type3VerticalOnAt60x100) {
    EXPECT_EQ(ShapeCalls(Look(kType3, true), {0, 0, 60, 100}),
              (Lines{"Polygon(18,26,42,26,18,74,6,50)",
                     "Brush(0x8F8F8F)",
                     "Polygon(42,26,54,50,42,74,18,74)",
                     "Brush(0x000000)",
                     "Ellipse(15,35,45,65)",
                     "Brush(0xFFFFFF)",
                     "Ellipse(21,41,39,59)",
                     "Pen(1,0x8F8F8F)",
                     "Brush(0x8F8F8F)",
                     "Pie(24,44,36,56,24,50,36,50)",
                     "Pen(1,0x000000)",
                     "Arc(24,44,36,56,24,50,36,50)",
                     "Pen(1,0x8F8F8F)",
                     "Pie(21,20,39,32,39,26,21,26)",
                     "Pen(1,0x000000)",
                     "Arc(21,20,39,32,39,26,21,26)",
                     "Pen(1,0x8F8F8F)",
                     "Polygon(39,26,21,26,24,50,36,50)",
                     "Pen(1,0x000000)",
                     "Polyline(39,26,36,50)",
                     "Polyline(21,26,24,50)"}));
}

TEST(LeverGeometry, OtherCasesOfTheLeverTable) {
    // 60 x 100 again: square (0, 20, 60, 80), cx 30, cy 50, a 24, k 6, s 9, e 12.
    Lines down = ShapeCalls(Look(kType3, false), {0, 0, 60, 100});
    EXPECT_EQ(down[7], "Pen(1,0xC0C0C0)");
    EXPECT_EQ(down[8], "Brush(0xC0C0C0)");
    EXPECT_EQ(down[9], "Pie(24,44,36,56,36,50,24,50)");
    EXPECT_EQ(down[13], "Pie(21,68,39,80,21,74,39,74)");
    EXPECT_EQ(down[17], "Polygon(39,74,21,74,24,50,36,50)");

    // 100 x 60 horizontal: square (20, 0, 80, 60), cx 50, cy 30.
    Lines left = ShapeCalls(Look(kType3, false, true), {0, 0, 100, 60});
    EXPECT_EQ(left[7], "Pen(1,0x8F8F8F)");
    EXPECT_EQ(left[9], "Pie(44,24,56,36,50,36,50,24)");
    EXPECT_EQ(left[13], "Pie(20,21,32,39,26,21,26,39)");
    EXPECT_EQ(left[17], "Polygon(26,21,26,39,50,36,50,24)");
    EXPECT_EQ(left[19], "Polyline(26,21,50,24)");

    Lines right = ShapeCalls(Look(kType3, true, true), {0, 0, 100, 60});
    EXPECT_EQ(right[7], "Pen(1,0xC0C0C0)");
    EXPECT_EQ(right[9], "Pie(44,24,56,36,50,24,50,36)");
    EXPECT_EQ(right[13], "Pie(68,21,80,39,74,39,74,21)");
    EXPECT_EQ(right[20], "Polyline(74,39,50,36)");
}

TEST(LeverGeometry, ValuesOutsideTheShapesDrawTheLeverWithItsCaption) {
    SwitchLook look = Look(kType3, true);
    look.caption = "LEVER";
    const Lines lever = Picture(look, {0, 0, 60, 112});
    ASSERT_FALSE(lever.empty());
    EXPECT_EQ(lever[0], "DrawText(30,0,\"LEVER\")");
    for (int shape : {7, -1, 100}) {
        look.shape = shape;
        EXPECT_EQ(Picture(look, {0, 0, 60, 112}), lever) << shape;
    }
}

TEST(LeverGeometry, AlignmentOtherThanOneIsVertical) {
    EXPECT_EQ(Picture(Look(kType3, true), {0, 0, 60, 100}), Picture(
                                                                [] {
                                                                    SwitchLook look =
                                                                        Look(kType3, true);
                                                                    look.alignment = 2;
                                                                    return look;
                                                                }(),
                                                                {0, 0, 60, 100}));
}

TEST(PushButtonGeometry, Type4OffEdges) {
    SwitchLook look = Look(kType4);
    look.caption = "GO";
    EXPECT_EQ(ShapeCalls(look, {10, 20, 130, 110}),
              (Lines{"Pen(2,0xFFFFFF)", "Rectangle(10,20,130,110)", "MoveTo(10,21)",
                     "LineTo(128,21)", "MoveTo(11,20)", "LineTo(11,108)", "Pen(1,0x000000)",
                     "Pen(2,0x808080)", "MoveTo(129,21)", "LineTo(129,109)", "MoveTo(11,109)",
                     "LineTo(129,109)", "MoveTo(128,22)", "LineTo(128,108)", "MoveTo(12,108)",
                     "LineTo(129,108)", "DrawText(70,59,\"GO\")"}));
}

TEST(PushButtonGeometry, Type4OnSwapsTheEdges) {
    EXPECT_EQ(
        ShapeCalls(Look(kType4, true), {10, 20, 130, 110}),
        (Lines{"Pen(2,0xFFFFFF)", "Rectangle(10,20,130,110)", "MoveTo(128,22)", "LineTo(128,108)",
               "MoveTo(12,108)", "LineTo(129,108)", "Pen(1,0x000000)", "Pen(2,0x808080)",
               "MoveTo(10,20)", "LineTo(129,20)", "MoveTo(10,20)", "LineTo(10,109)",
               "MoveTo(10,21)", "LineTo(128,21)", "MoveTo(11,20)", "LineTo(11,108)"}));
}

TEST(PushButtonGeometry, RoundButtonsRingAndShadowHalves) {
    EXPECT_EQ(ShapeCalls(Look(kType5), {0, 0, 80, 80}),
              (Lines{"Pen(2,0xFFFFFF)", "Ellipse(0,0,80,80)", "Arc(1,1,79,79,80,0,80,0)",
                     "Pen(1,0x000000)", "Pen(2,0x808080)", "Arc(0,0,80,80,0,80,80,0)",
                     "Arc(1,1,79,79,0,80,80,0)"}));
    Lines on = ShapeCalls(Look(kType5, true), {0, 0, 80, 80});
    ASSERT_EQ(on.size(), 7u);
    EXPECT_EQ(on[5], "Arc(0,0,80,80,80,0,0,80)");
    EXPECT_EQ(on[6], "Arc(1,1,79,79,80,0,0,80)");
}

TEST(PushButtonGeometry, IlluminatedButtonsShadeTheirFace) {
    SwitchLook look = Look(kType6);
    look.fore = 0x0000FF;
    Lines off = Picture(look, {0, 0, 80, 80});
    EXPECT_EQ(off[2], "Pen(2,0x7F7FFF)");  // luminance 1.5 x 120 = 180
    EXPECT_EQ(off[3], "Brush(0x00007F)");  // unlit face
    EXPECT_EQ(off[4], "Rectangle(0,0,80,80)");
    EXPECT_EQ(off[10], "Pen(2,0x00007F)");  // shadow at half luminance

    look.on = true;
    look.shape = kType7;
    Lines on = Picture(look, {0, 0, 80, 80});
    EXPECT_EQ(on[2], "Pen(2,0x7F7FFF)");
    EXPECT_EQ(on[3], "Ellipse(0,0,80,80)");  // the base brush stays: lit face
}

TEST(Geometry, DivisionsTruncateTowardsZero) {
    // Negative coordinates: (-9 + 0) / 2 is -4, not -5.
    EXPECT_EQ(ShapeCalls(Look(kType1), {-7, -9, 0, 0})[0], "Rectangle(-7,-4,0,0)");
    EXPECT_EQ(ShapeCalls(Look(kType1), {-7, -9, 0, 0})[3], "Polygon(0,-9,-1,-9,0,-4)");
}

TEST(CenterSquare, CentresAlongTheLongerSide) {
    EXPECT_EQ(CenterSquare({0, 0, 60, 100}), (Rect{0, 20, 60, 80}));
    EXPECT_EQ(CenterSquare({10, 5, 111, 50}), (Rect{38, 5, 83, 50}));  // (101 - 45) / 2 = 28
    EXPECT_EQ(CenterSquare({0, 0, 30, 30}), (Rect{0, 0, 30, 30}));
    EXPECT_EQ(CenterSquare({-10, -10, -3, 0}), (Rect{-10, -9, -3, -2}));  // 3 / 2 = 1
}

}  // namespace
}  // namespace tumbler::drawing
