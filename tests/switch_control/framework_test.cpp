#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "switch_control/framework/control/events.h"
#include "switch_control/framework/control/guid.h"
#include "switch_control/framework/control/property_bag.h"
#include "switch_control/framework/control/system_colors.h"
#include "switch_control/framework/control/variant.h"

namespace tumbler::framework {
namespace {

TEST(Guid, ParsesPrintsAndCompares) {
    const auto guid = ParseGuid("{9c681f64-7d55-11d4-8db5-004005399797}");
    ASSERT_TRUE(guid.has_value());
    EXPECT_EQ(guid->data1, 0x9C681F64u);
    EXPECT_EQ(guid->data4[7], 0x97);
    EXPECT_EQ(ToString(*guid), "{9C681F64-7D55-11D4-8DB5-004005399797}");
    EXPECT_EQ(ParseGuid("9C681F64-7D55-11D4-8DB5-004005399797"), guid);
    const auto next = ParseGuid("{9C681F65-7D55-11D4-8DB5-004005399797}");
    EXPECT_LT(*guid, *next);
    for (const char* bad :
         {"", "{9C681F64-7D55-11D4-8DB5-00400539979}", "{9C681F64-7D55-11D4-8DB5-0040053997970}",
          "{9C681F64_7D55-11D4-8DB5-004005399797}", "{9C681F64-7D55-11D4-8DB5-00400539979G}",
          "9C681F64-7D55-11D4-8DB5-004005399797}"}) {
        EXPECT_FALSE(ParseGuid(bad).has_value()) << bad;
    }
}

TEST(Variant, ChangeTypeConvertsNumbersThatFitAndRefusesTheRest) {
    Variant out;
    EXPECT_EQ(ChangeType(Variant::Long(-32768), VarType::Short, &out), kOk);
    EXPECT_EQ(out, Variant::Short(-32768));
    EXPECT_EQ(ChangeType(Variant::Long(32768), VarType::Short, &out), kOverflow);
    EXPECT_EQ(ChangeType(Variant::Double(2.5), VarType::Long, &out), kOk);
    EXPECT_EQ(out, Variant::Long(2));  // halves round to even
    EXPECT_EQ(ChangeType(Variant::Double(3.5), VarType::Short, &out), kOk);
    EXPECT_EQ(out, Variant::Short(4));
    EXPECT_EQ(ChangeType(Variant::Double(std::nan("")), VarType::Long, &out), kOverflow);
    EXPECT_EQ(ChangeType(Variant::Double(3e9), VarType::Long, &out), kOverflow);
    EXPECT_EQ(ChangeType(Variant::Long(7), VarType::Bool, &out), kOk);
    EXPECT_EQ(out, Variant::Bool(7));
    EXPECT_EQ(ChangeType(Variant::Double(1), VarType::Bool, &out), kTypeMismatch);
    EXPECT_EQ(ChangeType(Variant::Long(-2147483643), VarType::Color, &out), kOk);
    EXPECT_EQ(out, Variant::Color(0x80000005));
    EXPECT_EQ(ChangeType(Variant::Color(0x80000005), VarType::Long, &out), kOk);
    EXPECT_EQ(ChangeType(Variant::Short(1), VarType::Color, &out), kTypeMismatch);
    EXPECT_EQ(ChangeType(Variant::String("1"), VarType::Long, &out), kTypeMismatch);
    EXPECT_EQ(ChangeType(Variant::Long(1), VarType::String, &out), kTypeMismatch);
    EXPECT_EQ(ChangeType(Variant(), VarType::Long, &out), kTypeMismatch);
}

TEST(SystemColors, TranslateRgbSystemAndPaletteRelativeColours) {
    SystemColorTable table;
    Rgb rgb = 1;
    EXPECT_EQ(TranslateColor(0x00123456, table, &rgb), kOk);
    EXPECT_EQ(rgb, 0x123456u);
    EXPECT_EQ(TranslateColor(SystemColor(kColorButtonFace), table, &rgb), kOk);
    EXPECT_EQ(rgb, 0xC0C0C0u);
    EXPECT_EQ(TranslateColor(SystemColor(kColorButtonShadow), table, &rgb), kOk);
    EXPECT_EQ(rgb, 0x808080u);
    EXPECT_EQ(TranslateColor(SystemColor(kColorButtonHighlight), table, &rgb), kOk);
    EXPECT_EQ(rgb, 0xFFFFFFu);
    EXPECT_EQ(TranslateColor(0x02ABCDEF, table, &rgb), kOk);
    EXPECT_EQ(rgb, 0xABCDEFu);
    EXPECT_EQ(TranslateColor(SystemColor(31), table, &rgb), kInvalidArg);
    EXPECT_EQ(TranslateColor(0x80010000, table, &rgb), kInvalidArg);
    EXPECT_EQ(TranslateColor(0x01000003, table, &rgb), kInvalidArg);

    EXPECT_TRUE(table.Set(kColorButtonFace, 0xFFD4D0C8));
    EXPECT_FALSE(table.Set(SystemColorTable::kCount, 0));
    EXPECT_EQ(TranslateColor(SystemColor(kColorButtonFace), table, &rgb), kOk);
    EXPECT_EQ(rgb, 0xD4D0C8u);
    table.RestoreDefaults();
    EXPECT_EQ(table.Get(kColorButtonFace), 0xC0C0C0u);
}

TEST(EventConnections, HandlersMayDisconnectThemselvesAndOthersWhileAnEventIsDelivered) {
    struct Sink : EventSink {
        EventConnections* connections = nullptr;
        std::uint32_t toDrop = 0;
        int heard = 0;
        void OnEvent(DispId) override {
            ++heard;
            if (toDrop != 0) connections->Disconnect(toDrop);
        }
    };
    EventConnections connections;
    Sink first;
    Sink second;
    first.connections = &connections;
    const std::uint32_t firstCookie = connections.Connect(&first);
    const std::uint32_t secondCookie = connections.Connect(&second);
    EXPECT_NE(firstCookie, secondCookie);
    first.toDrop = secondCookie;  // the first drops the second before it hears anything
    connections.Fire(1);
    EXPECT_EQ(first.heard, 1);
    EXPECT_EQ(second.heard, 0);
    EXPECT_EQ(connections.Count(), 1u);
}

TEST(PropertyBagText, KeepsEveryValueExactlyThroughTheText) {
    PropertyBag bag;
    bag.Write("Caption", Variant::String("ｽｲｯﾁ \"A\"\\\t\n\r\x01\x7f end"));
    bag.Write("LedDarkPrm", Variant::Double(0.1 + 0.2));
    bag.Write("Tiny", Variant::Double(-4.9e-324));
    bag.Write("Big", Variant::Double(std::numeric_limits<double>::infinity()));
    bag.Write("Shape", Variant::Long(-2147483647 - 1));
    bag.Write("Appearance", Variant::Short(-1));
    bag.Write("Value", Variant::Bool(-1));
    bag.Write("LedColor", Variant::Color(0x80000012));
    FontDescription font{"ＭＳ Ｐゴシック", 10.5, 700, true, false, true, 128};
    bag.Write("Font", Variant::Font(font));
    const std::string text = FormatPropertyBag(bag);
    EXPECT_NE(text.find("LedColor = color 0x80000012\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Font = font \"ＭＳ Ｐゴシック\" 10.5 700 1 0 1 128\n"), std::string::npos);
    PropertyBag parsed;
    ASSERT_EQ(ParsePropertyBag(text, &parsed), kOk);
    EXPECT_EQ(parsed, bag);
}

TEST(PropertyBagText, ReadsCommentsBlankLinesCarriageReturnsAndRepeatedNames) {
    PropertyBag bag;
    ASSERT_EQ(ParsePropertyBag("# saved by hand\r\n\r\n  caption=string \"a\"\r\n"
                               "CAPTION = string \"b\"\n\tValue = bool 1",
                               &bag),
              kOk);
    ASSERT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(*bag.Read("Caption"), Variant::String("b"));
    EXPECT_EQ(*bag.Read("value"), Variant::Bool(1));
    EXPECT_EQ(bag.Read("Ver"), nullptr);
}

TEST(PropertyBagText, ABadLineLeavesTheBagAsItWas) {
    PropertyBag bag;
    bag.Write("Value", Variant::Bool(1));
    const PropertyBag before = bag;
    EXPECT_EQ(ParsePropertyBag("Caption = string \"ok\"\nValue = bool x\n", &bag), kDataCorrupt);
    EXPECT_EQ(bag, before);
    EXPECT_EQ(ParsePropertyBag("Short = short 32768\n", &bag), kDataCorrupt);
    EXPECT_EQ(ParsePropertyBag("Bad-Name = long 1\n", &bag), kDataCorrupt);
    EXPECT_EQ(ParsePropertyBag("Caption = string \"\\x4\"\n", &bag), kDataCorrupt);
    EXPECT_EQ(ParsePropertyBag("Font = font \"A\" 9 400 2 0 0 0\n", &bag), kDataCorrupt);
    EXPECT_EQ(bag, before);
}

}  // namespace
}  // namespace tumbler::framework
