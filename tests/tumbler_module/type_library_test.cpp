#include <gtest/gtest.h>

#include "switch_control/framework/module/cp932_text.h"
#include "switch_control/framework/module/type_library.h"
#include "tools/component_text/type_library_text.h"

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
    EXPECT_EQ(fw::StoredHelp("\U0001F600"), "\U0001F600");
}

namespace {

constexpr fw::Guid Id(std::uint32_t n) {
    return {n, 0x2222, 0x3333, {4, 4, 5, 5, 5, 5, 5, 5}};
}

fw::MemberInfo Member(fw::DispId id, std::string name, fw::MemberKind kind, fw::VarType type,
                      std::uint32_t flags, std::optional<std::uint32_t> context, std::string help) {
    fw::MemberInfo m;
    m.id = id;
    m.name = std::move(name);
    m.kind = kind;
    m.type = type;
    m.flags = flags;
    m.helpContext = context;
    m.helpString = std::move(help);
    return m;
}

fw::TypeLibrary SmallLibrary() {
    fw::TypeLibrary lib;
    lib.libId = Id(1);
    lib.name = "SmallLib";
    lib.major = 1;
    lib.helpString = fw::StoredHelp("ﾗｲﾌﾞﾗﾘ");
    lib.helpFile = "small.hlp";
    lib.control = true;
    lib.imports = {"stdole2.tlb"};
    lib.enums.push_back(
        fw::StoredEnum({Id(2), "Sides", "Sides", {{"left", 0, "ﾋﾀﾞﾘ"}, {"right", 1, ""}}}));
    fw::InterfaceInfo d{Id(3), "_DSmall", "用", true, {}};
    d.members.push_back(Member(-501, "BackColor", fw::MemberKind::Property, fw::VarType::Color,
                               fw::kFlagBindable | fw::kFlagRequestEdit, 2002, ""));
    auto ver = Member(8, "Ver", fw::MemberKind::Property, fw::VarType::String, 0, std::nullopt, "");
    ver.readOnly = true;
    d.members.push_back(ver);
    auto shape =
        Member(2, "Shape", fw::MemberKind::Property, fw::VarType::Long, 0, std::nullopt, "");
    shape.typeName = "Sides";
    d.members.push_back(shape);
    d.members.push_back(
        Member(-552, "AboutBox", fw::MemberKind::Method, fw::VarType::Empty, 0, std::nullopt, ""));
    lib.interfaces.push_back(fw::StoredInterface(d));
    fw::InterfaceInfo events{Id(4), "_DSmallEvents", "Events", false, {}};
    events.members.push_back(
        Member(1, "Change", fw::MemberKind::Method, fw::VarType::Empty, 0, std::nullopt, ""));
    lib.interfaces.push_back(events);
    lib.coclasses.push_back({Id(5), "Small", "Small Control", true, Id(3), Id(4)});
    return lib;
}

}  // namespace

TEST(TypeLibrary, StoresHelpStringsInCodePage932) {
    const fw::TypeLibrary lib = SmallLibrary();
    EXPECT_EQ(lib.interfaces[0].helpString, "\x97\x70");
    EXPECT_EQ(lib.enums[0].members[0].helpString, "\xCB\xC0\xDE\xD8");
    EXPECT_EQ(fw::HelpText(lib.enums[0].members[0].helpString), "ﾋﾀﾞﾘ");
}

TEST(TypeLibraryText, PrintsEveryElementWithItsAttributes) {
    const std::string text = fw::FormatTypeLibrary(SmallLibrary());
    for (const char* expected : {
             "uuid(00000001-2222-3333-0404-050505050505)",
             "helpstring(\"ﾗｲﾌﾞﾗﾘ\")",
             "helpfile(\"small.hlp\")",
             "library SmallLib",
             "importlib(\"stdole2.tlb\");",
             "[helpstring(\"ﾋﾀﾞﾘ\")] left = 0,",
             "        right = 1\n",
             "} Sides;",
             "helpstring(\"用\"),\n      hidden\n    ]\n    dispinterface _DSmall {",
             "[id(-501), bindable, requestedit, helpcontext(0x000007d2)] OLE_COLOR BackColor;",
             "[id(8), readonly] BSTR Ver;",
             "[id(2)] Sides Shape;",
             "[id(-552)] void AboutBox();",
             "[id(1)] void Change();",
             "[default] dispinterface _DSmall;",
             "[default, source] dispinterface _DSmallEvents;",
         }) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

TEST(TypeLibrary, FindsElementsByIdentifier) {
    const fw::TypeLibrary lib = SmallLibrary();
    ASSERT_NE(lib.FindInterface(Id(3)), nullptr);
    EXPECT_EQ(lib.FindInterface(Id(3))->name, "_DSmall");
    EXPECT_EQ(lib.FindInterface(Id(9)), nullptr);
    EXPECT_EQ(lib.FindCoClass(Id(5))->name, "Small");
    EXPECT_EQ(lib.FindCoClass(Id(3)), nullptr);
}
