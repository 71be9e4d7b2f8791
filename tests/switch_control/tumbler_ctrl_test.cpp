#include "switch_control/tumbler_ctrl.h"

#include <gtest/gtest.h>

#include <optional>

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

TEST(TumblerDefaults, VerIsString201OfTheModuleTheControlIsGiven) {
    static int anchor;
    ModuleState module("other", &anchor, {{201, "2.00 Trial"}});
    CTumblerCtrl control(module);
    EXPECT_EQ(Get(control, "Ver"), Variant::String("2.00 Trial"));
    // A stored control without Ver takes that default too.
    ASSERT_EQ(control.LoadFromBagText("Ver = string \"0.95 Alpha\"\n"), kOk);
    ASSERT_EQ(control.LoadFromBagText("Value = bool 1\n"), kOk);
    EXPECT_EQ(control.GetVer(), "2.00 Trial");
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

TEST(TumblerDispatch, TheInterfaceListsTheMembersInTheTypeLibrarysOrder) {
    struct Expected {
        DispId id;
        const char* name;
        bool readOnly;
        std::uint32_t flags;
        std::optional<std::uint32_t> helpContext;
    };
    constexpr std::uint32_t kBR = kFlagBindable | kFlagRequestEdit;
    const std::vector<Expected> expected{
        {-525, "ReadyState", true, 0, std::nullopt},
        {-520, "Appearance", false, kBR, 2001},
        {-501, "BackColor", false, kBR, 2002},
        {-504, "BorderStyle", false, kBR, 2010},
        {-518, "Caption", false, kBR, 2003},
        {-513, "ForeColor", false, kBR, 2011},
        {1, "Value", false, 0, 2009},
        {2, "SwitchShape", false, 0, 2008},
        {3, "Alignment", false, 0, 2000},
        {4, "CaptionAlignment", false, 0, 2004},
        {5, "CaptionColor", false, 0, 2005},
        {6, "LedColor", false, 0, 2007},
        {-512, "Font", false, kFlagBindable, 2006},
        {7, "LedDarkPrm", false, 0, 2013},
        {8, "Ver", true, 0, 2012},
        {-551, "DoClick", false, 0, std::nullopt},
        {-552, "AboutBox", false, 0, std::nullopt},
    };
    const InterfaceInfo& info = CTumblerCtrl::DispatchTableOf().Info();
    EXPECT_EQ(info.iid, kIidDTumbler);
    EXPECT_TRUE(info.hidden);
    ASSERT_EQ(info.members.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const MemberInfo& member = info.members[i];
        EXPECT_EQ(member.id, expected[i].id) << i;
        EXPECT_EQ(member.name, expected[i].name) << i;
        EXPECT_EQ(member.readOnly, expected[i].readOnly) << member.name;
        EXPECT_EQ(member.flags, expected[i].flags) << member.name;
        EXPECT_EQ(member.helpContext, expected[i].helpContext) << member.name;
    }
    EXPECT_EQ(info.Find("SwitchShape")->typeName, "TumblerShapes");
    EXPECT_EQ(info.Find("Value")->helpString, "ｱﾀｲ true = ON, False = OFF");
    const InterfaceInfo& events = TumblerEventsInterface();
    ASSERT_EQ(events.members.size(), 3u);
    EXPECT_EQ(events.members[0].id, -609);
    EXPECT_EQ(events.members[1].id, -600);
    EXPECT_EQ(events.members[2].name, "Change");
    EXPECT_EQ(events.members[2].id, 1);
}

TEST(TumblerDispatch, BadCallsFailWithTheirResultAndChangeNothing) {
    CTumblerCtrl control;
    Variant value;
    DispId id = 0;
    EXPECT_EQ(control.GetIdOfName("sWiTcHsHaPe", &id), kOk);
    EXPECT_EQ(id, dispid::kSwitchShape);
    EXPECT_EQ(control.GetIdOfName("Shape", &id), kUnknownName);
    EXPECT_EQ(control.GetProperty(99, &value), kMemberNotFound);
    EXPECT_EQ(control.GetProperty(kDispIdDoClick, &value), kMemberNotFound);
    EXPECT_EQ(control.CallMethod(dispid::kValue), kMemberNotFound);
    EXPECT_EQ(control.SetProperty(kDispIdDoClick, Variant::Long(1)), kMemberNotFound);
    const Variant twoArgs[] = {Variant::Long(1), Variant::Long(2)};
    EXPECT_EQ(control.Invoke(dispid::kSwitchShape, InvokeKind::PropertyPut, twoArgs, nullptr),
              kBadParamCount);
    EXPECT_EQ(control.Invoke(dispid::kValue, InvokeKind::PropertyGet, twoArgs, &value),
              kBadParamCount);
    EXPECT_EQ(control.SetProperty(dispid::kSwitchShape, Variant::String("4")), kTypeMismatch);
    EXPECT_EQ(control.SetProperty(kDispIdAppearance, Variant::Long(40000)), kOverflow);
    FontDescription tiny = DefaultStockFont();
    tiny.pointSize = 0;
    EXPECT_EQ(control.SetProperty(kDispIdFont, Variant::Font(tiny)), kInvalidPropertyValue);
    EXPECT_EQ(control.GetSwitchShape(), 0);
    EXPECT_EQ(control.GetAppearance(), 1);
    EXPECT_EQ(control.InternalGetFont(), DefaultStockFont());
    EXPECT_FALSE(control.IsModified());
}

TEST(TumblerDispatch, AboutBoxRunsTheModulesHandler) {
    CTumblerCtrl control;
    EXPECT_EQ(control.CallMethod(kDispIdAboutBox), kNotImplemented);
    int shown = 0;
    control.SetAboutBoxHandler([&shown] { ++shown; });
    EXPECT_EQ(control.CallMethod(kDispIdAboutBox), kOk);
    EXPECT_EQ(shown, 1);
}

TEST(TumblerDispatch, ColoursTranslateThroughTheReplaceableSystemTable) {
    CTumblerCtrl control;
    EXPECT_EQ(control.TranslateColor(control.GetForeColor()), 0xC0C0C0u);
    EXPECT_EQ(control.TranslateColor(SystemColor(kColorButtonShadow)), 0x808080u);
    EXPECT_EQ(control.TranslateColor(0x80000100), 0u);  // no such system colour: black
    SystemColors().Set(kColorButtonShadow, 0x404040);
    EXPECT_EQ(control.TranslateColor(SystemColor(kColorButtonShadow)), 0x404040u);
    SystemColors().RestoreDefaults();
}

}  // namespace
}  // namespace tumbler
