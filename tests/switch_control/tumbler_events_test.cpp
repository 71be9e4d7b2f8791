#include <gtest/gtest.h>

#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/switch_control/recording_container.h"

namespace tumbler {
namespace {

using namespace framework;

constexpr DispId kChange = dispid::kChange;
constexpr DispId kClick = kDispIdClick;

class TumblerEvents : public ::testing::Test {
  protected:
    TumblerEvents() {
        control.SetClientSite(&container);
        control.SetBounds({10, 20, 130, 110});
        control.Advise(&container);
    }

    void ClickAt(Point press, Point release, MouseButton button = MouseButton::Left) {
        control.OnButtonDown(button, press);
        control.OnButtonUp(button, release);
    }

    testing::RecordingContainer container;
    CTumblerCtrl control;
};

TEST_F(TumblerEvents, TwoClicksFlipTheSwitchBackAndFireChangeThenClickEachTime) {
    ClickAt({50, 50}, {60, 60});
    EXPECT_EQ(control.GetValue(), 1);
    ClickAt({10, 20}, {129, 109});
    EXPECT_EQ(control.GetValue(), 0);
    EXPECT_EQ(container.events, (std::vector<DispId>{kChange, kClick, kChange, kClick}));
    EXPECT_EQ(container.invalidations, (std::vector<bool>{true, true}));
    EXPECT_TRUE(control.IsModified());
}

TEST_F(TumblerEvents, ChangeHandlerAlreadySeesTheNewValueAndMayNestAnotherChange) {
    struct NestingSink : EventSink {
        CTumblerCtrl* control = nullptr;
        std::vector<std::pair<DispId, std::int32_t>> seen;
        void OnEvent(DispId id) override {
            seen.emplace_back(id, control->GetValue());
            if (id == kChange && seen.size() == 1) control->SetValue(5);
        }
    } sink;
    sink.control = &control;
    control.Advise(&sink);
    control.DoClick();
    // Click, from the outer click, comes after the nested Change and sees its value.
    EXPECT_EQ(sink.seen, (std::vector<std::pair<DispId, std::int32_t>>{
                             {kChange, 1}, {kChange, 5}, {kClick, 5}}));
    EXPECT_EQ(container.events, (std::vector<DispId>{kChange, kChange, kClick}));
}

TEST_F(TumblerEvents, AnyButtonClicksButOnlyPressAndReleaseInsideTheControl) {
    ClickAt({50, 50}, {60, 60}, MouseButton::Right);
    EXPECT_EQ(control.GetValue(), 1);
    ClickAt({50, 50}, {130, 60});  // released just outside
    ClickAt({9, 50}, {60, 60});    // pressed just outside
    control.OnButtonDown(MouseButton::Left, {50, 50});
    control.OnButtonUp(MouseButton::Right, {50, 50});  // another button's release
    control.OnButtonUp(MouseButton::Left, {50, 50});
    EXPECT_EQ(control.GetValue(), 0);
    EXPECT_EQ(container.events, (std::vector<DispId>{kChange, kClick, kChange, kClick}));
}

TEST_F(TumblerEvents, DoClickTurnsAnyNonZeroValueOff) {
    EXPECT_EQ(control.SetProperty(dispid::kValue, Variant::Long(2)), kOk);
    Variant value;
    EXPECT_EQ(control.GetProperty(dispid::kValue, &value), kOk);
    EXPECT_TRUE(value.IsTrue());
    container.events.clear();
    EXPECT_EQ(control.CallMethod(kDispIdDoClick), kOk);
    EXPECT_EQ(control.GetValue(), 0);
    EXPECT_EQ(control.CallMethod(kDispIdDoClick), kOk);
    EXPECT_EQ(control.GetValue(), 1);
    EXPECT_EQ(container.events, (std::vector<DispId>{kChange, kClick, kChange, kClick}));
}

TEST_F(TumblerEvents, SettingValueToItsCurrentValueStillRepaintsFiresChangeAndMarksModified) {
    control.SetValue(1);
    PropertyBag saved;
    ASSERT_EQ(control.SaveToBag(&saved), kOk);
    ASSERT_FALSE(control.IsModified());
    container.events.clear();
    container.invalidations.clear();
    EXPECT_EQ(control.SetProperty(dispid::kValue, Variant::Bool(1)), kOk);
    EXPECT_EQ(container.events, std::vector<DispId>{kChange});
    EXPECT_EQ(container.invalidations, std::vector<bool>{true});
    EXPECT_TRUE(control.IsModified());
}

TEST_F(TumblerEvents, OtherPropertySetsFireNoEvent) {
    for (DispId id : {dispid::kSwitchShape, dispid::kAlignment, dispid::kCaptionAlignment}) {
        EXPECT_EQ(control.SetProperty(id, Variant::Long(1)), kOk);
    }
    EXPECT_EQ(control.SetProperty(dispid::kLedDarkPrm, Variant::Double(0.2)), kOk);
    EXPECT_EQ(control.SetProperty(kDispIdCaption, Variant::String("RUN")), kOk);
    EXPECT_EQ(control.SetProperty(kDispIdBackColor, Variant::Color(0x123456)), kOk);
    EXPECT_TRUE(container.events.empty());
}

TEST_F(TumblerEvents, StockSetsAskTheSiteAndReportBindableChanges) {
    EXPECT_EQ(control.SetProperty(kDispIdForeColor, Variant::Color(0x00FF00)), kOk);
    EXPECT_EQ(container.requestedEdits, std::vector<DispId>{kDispIdForeColor});
    EXPECT_EQ(container.changedProperties, std::vector<DispId>{kDispIdForeColor});
    container.allowEdits = false;
    EXPECT_EQ(control.SetProperty(kDispIdCaption, Variant::String("x")), kSetNotPermitted);
    EXPECT_EQ(control.GetText(), "");
    EXPECT_EQ(container.changedProperties, std::vector<DispId>{kDispIdForeColor});
}

TEST_F(TumblerEvents, FontSetIsBindableButAsksNoPermission) {
    container.allowEdits = false;
    FontDescription bigger = DefaultStockFont();
    bigger.pointSize += 2;
    EXPECT_EQ(control.SetProperty(kDispIdFont, Variant::Font(bigger)), kOk);
    EXPECT_TRUE(container.requestedEdits.empty());
    EXPECT_EQ(container.changedProperties, std::vector<DispId>{kDispIdFont});
    EXPECT_EQ(control.InternalGetFont(), bigger);
}

TEST_F(TumblerEvents, DisconnectedSinksHearNothingMore) {
    testing::RecordingContainer other;
    const std::uint32_t cookie = control.Advise(&other);
    control.DoClick();
    EXPECT_TRUE(control.Unadvise(cookie));
    EXPECT_FALSE(control.Unadvise(cookie));
    control.DoClick();
    EXPECT_EQ(other.events, (std::vector<DispId>{kChange, kClick}));
    EXPECT_EQ(container.events.size(), 4u);
}

}  // namespace
}  // namespace tumbler
