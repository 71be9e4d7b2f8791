#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>

#include "switch_control/framework/control/control_base.h"
#include "switch_control/framework/module/class_factory.h"
#include "switch_control/framework/module/module_server.h"
#include "switch_control/framework/module/type_library_registration.h"
#include "switch_control/tumbler_interfaces.h"
#include "tests/tumbler_module/module_fixture.h"
#include "tools/component_text/type_library_text.h"
#include "tools/tumbler_container/control_type_info.h"

namespace fw = tumbler::framework;

namespace {

const std::string kControl = "{9C681F67-7D55-11D4-8DB5-004005399797}";
const std::string kPage = "{9C681F68-7D55-11D4-8DB5-004005399797}";
const std::string kProgId = "Tumbler.TumblerCtrl.1";

// Runs regctl in a process of its own, which loads the module afresh through dlopen.
struct RunResult {
    int status;
    std::string out;
};

RunResult Regctl(const std::string& args) {
    const std::string command = std::string(REGCTL_PATH) + " " + args + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 512> buffer{};
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) out += buffer.data();
    const int status = pclose(pipe.release());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

}  // namespace

TEST_F(ModuleTest, ExportsExactlyTheFourEntryPoints) {
    for (const char* entry :
         {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"}) {
        EXPECT_NE(module_.Symbol(entry), nullptr) << entry;
    }
    // Framework and control code inside the module stay private to it.
    EXPECT_EQ(module_.Symbol("_ZN7tumbler12CTumblerCtrlC1Ev"), nullptr);
}

TEST_F(ModuleTest, RegistersBothClassesAndTheTypeLibraryWithTheirData) {
    ASSERT_EQ(Call("DllRegisterServer"), fw::kOk);
    const fw::ClassRegistry registry = Registry();
    const auto control = registry.FindClass(kControl);
    ASSERT_TRUE(control.has_value());
    EXPECT_EQ(control->typeName, "Quill Switch Control");
    EXPECT_EQ(control->progId, kProgId);
    EXPECT_EQ(control->threadingModel, "Apartment");
    EXPECT_EQ(control->miscStatus, 0x20191u);
    EXPECT_TRUE(control->control);
    EXPECT_EQ(control->typeLibId, "{9C681F64-7D55-11D4-8DB5-004005399797}");
    EXPECT_EQ(control->typeLibVersion, "1.0");
    const std::string path = module_.state()->Path().string();
    EXPECT_EQ(control->modulePath, path);
    EXPECT_EQ(control->toolboxBitmap, path + ", 1");

    const auto page = registry.FindClass(kPage);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->typeName, "Switch Property Page");
    EXPECT_TRUE(page->progId.empty());
    EXPECT_EQ(registry.ClsidFromProgId(kProgId), kControl);

    const auto lib = registry.FindTypeLib("{9C681F64-7D55-11D4-8DB5-004005399797}", 1, 0, 0);
    ASSERT_TRUE(lib.has_value());
    EXPECT_EQ(lib->path, path);
    EXPECT_TRUE(lib->helpDir.empty());
}

TEST_F(ModuleTest, FreshProcessesRegisterCreateByProgIdAndClsidAndUnregister) {
    const RunResult reg = Regctl(std::string("register ") + TUMBLER_MODULE_PATH);
    ASSERT_EQ(reg.status, 0) << reg.out;
    EXPECT_EQ(reg.out, "DllRegisterServer 0x00000000 succeeded\n");

    const RunResult list = Regctl("list");
    EXPECT_NE(list.out.find(kControl + "  " + kProgId + "  \"Quill Switch Control\""),
              std::string::npos)
        << list.out;
    EXPECT_NE(list.out.find(kPage + "  -  \"Switch Property Page\""), std::string::npos);

    for (const std::string& name : {kProgId, kControl}) {
        const RunResult props = Regctl("props " + name);
        ASSERT_EQ(props.status, 0) << props.out;
        EXPECT_NE(props.out.find("-525 ReadyState = 1\n"), std::string::npos) << props.out;
        EXPECT_NE(props.out.find("-518 Caption = \"\"\n"), std::string::npos);
        EXPECT_NE(props.out.find("1 Value = False\n"), std::string::npos);
        EXPECT_NE(props.out.find("6 LedColor = 0x0000FF\n"), std::string::npos);
        EXPECT_NE(props.out.find("7 LedDarkPrm = 0.5\n"), std::string::npos);
        EXPECT_NE(props.out.find("8 Ver = \"1.10 Bata1\"\n"), std::string::npos);
    }

    const RunResult unreg = Regctl(std::string("unregister ") + TUMBLER_MODULE_PATH);
    ASSERT_EQ(unreg.status, 0) << unreg.out;
    EXPECT_EQ(Regctl("list").out, "");
    EXPECT_NE(Regctl("props " + kProgId).status, 0);
    EXPECT_NE(Regctl("props " + kControl).status, 0);
    EXPECT_NE(Regctl("typelib {9C681F64-7D55-11D4-8DB5-004005399797} 1.0").status, 0);
    const fw::ClassRegistry registry = Registry();
    EXPECT_TRUE(registry.Classes().empty());
    EXPECT_FALSE(registry.ClsidFromProgId(kProgId).has_value());
    EXPECT_FALSE(registry.FindTypeLib("{9C681F64-7D55-11D4-8DB5-004005399797}", 1, 0, 0));
}

