#include <gtest/gtest.h>

#include "switch_control/framework/cp932_text.h"
#include "switch_control/framework/type_library.h"
#include "switch_control/framework/type_library_text.h"

namespace fw = tumbler::framework;

TEST(Cp932Text, EncodesHalfWidthKatakanaAsSingleBytesAndBack) {
    const auto bytes = fw::Utf8ToCp932("ﾉｰﾏﾙ");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "\xC9\xB0\xCF\xD9");
    EXPECT_EQ(fw::Cp932ToUtf8(*bytes), "ﾉｰﾏﾙ");
}

TEST(Cp932Text, EncodesKanjiAndIdeographicSpaceAsTwoBytes) {
    EXPECT_EQ(fw::Utf8ToCp932("用"), "\x97\x70");
    EXPECT_EQ(fw::Utf8ToCp932("\u3000"), "\x81\x40");
}

TEST(Cp932Text, WaveDashTakesTheCodePagesTilde) {
    EXPECT_EQ(fw::Utf8ToCp932("\u301C"), "\x81\x60");
    EXPECT_EQ(fw::Cp932ToUtf8("\x81\x60"), "\uFF5E");
}

TEST(Cp932Text, RefusesWhatItCannotHold) {
    EXPECT_FALSE(fw::Utf8ToCp932("\U0001F600").has_value());
    EXPECT_FALSE(fw::Cp932ToUtf8("\x81").has_value());
    EXPECT_EQ(fw::HelpBytes("\U0001F600"), "\U0001F600");
}

namespace {

fw::TypeLibrary SmallLibrary() {
    fw::TypeLibrary lib;
    lib.libId = "{11111111-2222-3333-4444-555555555555}";
    lib.name = "SmallLib";
    lib.major = 1;
    lib.helpString = fw::HelpBytes("ﾗｲﾌﾞﾗﾘ");
    lib.helpFile = "small.hlp";
    lib.control = true;
    lib.imports = {"stdole2.tlb"};
    lib.enums.push_back(
        {"{E}", "Sides", "Sides", {{"left", 0, fw::HelpBytes("ﾋﾀﾞﾘ")}, {"right", 1, ""}}});
    fw::DispInterfaceInfo d;
    d.guid = "{D}";
    d.name = "_DSmall";
    d.hidden = true;
    d.properties.push_back({-501, "BackColor", "OLE_COLOR", false, true, true, 2002, ""});
    d.properties.push_back({8, "Ver", "BSTR", true, false, false, std::nullopt, ""});
    d.methods.push_back({-552, "AboutBox", "void", std::nullopt, ""});
    lib.interfaces.push_back(d);
    lib.interfaces.push_back(
        {"{V}", "_DSmallEvents", "Events", false, {}, {{1, "Change", "void", std::nullopt, ""}}});
    lib.coclasses.push_back({"{C}", "Small", "Small Control", true, "{D}", "{V}"});
    return lib;
}

}  // namespace

TEST(TypeLibraryText, PrintsEveryElementWithItsAttributes) {
    const std::string text = fw::FormatTypeLibrary(SmallLibrary());
    EXPECT_NE(text.find("uuid(11111111-2222-3333-4444-555555555555)"), std::string::npos);
    EXPECT_NE(text.find("helpstring(\"ﾗｲﾌﾞﾗﾘ\")"), std::string::npos);
    EXPECT_NE(text.find("helpfile(\"small.hlp\")"), std::string::npos);
    EXPECT_NE(text.find("library SmallLib"), std::string::npos);
    EXPECT_NE(text.find("importlib(\"stdole2.tlb\");"), std::string::npos);
    EXPECT_NE(text.find("[helpstring(\"ﾋﾀﾞﾘ\")] left = 0,"), std::string::npos);
    EXPECT_NE(text.find("right = 1\n"), std::string::npos);
    EXPECT_NE(text.find("} Sides;"), std::string::npos);
    EXPECT_NE(text.find("hidden\n    ]\n    dispinterface _DSmall {"), std::string::npos);
    EXPECT_NE(
        text.find(
            "[id(-501), bindable, requestedit, helpcontext(0x000007d2)] OLE_COLOR BackColor;"),
        std::string::npos);
    EXPECT_NE(text.find("[id(8), readonly] BSTR Ver;"), std::string::npos);
    EXPECT_NE(text.find("[id(-552)] void AboutBox();"), std::string::npos);
    EXPECT_NE(text.find("[id(1)] void Change();"), std::string::npos);
    EXPECT_NE(text.find("[default] dispinterface _DSmall;"), std::string::npos);
    EXPECT_NE(text.find("[default, source] dispinterface _DSmallEvents;"), std::string::npos);
}

TEST(TypeLibrary, FindsElementsByIdentifier) {
    const fw::TypeLibrary lib = SmallLibrary();
    ASSERT_NE(lib.FindInterface("{D}"), nullptr);
    EXPECT_EQ(lib.FindInterface("{D}")->FindProperty(8)->name, "Ver");
    EXPECT_EQ(lib.FindInterface("{D}")->FindProperty(99), nullptr);
    EXPECT_EQ(lib.FindCoClass("{C}")->name, "Small");
    EXPECT_EQ(lib.FindCoClass("{D}"), nullptr);
}
