// The control's paint hook and the framework's border, through CTumblerCtrl.
#include <gtest/gtest.h>

#include "switch_control/framework/control/control_border.h"
#include "switch_control/graphics/raster_context.h"
#include "switch_control/tumbler_ctrl.h"
#include "tests/switch_control/drawing/image_support.h"
#include "tests/switch_control/drawing/recording_support.h"

namespace tumbler::drawing {
namespace {

using testing::MakeRecorder;
using Lines = std::vector<std::string>;

bool HasLine(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ControlPaint, MetafileRenderingDrawsTheScreenPictureDirectly) {
    CTumblerCtrl control;
    control.SetSwitchShape(kType2);
    control.SetText("LAMP");
    auto screen = MakeRecorder();
    auto metafile = MakeRecorder();
    control.PaintControl(*screen, {0, 0, 120, 90});
    control.DrawToMetafile(*metafile, {0, 0, 120, 90});
    EXPECT_FALSE(control.IsDrawingMetafile());  // set only for the one rendering
    EXPECT_EQ(FormatPicture(screen->Calls()), FormatPicture(metafile->Calls()));
    for (const auto& call : metafile->Calls()) {
        EXPECT_NE(call.kind, CallKind::CreateCompatibleBitmap);
        EXPECT_NE(call.kind, CallKind::CopyFrom);
    }
    // And the next screen paint goes off-screen again.
    auto again = MakeRecorder();
    control.PaintControl(*again, {0, 0, 120, 90});
    EXPECT_EQ(again->Calls()[1].kind, CallKind::CreateCompatibleBitmap);
}

TEST(ControlPaint, PropertiesReachThePictureTranslated) {
    CTumblerCtrl control;
    control.SetSwitchShape(kType2);
    control.SetValue(1);
    control.SetLedColor(framework::SystemColor(framework::kColorButtonShadow));
    control.SetForeColor(0x00FF00);
    control.SetBackColor(framework::SystemColor(framework::kColorWindow));
    auto metafile = MakeRecorder();
    control.DrawToMetafile(*metafile, {0, 0, 120, 90});
    const Lines picture = FormatPicture(metafile->Calls());
    EXPECT_EQ(picture.front(), "FillRect(0,0,120,90,0xFFFFFF)");  // window colour
    EXPECT_TRUE(HasLine(picture, "Brush(0x00FF00)"));
    EXPECT_TRUE(HasLine(picture, "Brush(0x808080)"));  // the lit LED in the shadow colour
    EXPECT_TRUE(HasLine(picture, "Rectangle(48,7,72,11)"));
}

TEST(ControlPaint, ShapeNineIsDrawnAsTheToggleLever) {
    CTumblerCtrl lever;
    lever.SetSwitchShape(kType3);
    CTumblerCtrl nine;
    nine.SetSwitchShape(9);
    auto a = MakeRecorder();
    auto b = MakeRecorder();
    lever.DrawToMetafile(*a, {0, 0, 60, 100});
    nine.DrawToMetafile(*b, {0, 0, 60, 100});
    EXPECT_EQ(FormatPicture(a->Calls()), FormatPicture(b->Calls()));
    EXPECT_TRUE(HasLine(FormatPicture(b->Calls()), "Ellipse(15,35,45,65)"));
}

TEST(ControlPaint, AskedToActivateWithoutFlicker) {
    CTumblerCtrl control;
    EXPECT_NE(control.GetControlFlags() & framework::kControlFlagNoFlickerActivate, 0u);
}

class BorderTest : public testing::WhiteImageTest {
  protected:
    BorderTest() : WhiteImageTest(20, 12) {}
    framework::Rect Draw(std::int16_t style, std::int16_t appearance) {
        QtRasterContext dc(image_, testing::TestSystemColour);
        return framework::DrawControlBorder(dc, {2, 1, 18, 11}, style, appearance);
    }
};

TEST_F(BorderTest, ThreeDimensionalBorderIsASunkenEdgeTwoPixelsWide) {
    EXPECT_EQ(Draw(1, 1), (framework::Rect{4, 3, 16, 9}));
    EXPECT_EQ(At(2, 1), 0x808080u);    // outer top left: shadow
    EXPECT_EQ(At(17, 10), 0xFFFFFFu);  // outer bottom right: highlight
    EXPECT_EQ(At(3, 2), 0x123456u);    // inner ring: dark shadow (index 21 in the test table)
    EXPECT_EQ(At(4, 3), 0xFFFFFFu);    // client untouched
    EXPECT_EQ(At(1, 1), 0xFFFFFFu);    // outside untouched
}

TEST_F(BorderTest, FlatBorderIsOnePixelAndNoneIsNothing) {
    EXPECT_EQ(Draw(1, 0), (framework::Rect{3, 2, 17, 10}));
    EXPECT_EQ(At(2, 5), 0x123456u);  // window frame (index 6 in the test table)
    EXPECT_EQ(At(17, 10), 0x123456u);
    EXPECT_EQ(At(3, 2), 0xFFFFFFu);
    image_.fill(Qt::white);
    EXPECT_EQ(Draw(0, 1), (framework::Rect{2, 1, 18, 11}));
    EXPECT_EQ(At(2, 1), 0xFFFFFFu);
}

TEST(ControlWindow, PaintsTheControlInsideItsBorder) {
    CTumblerCtrl control;  // BorderStyle 1, Appearance 1
    control.SetBounds({10, 10, 130, 100});
    EXPECT_EQ(framework::ClientBounds(control), (framework::Rect{12, 12, 128, 98}));
    auto dc = MakeRecorder();
    framework::PaintControlWindow(control, *dc);
    bool copied = false;
    for (const auto& call : dc->Calls()) {
        if (call.kind != CallKind::CopyFrom) continue;
        EXPECT_EQ(call.args, (std::vector<int>{12, 12, 128, 98, 12, 12, 1}));
        copied = true;
    }
    EXPECT_TRUE(copied);
    EXPECT_EQ(dc->LiveObjects(), 0);
}

}  // namespace
}  // namespace tumbler::drawing