TEST_F(ModuleTest, AnUnwritableRegistryFailsAtTheTypeLibraryStep) {
    std::ofstream(data_.path() / "blocked") << "not a folder";
    setenv("XDG_DATA_HOME", (data_.path() / "blocked").c_str(), 1);
    EXPECT_EQ(Call("DllRegisterServer"), fw::kSelfRegTypeLibError);
    EXPECT_EQ(Call("DllUnregisterServer"), fw::kSelfRegTypeLibError);
    const RunResult reg = Regctl(std::string("register ") + TUMBLER_MODULE_PATH);
    EXPECT_EQ(reg.status, 1);
    EXPECT_EQ(reg.out, "DllRegisterServer 0x80040200 failed\n");
}

TEST_F(ModuleTest, ClassObjectsExistForBothClassesOnly) {
    using GetClassObject = fw::HResult (*)(const fw::Guid*, fw::ClassFactory**);
    auto get = reinterpret_cast<GetClassObject>(module_.Symbol("DllGetClassObject"));
    ASSERT_NE(get, nullptr);
    fw::ClassFactory* factory = nullptr;
    ASSERT_EQ(get(&tumbler::kClsidTumbler, &factory), fw::kOk);
    EXPECT_EQ(factory->ClassId(), kControl);
    ASSERT_EQ(get(&tumbler::kClsidTumblerPropPage, &factory), fw::kOk);
    EXPECT_EQ(factory->ClassId(), kPage);
    EXPECT_EQ(get(&tumbler::kIidDTumbler, &factory), fw::kClassNotAvailable);
    EXPECT_EQ(get(nullptr, &factory), fw::kPointer);
}

TEST_F(ModuleTest, CanUnloadOnlyWhenNoControlIsAlive) {
    ASSERT_EQ(Call("DllRegisterServer"), fw::kOk);
    fw::ClassObject object = fw::GetClassObject(Registry(), tumbler::kClsidTumbler);
    ASSERT_NE(object.factory, nullptr);
    EXPECT_EQ(Call("DllCanUnloadNow"), fw::kOk);
    std::shared_ptr<fw::ControlBase> control = object.factory->CreateControl();
    ASSERT_TRUE(control);
    std::shared_ptr<fw::ControlBase> second = object.factory->CreateControl();
    EXPECT_EQ(Call("DllCanUnloadNow"), fw::kFalse);
    control.reset();
    EXPECT_EQ(Call("DllCanUnloadNow"), fw::kFalse);
    second.reset();
    EXPECT_EQ(Call("DllCanUnloadNow"), fw::kOk);
}

