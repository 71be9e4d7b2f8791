#include "switch_control/tumbler_ctrl.h"

#include <gtest/gtest.h>

#include "switch_control/tumbler_interfaces.h"
#include "tests/switch_control/recording_container.h"

namespace tumbler {
namespace {

using namespace framework;

Variant Get(CTumblerCtrl& control, std::string_view name) {
    DispId id = 0;
    EXPECT_EQ(control.GetIdOfName(name, &id), kOk) << name;
    Variant value;
    EXPECT_EQ(control.GetProperty(id, &value), kOk) << name;
    return value;
}

HResult Set(CTumblerCtrl& control, std::string_view name, const Variant& value) {
    DispId id = 0;
    EXPECT_EQ(control.GetIdOfName(name, &id), kOk) << name;
    return control.SetProperty(id, value);
}

TEST(TumblerDefaults, ANewControlReportsTheTableDefaults) {
    CTumblerCtrl control;
    EXPECT_EQ(Get(control, "Caption"), Variant::String(""));
    EXPECT_EQ(Get(control, "ForeColor"), Variant::Color(0xC0C0C0));
    EXPECT_EQ(Get(control, "BackColor"), Variant::Color(0xFFFFFF));
    EXPECT_EQ(Get(control, "Appearance"), Variant::Short(1));
    EXPECT_EQ(Get(control, "BorderStyle"), Variant::Short(1));
    EXPECT_EQ(Get(control, "Value"), Variant::Bool(0));
    EXPECT_EQ(Get(control, "SwitchShape"), Variant::Long(0));
    EXPECT_EQ(Get(control, "Alignment"), Variant::Long(0));
    EXPECT_EQ(Get(control, "CaptionAlignment"), Variant::Long(0));
    EXPECT_EQ(Get(control, "CaptionColor"), Variant::Color(0));
    EXPECT_EQ(Get(control, "LedColor"), Variant::Color(255));
    EXPECT_EQ(Get(control, "LedDarkPrm"), Variant::Double(0.5));
    EXPECT_EQ(Get(control, "Ver"), Variant::String("1.10 Bata1"));
    EXPECT_EQ(Get(control, "ReadyState"), Variant::Long(1));
    EXPECT_EQ(Get(control, "Font"), Variant::Font(DefaultStockFont()));
    EXPECT_FALSE(control.IsModified());
    EXPECT_FALSE(control.IsDrawingMetafile());
}

TEST(TumblerDefaults, BackColorDefaultsToTheContainersAmbientBackColor) {
    testing::RecordingContainer container;
    container.ambientBackColor = Variant::Color(0x80000005);
    CTumblerCtrl control;
    control.SetClientSite(&container);
    control.InitNew();
    EXPECT_EQ(control.GetBackColor(), 0x80000005u);
}

TEST(TumblerDispatch, ReadOnlyPropertiesRefuseASetAndKeepTheirValue) {
    testing::RecordingContainer container;
    CTumblerCtrl control;
    control.SetClientSite(&container);
    control.Advise(&container);
    EXPECT_EQ(Set(control, "Ver", Variant::String("2.0")), kSetNotSupported);
    EXPECT_EQ(Set(control, "ReadyState", Variant::Long(4)), kSetNotSupported);
    EXPECT_EQ(Get(control, "Ver"), Variant::String("1.10 Bata1"));
    EXPECT_EQ(Get(control, "ReadyState"), Variant::Long(1));
    EXPECT_FALSE(control.IsModified());
    EXPECT_TRUE(container.invalidations.empty());
    EXPECT_TRUE(container.events.empty());
}

TEST(TumblerDispatch, SetsStoreAnyValueAndRepaintWithoutEvents) {
    testing::RecordingContainer container;
    CTumblerCtrl control;
    control.SetClientSite(&container);
    control.Advise(&container);
    EXPECT_EQ(Set(control, "SwitchShape", Variant::Long(9)), kOk);
    EXPECT_EQ(Get(control, "SwitchShape"), Variant::Long(9));
    EXPECT_EQ(Set(control, "Alignment", Variant::Long(-7)), kOk);
    EXPECT_EQ(Set(control, "CaptionAlignment", Variant::Short(1)), kOk);
    EXPECT_EQ(Set(control, "CaptionColor", Variant::Color(0x80000012)), kOk);
    EXPECT_EQ(Set(control, "LedColor", Variant::Long(0x00FF00)), kOk);
    EXPECT_EQ(Set(control, "LedDarkPrm", Variant::Double(-3.5)), kOk);
    EXPECT_EQ(Set(control, "Caption", Variant::String("電源")), kOk);
    EXPECT_EQ(Get(control, "Alignment"), Variant::Long(-7));
    EXPECT_EQ(Get(control, "CaptionAlignment"), Variant::Long(1));
    EXPECT_EQ(Get(control, "CaptionColor"), Variant::Color(0x80000012));
    EXPECT_EQ(Get(control, "LedColor"), Variant::Color(0x00FF00));
    EXPECT_EQ(Get(control, "LedDarkPrm"), Variant::Double(-3.5));
    EXPECT_EQ(Get(control, "Caption"), Variant::String("電源"));
    EXPECT_TRUE(control.IsModified());
    EXPECT_EQ(container.invalidations, std::vector<bool>(7, true));
    EXPECT_TRUE(container.events.empty());
}

}  // namespace
}  // namespace tumbler
