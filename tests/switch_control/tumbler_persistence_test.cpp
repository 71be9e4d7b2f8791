#include <gtest/gtest.h>

#include <algorithm>

#include "switch_control/framework/control/property_bag.h"
#include "switch_control/tumbler_ctrl.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/switch_control/control_snapshot.h"
#include "tests/switch_control/recording_container.h"

namespace tumbler {
namespace {

using namespace framework;

using testing::Snapshot;

// A control with every stored property away from its default, and a stored older Ver.
void ChangeEverything(CTumblerCtrl& control) {
    ASSERT_EQ(control.LoadFromBagText("Ver = string \"0.95 Alpha\"\n"), kOk);
    control.SetText("ﾎﾟﾝﾌﾟ \"1\"\n");
    control.SetBackColor(0x80000005);
    control.SetForeColor(0x00336699);
    control.SetAppearance(0);
    control.SetBorderStyle(0);
    FontDescription font = DefaultStockFont();
    font.family = "IPAPGothic";
    font.pointSize = 12.75;
    font.weight = 700;
    font.italic = true;
    control.SetFont(font);
    control.SetValue(2);
    control.SetSwitchShape(9);
    control.SetAlignment(1);
    control.SetCaptionAlignment(1);
    control.SetCaptionColor(0x80000012);
    control.SetLedColor(0x0000FF00);
    control.SetLedDarkPrm(0.1 + 0.2);
    control.SetBounds({5, 5, 125, 95});
}

TEST(TumblerPersistence, BagRoundTripKeepsEveryPropertyIncludingAStoredVer) {
    CTumblerCtrl original;
    ChangeEverything(original);
    EXPECT_EQ(original.GetVer(), "0.95 Alpha");
    std::string text;
    ASSERT_EQ(original.SaveToBagText(&text), kOk);
    EXPECT_FALSE(original.IsModified());

    CTumblerCtrl loaded;
    ASSERT_EQ(loaded.LoadFromBagText(text), kOk);
    EXPECT_EQ(Snapshot(loaded), Snapshot(original));
    EXPECT_EQ(loaded.GetValue(), 2);
}

TEST(TumblerPersistence, StreamRoundTripKeepsEveryPropertyIncludingAStoredVer) {
    CTumblerCtrl original;
    ChangeEverything(original);
    std::vector<std::uint8_t> stream;
    ASSERT_EQ(original.SaveToStream(&stream), kOk);
    CTumblerCtrl loaded;
    ASSERT_EQ(loaded.LoadFromStream(stream), kOk);
    EXPECT_EQ(Snapshot(loaded), Snapshot(original));
    EXPECT_EQ(loaded.GetValue(), 2);
    EXPECT_FALSE(loaded.IsModified());
}

TEST(TumblerPersistence, StreamHoldsTheStockValuesTwiceAndTheBagOnce) {
    CTumblerCtrl control;
    control.SetText("UNIQUE-CAPTION");
    std::vector<std::uint8_t> stream;
    ASSERT_EQ(control.SaveToStream(&stream), kOk);
    const std::string bytes(stream.begin(), stream.end());
    const auto first = bytes.find("UNIQUE-CAPTION");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(bytes.find("UNIQUE-CAPTION", first + 1), std::string::npos);

    std::string text;
    ASSERT_EQ(control.SaveToBagText(&text), kOk);
    EXPECT_EQ(text.find("UNIQUE-CAPTION"), text.rfind("UNIQUE-CAPTION"));
    EXPECT_NE(text.find("Caption = string \"UNIQUE-CAPTION\"\n"), std::string::npos);
    EXPECT_NE(text.find("LedColor = color 0x000000FF\n"), std::string::npos);
    EXPECT_NE(text.find("Ver = string \"1.10 Bata1\"\n"), std::string::npos);
}

TEST(TumblerPersistence, MissingValuesTakeTheControlsDefaults) {
    testing::RecordingContainer container;
    container.ambientBackColor = Variant::Color(0x00102030);
    CTumblerCtrl control;
    control.SetClientSite(&container);
    ASSERT_EQ(control.LoadFromBagText("SwitchShape = long 4\nValue = bool 1\n"), kOk);
    EXPECT_EQ(control.GetSwitchShape(), 4);
    EXPECT_EQ(control.GetValue(), 1);
    EXPECT_EQ(control.GetVer(), "1.10 Bata1");
    EXPECT_EQ(control.GetBackColor(), 0x00102030u);
    EXPECT_EQ(control.GetForeColor(), 0xC0C0C0u);
    EXPECT_EQ(control.GetAppearance(), 1);
    EXPECT_EQ(control.GetLedDarkPrm(), 0.5);
}

TEST(TumblerPersistence, BagValuesConvertWhenTheyFit) {
    CTumblerCtrl control;
    ASSERT_EQ(control.LoadFromBagText("Appearance = long 0\nLedDarkPrm = long 1\n"
                                      "LedColor = long 65280\nCaptionAlignment = short 1\n"),
              kOk);
    EXPECT_EQ(control.GetAppearance(), 0);
    EXPECT_EQ(control.GetLedDarkPrm(), 1.0);
    EXPECT_EQ(control.GetLedColor(), 0x00FF00u);
    EXPECT_EQ(control.GetCaptionAlignment(), 1);
}

TEST(TumblerPersistence, ResetRunsTheSameExchangeWithDefaults) {
    CTumblerCtrl control;
    ChangeEverything(control);
    control.InitNew();
    CTumblerCtrl fresh;
    EXPECT_EQ(Snapshot(control), Snapshot(fresh));
    EXPECT_FALSE(control.IsModified());
}

struct DamagedCase {
    const char* what;
    const char* bagText;
    HResult expected;
};

class DamagedBag : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedBag, FailsClearlyAndLeavesTheDefaults) {
    CTumblerCtrl control;
    ChangeEverything(control);
    EXPECT_EQ(control.LoadFromBagText(GetParam().bagText), GetParam().expected);
    CTumblerCtrl fresh;
    EXPECT_EQ(Snapshot(control), Snapshot(fresh));
}

INSTANTIATE_TEST_SUITE_P(
    Tumbler, DamagedBag,
    ::testing::Values(
        DamagedCase{"string for a number", "SwitchShape = string \"9\"\n", kTypeMismatch},
        DamagedCase{"number for a string", "Ver = long 110\n", kTypeMismatch},
        DamagedCase{"too big for a short", "Appearance = long 70000\n", kTypeMismatch},
        DamagedCase{"newer version", "_Version = long 131072\n", kUnknownVersion},
        DamagedCase{"no version", "_Version = long 0\n", kUnknownVersion},
        DamagedCase{"negative extent", "_ExtentX = long -5\n", kDataCorrupt},
        DamagedCase{"unusable font", "Font = font \"A\" 0 400 0 0 0 0\n", kDataCorrupt},
        DamagedCase{"no equals sign", "Caption \"x\"\n", kDataCorrupt},
        DamagedCase{"unknown type", "Caption = text \"x\"\n", kDataCorrupt},
        DamagedCase{"unterminated string", "Caption = string \"x\n", kDataCorrupt},
        DamagedCase{"trailing garbage", "Value = bool 1 1\n", kDataCorrupt},
        DamagedCase{"bad escape", "Caption = string \"\\q\"\n", kDataCorrupt},
        DamagedCase{"short colour", "LedColor = color 0xFF\n", kDataCorrupt},
        DamagedCase{"binary junk", "\x01\x02\xff\xfe", kDataCorrupt}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(TumblerPersistence, DamagedStreamsFailClearlyAndLeaveTheDefaults) {
    CTumblerCtrl original;
    ChangeEverything(original);
    std::vector<std::uint8_t> stream;
    ASSERT_EQ(original.SaveToStream(&stream), kOk);

    const auto expectDefaultsAfter = [&](std::vector<std::uint8_t> data, HResult expected) {
        CTumblerCtrl control;
        ChangeEverything(control);
        EXPECT_EQ(control.LoadFromStream(data), expected);
        CTumblerCtrl reference;
        EXPECT_EQ(Snapshot(control), Snapshot(reference));
    };
    // Cut at every length: each must read as truncated.
    for (std::size_t length = 0; length < stream.size(); ++length) {
        SCOPED_TRACE(length);
        expectDefaultsAfter({stream.begin(), stream.begin() + length}, kReadFault);
    }
    // The first value is the version: make it a Short instead of a Long.
    std::vector<std::uint8_t> wrongType = stream;
    wrongType[0] = static_cast<std::uint8_t>(VarType::Short);
    expectDefaultsAfter(wrongType, kTypeMismatch);
    std::vector<std::uint8_t> unknownTag = stream;
    unknownTag[0] = 0x7E;
    expectDefaultsAfter(unknownTag, kDataCorrupt);
    std::vector<std::uint8_t> newerVersion = stream;
    newerVersion[3] = 0x02;  // 0x00020000
    expectDefaultsAfter(newerVersion, kUnknownVersion);
    // A caption length far beyond the data.
    std::vector<std::uint8_t> hugeString = stream;
    const std::size_t captionTag = 1 + 4 + 2 * 5;  // version, two extents
    ASSERT_EQ(hugeString[captionTag], static_cast<std::uint8_t>(VarType::String));
    hugeString[captionTag + 4] = 0x7F;
    expectDefaultsAfter(hugeString, kReadFault);
}

TEST(TumblerPersistence, TheStoredExtentSizesTheBoundsWithoutOverflowing) {
    CTumblerCtrl control;
    control.SetBounds({2147483000, 7, 2147483100, 57});
    ASSERT_EQ(control.LoadFromBagText("_ExtentX = long 2147483647\n"
                                      "_ExtentY = long 2540\n"),
              kOk);
    EXPECT_EQ(control.Bounds(), (Rect{2147483000, 7, 2147483647, 7 + 96}));
}

TEST(TumblerPersistence, BytesAfterTheLastValueAreLeftAlone) {
    CTumblerCtrl original;
    original.SetSwitchShape(5);
    std::vector<std::uint8_t> stream{0xAA};
    ASSERT_EQ(original.SaveToStream(&stream), kOk);
    ASSERT_EQ(stream.front(), 0xAA);  // appended after what the container wrote
    stream.push_back(0x55);
    CTumblerCtrl loaded;
    ASSERT_EQ(loaded.LoadFromStream(std::span(stream).subspan(1)), kOk);
    EXPECT_EQ(loaded.GetSwitchShape(), 5);
}

}  // namespace
}  // namespace tumbler