TEST_F(ModuleTest, TypeLibraryLoadsFromTheRegistryAndPrintsAsInterfaceText) {
    EXPECT_FALSE(fw::LoadRegisteredTypeLibrary(Registry(), tumbler::kLibIdTumbler, 1, 0, 0));
    ASSERT_EQ(Call("DllRegisterServer"), fw::kOk);
    // The caller's locale finds the neutral registration.
    const fw::LoadedTypeLibrary library =
        fw::LoadRegisteredTypeLibrary(Registry(), tumbler::kLibIdTumbler, 1, 0, 0x0411);
    ASSERT_TRUE(library);
    EXPECT_EQ(library->name, "TumblerLib");
    // Help strings are kept in code page 932: "ｺﾝﾄﾛｰﾙ" is six single bytes.
    EXPECT_NE(library->helpString.find("\xBA\xDD\xC4\xDB\xB0\xD9"), std::string::npos);
    ASSERT_EQ(library->enums.size(), 3u);
    EXPECT_EQ(library->enums[0].id, tumbler::kClsidTumblerPropPage);
    EXPECT_EQ(library->enums[0].members[0].helpString, "\xC9\xB0\xCF\xD9");  // ﾉｰﾏﾙ

    const std::string text = fw::FormatTypeLibrary(*library);
    for (const char* expected : {
             "uuid(9C681F64-7D55-11D4-8DB5-004005399797)",
             "version(1.0)",
             "helpstring(\"Quill Switch ActiveX ｺﾝﾄﾛｰﾙ ﾓｼﾞｭｰﾙ\")",
             "helpfile(\"tumbler.hlp\")",
             "helpcontext(0x00000000)",
             "library TumblerLib",
             "importlib(\"stdole2.tlb\");",
             "[helpstring(\"ﾊﾟﾁﾊﾟﾁ\")] type3 = 2,",
             "} TumblerShapes;",
             "} TumblerAliments;",
             "} Aliments;",
             "dispinterface _DTumbler {",
             "dispinterface _DTumblerEvents {",
             "helpstring(\"Tumbler Control 用ﾃﾞｨｽﾊﾟｯﾁ ｲﾝﾀｰﾌｪｲｽ\"),\n      hidden",
             "[id(2), helpstring(\"ｽｲｯﾁ ﾉ ｹｲｼﾞｮｳ\"), helpcontext(0x000007d8)] TumblerShapes "
             "SwitchShape;",
             "[id(-525), readonly] long ReadyState;",
             "[id(-552)] void AboutBox();",
             "[id(1)] void Change();",
             "coclass Tumbler {",
             "[default] dispinterface _DTumbler;",
             "[default, source] dispinterface _DTumblerEvents;",
         }) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    const RunResult printed = Regctl("typelib {9C681F64-7D55-11D4-8DB5-004005399797} 1.0");
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, text);
}

TEST_F(ModuleTest, VersionResourceIsReadableFromTheModule) {
    const RunResult version = Regctl(std::string("version ") + TUMBLER_MODULE_PATH);
    ASSERT_EQ(version.status, 0) << version.out;
    EXPECT_EQ(version.out,
              "FILEVERSION 1.0.0.2\n"
              "PRODUCTVERSION 1.0.0.2\n"
              "Translation 041104B0\n"
              "FileDescription = \"Quill Switch ActiveX Control Module\"\n"
              "FileVersion = \"1, 0, 0, 2\"\n"
              "InternalName = \"tumbler\"\n"
              "OriginalFilename = \"tumbler.OCX\"\n"
              "ProductName = \"Quill Switch ActiveX Control Module\"\n"
              "ProductVersion = \"1, 0, 0, 2\"\n"
              "OLESelfRegister = \"\"\n");
}

TEST_F(ModuleTest, ControlTypeInformationComesFromTheRegisteredLibrary) {
    fw::ControlTypeInfo info;
    EXPECT_EQ(fw::LoadControlTypeInfo(Registry(), tumbler::kClsidTumbler, 0x0411, &info),
              fw::kClassNotRegistered);
    ASSERT_EQ(Call("DllRegisterServer"), fw::kOk);
    ASSERT_EQ(fw::LoadControlTypeInfo(Registry(), tumbler::kClsidTumbler, 0x0411, &info), fw::kOk);
    EXPECT_EQ(fw::ControlTypeInfo::kCount, 1);
    EXPECT_EQ(info.dispatch->name, "_DTumbler");
    EXPECT_EQ(info.dispatch->iid, tumbler::kIidDTumbler);
    EXPECT_TRUE(info.dispatch->hidden);
    ASSERT_NE(info.dispatch->Find("LedDarkPrm"), nullptr);
    EXPECT_EQ(info.dispatch->Find("LedDarkPrm")->id, 7);

    // A class whose library is gone has no type information.
    ASSERT_TRUE(Registry().UnregisterTypeLib("{9C681F64-7D55-11D4-8DB5-004005399797}", 1, 0, 0));
    EXPECT_EQ(fw::LoadControlTypeInfo(Registry(), tumbler::kClsidTumbler, 0, &info),
              fw::kTypeLibNotRegistered);
}
